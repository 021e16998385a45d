#include "controls/ImagePanel.h"

#include <QPainter>

ImagePanel::ImagePanel(QWidget *parent, const QString &objectName, const QPixmap &picture)
    : QWidget(parent), picture_(picture)
{
    setObjectName(objectName);
}

void ImagePanel::SetPicture(const QPixmap &picture)
{
    picture_ = picture;
    update();
}

void ImagePanel::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
}
