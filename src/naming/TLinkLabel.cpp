#include "TLinkLabel.h"

#include <QMouseEvent>

namespace {

// Own style sheet, so the colours hold under the skin's style sheet for all widgets.
QString LinkLabelStyle(bool hovered)
{
    return QStringLiteral("TLinkLabel { font-family: Tahoma, \"DejaVu Sans\"; background: transparent; color: %1;"
                          " text-decoration: %2; }")
        .arg(hovered ? QStringLiteral("rgb(0, 0, 255)") : QStringLiteral("black"),
             hovered ? QStringLiteral("underline") : QStringLiteral("none"));
}

} // namespace

TLinkLabel::TLinkLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setCursor(Qt::PointingHandCursor);
    ShowHovered(false);
}

void TLinkLabel::enterEvent(QEnterEvent *event)
{
    ShowHovered(true);
    QLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent *event)
{
    ShowHovered(false);
    QLabel::leaveEvent(event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

void TLinkLabel::ShowHovered(bool hovered)
{
    setStyleSheet(LinkLabelStyle(hovered));
}
