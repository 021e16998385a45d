#include "TLinkLabel.h"

#include <QMouseEvent>

TLinkLabel::TLinkLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    QFont tahoma = font();
    tahoma.setFamily(QStringLiteral("Tahoma"));
    setFont(tahoma);
    setAutoFillBackground(false);
    setCursor(Qt::PointingHandCursor);
    showHovered(false);
}

void TLinkLabel::enterEvent(QEnterEvent *event)
{
    showHovered(true);
    QLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent *event)
{
    showHovered(false);
    QLabel::leaveEvent(event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TLinkLabel::showHovered(bool hovered)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hovered ? QColor(0, 0, 255) : QColor(Qt::black));
    setPalette(colours);
    QFont underlined = font();
    underlined.setUnderline(hovered);
    setFont(underlined);
}
