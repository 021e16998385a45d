#include "ElidingLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

ElidingLabel::ElidingLabel(QWidget *parent) : QLabel(parent) {}

ElidingLabel::ElidingLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

bool ElidingLabel::IsElided() const
{
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

QString ElidingLabel::ShownText() const
{
    return fontMetrics().elidedText(text(), elideMode_, contentsRect().width());
}

void ElidingLabel::paintEvent(QPaintEvent *event)
{
    if (!IsElided())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), ShownText(),
                          foregroundRole());
}

// A cut text shows whole in the tool tip, unless the label has a tool tip of its own.
bool ElidingLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && IsElided()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}
