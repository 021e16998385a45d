#include "RowPictures.h"

#include <QLabel>
#include <QPainter>

namespace {

QPixmap LeftHalf(const QPixmap &picture)
{
    return picture.copy(0, 0, picture.width() / 2, picture.height());
}

QPixmap RightHalf(const QPixmap &picture)
{
    return picture.copy(picture.width() / 2, 0, picture.width() - picture.width() / 2, picture.height());
}

QPixmap UpperHalf(const QPixmap &picture)
{
    return picture.copy(0, 0, picture.width(), picture.height() / 2);
}

QPixmap LowerHalf(const QPixmap &picture)
{
    return picture.copy(0, picture.height() / 2, picture.width(), picture.height() - picture.height() / 2);
}

QPixmap Filled(int width, int height, const QColor &colour)
{
    QPixmap picture(width, height);
    picture.fill(colour);
    return picture;
}

// Two 14 x 14 boxes side by side, the right one ticked.
QPixmap DrawnCheckMarks()
{
    QPixmap picture = Filled(28, 14, Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawRect(1, 1, 11, 11);
    painter.drawRect(15, 1, 11, 11);
    painter.setPen(QPen(QColor(0x20, 0x80, 0x20), 2));
    painter.drawPolyline(QPolygon({QPoint(17, 7), QPoint(20, 10), QPoint(25, 3)}));
    return picture;
}

// A connector running on below (upper half) and one ending (lower half).
QPixmap DrawnTreeLines()
{
    QPixmap picture(10, 36);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(4, 0, 4, 17);
    painter.drawLine(4, 9, 9, 9);
    painter.drawLine(4, 18, 4, 27);
    painter.drawLine(4, 27, 9, 27);
    return picture;
}

QPixmap PictureOnForm(const QWidget *form, const char *name, const QPixmap &fallback)
{
    const QLabel *label = form ? form->findChild<QLabel *>(QLatin1String(name)) : nullptr;
    if (!label || label->pixmap().isNull())
        return fallback;
    return label->pixmap();
}

} // namespace

RowPictures RowPictures::Drawn()
{
    return FromForm(nullptr);
}

RowPictures RowPictures::FromForm(const QWidget *form)
{
    return FromImages(PictureOnForm(form, "table_bk1", Filled(540, 18, QColor(0xF4, 0xF4, 0xF4))),
                      PictureOnForm(form, "table_bk2", Filled(540, 18, QColor(0xE4, 0xE8, 0xEC))),
                      PictureOnForm(form, "table_bk3", Filled(540, 18, QColor(0xB8, 0xD4, 0xF0))),
                      PictureOnForm(form, "Image_Chk", DrawnCheckMarks()),
                      PictureOnForm(form, "Image_line", DrawnTreeLines()));
}

RowPictures RowPictures::FromImages(const QPixmap &tableOdd, const QPixmap &tableEven, const QPixmap &tableHighlight,
                                      const QPixmap &checkMarks, const QPixmap &treeLines, const QCursor &cursor)
{
    RowPictures pictures;
    pictures.stripeOdd = tableOdd;
    pictures.stripeEven = tableEven;
    pictures.highlight = tableHighlight;
    pictures.clipUnchecked = pictures.audioUnchecked = LeftHalf(checkMarks);
    pictures.clipChecked = pictures.audioChecked = RightHalf(checkMarks);
    pictures.treeMiddle = UpperHalf(treeLines);
    pictures.treeLast = LowerHalf(treeLines);
    pictures.cursor = cursor;
    return pictures;
}
