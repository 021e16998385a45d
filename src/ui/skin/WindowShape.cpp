#include "skin/WindowShape.h"

#include <QVector>

namespace skin {
namespace {

class KeyedPicture {
public:
    KeyedPicture(const QImage &picture, QRgb key)
        : image_(picture.convertToFormat(QImage::Format_RGB32)),
          key_(key == 0 && !image_.isNull() ? RgbAt(0, 0) : (key & 0xFFFFFF)) {}

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool IsKey(int x, int y) const { return RgbAt(x, y) == key_; }

    int RunFromLeft(int y) const
    {
        int x = 0;
        while (x < Width() && IsKey(x, y))
            ++x;
        return x;
    }

    int RunFromRight(int y) const
    {
        int x = Width();
        while (x > 0 && IsKey(x - 1, y))
            --x;
        return Width() - x;
    }

private:
    QRgb RgbAt(int x, int y) const { return image_.pixel(x, y) & 0xFFFFFF; }
    QImage image_;
    QRgb key_;
};

// Rows swept from the top and from the bottom while the edge pixel is key-coloured.
QVector<bool> SweptRows(const KeyedPicture &picture, int edgeX)
{
    QVector<bool> rows(picture.Height(), false);
    for (int y = 0; y < picture.Height() && picture.IsKey(edgeX, y); ++y)
        rows[y] = true;
    for (int y = picture.Height() - 1; y >= 0 && picture.IsKey(edgeX, y); --y)
        rows[y] = true;
    return rows;
}

} // namespace

QRegion TransparentCorners(const QImage &picture, QRgb key)
{
    if (picture.isNull())
        return {};
    const KeyedPicture keyed(picture, key);
    const QVector<bool> leftRows = SweptRows(keyed, 0);
    const QVector<bool> rightRows = SweptRows(keyed, keyed.Width() - 1);
    QVector<QRect> rects;   // y-x sorted, not touching: the form setRects() needs
    for (int y = 0; y < keyed.Height(); ++y) {
        const int left = leftRows[y] ? keyed.RunFromLeft(y) : 0;
        const int right = rightRows[y] ? keyed.RunFromRight(y) : 0;
        if (left + right >= keyed.Width()) {
            rects.append(QRect(0, y, keyed.Width(), 1));
            continue;
        }
        if (left > 0)
            rects.append(QRect(0, y, left, 1));
        if (right > 0)
            rects.append(QRect(keyed.Width() - right, y, right, 1));
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

QRegion WindowShapeFromPicture(const QImage &picture, QRgb key)
{
    return QRegion(picture.rect()).subtracted(TransparentCorners(picture, key));
}

} // namespace skin
