#pragma once
// Writing a snapshot picture: a 24-bit BMP, or a JPEG at quality 100 through libjpeg.

#include <QImage>
#include <QString>

bool SaveBmp24(const QImage &picture, const QString &fileName);
bool SaveJpeg100(const QImage &picture, const QString &fileName);
