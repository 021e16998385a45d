#include "RowPictures.h"

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

} // namespace

TRowPictures TRowPictures::FromImages(const QPixmap &tableOdd, const QPixmap &tableEven, const QPixmap &tableHighlight,
                                      const QPixmap &checkMarks, const QPixmap &treeLines, const QCursor &cursor)
{
    TRowPictures pictures;
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
