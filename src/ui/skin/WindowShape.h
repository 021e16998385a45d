#pragma once
// The visible shape of a borderless window cut from its background picture: the
// key-coloured areas that touch the picture's corners along its edges become
// transparent; key-coloured pixels inside the picture stay visible.

#include <QImage>
#include <QRegion>

namespace skin {

constexpr QRgb kKeyColour = 0xFF00FF;   // magenta; alpha is ignored when comparing

// `key` 0 stands for the colour of the picture's top-left pixel.
QRegion TransparentCorners(const QImage &picture, QRgb key = kKeyColour);
QRegion WindowShapeFromPicture(const QImage &picture, QRgb key = kKeyColour);

} // namespace skin
