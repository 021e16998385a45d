#pragma once
// The skin's pictures, built into the program's resources from data/skin.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace skin {

// Background bitmaps by resource name: "MAIN", "ABOUT", "OPTION", "PROCESS", "RENAME", "FPS", "NOTICE".
QImage Background(const QString &resourceName);
// JPEG pictures by resource name: "STARTUP", "MASK".
QImage JpegPicture(const QString &resourceName);
// Plain pictures by file stem: "table_bk1", "Image_Chk", "Image_Bar", ...
QPixmap Picture(const QString &name);

struct ButtonPictures {
    QPixmap normal, hover, pressed, disabled;
};
// The four state pictures of a picture set ("close", "device_ipod", "caption", ...).
ButtonPictures ButtonSet(const QString &setName);

// The program's icon for its windows: the header's logo at the usual sizes.
QIcon ProgramIcon();

// The style sheet of the skinned standard controls (edits, lists, check boxes, spin fields).
QString StyleSheet();

} // namespace skin
