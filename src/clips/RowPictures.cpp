#include "RowPictures.h"

#include <QLabel>
#include <QPainter>

namespace {

QPixmap leftHalf(const QPixmap &picture)
{
    return picture.copy(0, 0, picture.width() / 2, picture.height());
}

QPixmap rightHalf(const QPixmap &picture)
{
    return picture.copy(picture.width() / 2, 0, picture.width() - picture.width() / 2, picture.height());
}

QPixmap upperHalf(const QPixmap &picture)
{
    return picture.copy(0, 0, picture.width(), picture.height() / 2);
}

QPixmap lowerHalf(const QPixmap &picture)
{
    return picture.copy(0, picture.height() / 2, picture.width(), picture.height() - picture.height() / 2);
}

QPixmap filled(int width, int height, const QColor &colour)
{
    QPixmap picture(width, height);
    picture.fill(colour);
    return picture;
}

// Two 14 x 14 boxes side by side, the right one ticked.
QPixmap drawnCheckMarks()
{
    QPixmap picture = filled(28, 14, Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawRect(1, 1, 11, 11);
    painter.drawRect(15, 1, 11, 11);
    painter.setPen(QPen(QColor(0x20, 0x80, 0x20), 2));
    painter.drawPolyline(QPolygon({QPoint(17, 7), QPoint(20, 10), QPoint(25, 3)}));
    return picture;
}

// A connector running on below (upper half) and one ending (lower half).
QPixmap drawnTreeLines()
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

QPixmap pictureOnForm(const QWidget *form, const char *name, const QPixmap &fallback)
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
    return FromImages(pictureOnForm(form, "table_bk1", filled(540, 18, QColor(0xF4, 0xF4, 0xF4))),
                      pictureOnForm(form, "table_bk2", filled(540, 18, QColor(0xE4, 0xE8, 0xEC))),
                      pictureOnForm(form, "table_bk3", filled(540, 18, QColor(0xB8, 0xD4, 0xF0))),
                      pictureOnForm(form, "Image_Chk", drawnCheckMarks()),
                      pictureOnForm(form, "Image_line", drawnTreeLines()));
}

RowPictures RowPictures::FromImages(const QPixmap &tableOdd, const QPixmap &tableEven, const QPixmap &tableHighlight,
                                      const QPixmap &checkMarks, const QPixmap &treeLines, const QCursor &cursor)
{
    RowPictures pictures;
    pictures.stripeOdd = tableOdd;
    pictures.stripeEven = tableEven;
    pictures.highlight = tableHighlight;
    pictures.clipUnchecked = pictures.audioUnchecked = leftHalf(checkMarks);
    pictures.clipChecked = pictures.audioChecked = rightHalf(checkMarks);
    pictures.treeMiddle = upperHalf(treeLines);
    pictures.treeLast = lowerHalf(treeLines);
    pictures.cursor = cursor;
    return pictures;
}
