#pragma once
// A button drawn from the skin's four state pictures (normal, hover, pressed,
// disabled), with an optional caption drawn over the picture or under its glyph. `tag` carries the
// number a handler reads (a target or category number).

#include <QAbstractButton>

#include "skin/Skin.h"

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QString &pictureSet, QWidget *parent, const QString &objectName);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    void SetPictureSet(const QString &pictureSet);
    // Tiles draw their caption in the band from `top` down, under their glyph,
    // instead of centred over the whole face.
    void SetCaptionTop(int top) { captionTop_ = top; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    const QPixmap &PictureForState() const;

    skin::ButtonPictures pictures_;
    int tag_ = 0;
    int captionTop_ = 0;
};
