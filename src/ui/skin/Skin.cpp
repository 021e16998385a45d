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

QString StyleSheet()
{
    QFile file(QStringLiteral(":/skin/skin.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace skin
