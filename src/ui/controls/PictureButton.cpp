#include "controls/PictureButton.h"

#include <QPainter>

PictureButton::PictureButton(const QString &pictureSet, QWidget *parent, const QString &objectName)
    : QAbstractButton(parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    SetPictureSet(pictureSet);
}

void PictureButton::SetPictureSet(const QString &pictureSet)
{
    pictures_ = skin::ButtonSet(pictureSet);
    resize(pictures_.normal.size());
    update();
}

QSize PictureButton::sizeHint() const
{
    return pictures_.normal.size();
}

const QPixmap &PictureButton::PictureForState() const
{
    if (!isEnabled())
        return pictures_.disabled;
    if (isDown())
        return pictures_.pressed;
    if (underMouse())
        return pictures_.hover;
    return pictures_.normal;
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), PictureForState());
    if (text().isEmpty())
        return;
    painter.setPen(isEnabled() ? QColor(0xe3, 0xe9, 0xf0) : QColor(Qt::white));
    QFont captionFont = font();
    captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.drawText(rect().adjusted(0, captionTop_, 0, 0), Qt::AlignCenter, text());
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    update();
}
