#include "skin/Skin.h"

#include <QFile>

namespace skin {

QImage Background(const QString &resourceName)
{
    return QImage(QStringLiteral(":/skin/%1.png").arg(resourceName));
}

QImage JpegPicture(const QString &resourceName)
{
    return QImage(QStringLiteral(":/skin/%1.jpg").arg(resourceName), "JPEG");
}

QPixmap Picture(const QString &name)
{
    return QPixmap(QStringLiteral(":/skin/%1.png").arg(name));
}

ButtonPictures ButtonSet(const QString &setName)
{
    return {Picture(setName + QStringLiteral("_normal")), Picture(setName + QStringLiteral("_hover")),
            Picture(setName + QStringLiteral("_pressed")), Picture(setName + QStringLiteral("_disabled"))};
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(Picture(QStringLiteral("app_icon_%1").arg(size)));
    return icon;
}

QString StyleSheet()
{
    QFile file(QStringLiteral(":/skin/skin.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace skin
