#pragma once
// A panel that paints a skin picture as its background, stretched to its size
// (the skinned image panel of the rows, bars and list areas).

#include <QPixmap>
#include <QWidget>

class ImagePanel : public QWidget {
    Q_OBJECT
public:
    ImagePanel(QWidget *parent, const QString &objectName, const QPixmap &picture = {});

    void SetPicture(const QPixmap &picture);
    const QPixmap &Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};
