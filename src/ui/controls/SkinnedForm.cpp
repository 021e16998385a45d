#include "controls/SkinnedForm.h"

#include <QLabel>
#include <QPixmap>

#include "skin/Skin.h"
#include "skin/WindowShape.h"

QLabel *DressWithBackground(QWidget *window, const QImage &background)
{
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    auto *label = new QLabel(window);
    label->setObjectName(QStringLiteral("Image_Bk"));
    label->setPixmap(QPixmap::fromImage(background));
    label->setGeometry(background.rect());
    label->lower();
    window->setFixedSize(background.size());
    window->setMask(skin::WindowShapeFromPicture(background));
    return label;
}

SkinnedDialog::SkinnedDialog(const QString &backgroundResource, WindowDragger::Mode dragMode, QWidget *parent)
    : QDialog(parent),
      background_(DressWithBackground(this, skin::Background(backgroundResource))),
      dragger_(new WindowDragger(this, dragMode))
{
    dragger_->AddHandle(background_);
}
