#pragma once
// Borderless skinned windows: sized to their background picture, shaped by its
// magenta corners and dragged by the picture.

#include <QDialog>
#include <QImage>

#include "controls/WindowDragger.h"

class QLabel;

// Removes the border of `window`, puts the picture behind everything as the
// label "Image_Bk", sizes the window to it and cuts the window's shape from it.
QLabel *DressWithBackground(QWidget *window, const QImage &background);

// Base of every skinned dialog window (options, progress, about, rename, frame rate).
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    SkinnedDialog(const QString &backgroundResource, WindowDragger::Mode dragMode, QWidget *parent = nullptr);

    QLabel *BackgroundImage() const { return background_; }
    WindowDragger *Dragger() const { return dragger_; }

private:
    QLabel *background_;
    WindowDragger *dragger_;
};
