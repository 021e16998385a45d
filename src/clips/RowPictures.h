#pragma once
// The pictures every clip-list row is drawn with, made once by the main window
// from its images: the three row backgrounds, the two halves of the check mark
// picture and the two halves of the tree connector.

#include <QCursor>
#include <QPixmap>

class QWidget;

struct RowPictures {
    QPixmap stripeOdd;        // table_bk1: odd clip numbers
    QPixmap stripeEven;       // table_bk2: even clip numbers
    QPixmap highlight;        // table_bk3: the selected clip
    QPixmap clipUnchecked, clipChecked;
    QPixmap audioUnchecked, audioChecked;
    QPixmap treeMiddle, treeLast;
    QCursor cursor;           // "Press.cur"

    // checkMarks: 28 x 14, unticked left half, ticked right half.
    // treeLines: 10 x 36, middle connector upper half, last connector lower half.
    static RowPictures FromImages(const QPixmap &tableOdd, const QPixmap &tableEven, const QPixmap &tableHighlight,
                                   const QPixmap &checkMarks, const QPixmap &treeLines,
                                   const QCursor &cursor = QCursor(Qt::PointingHandCursor));
    // From the main window's hidden pictures "table_bk1", "table_bk2", "table_bk3",
    // "Image_Chk" and "Image_line" (labels found by name); plain drawn pictures
    // stand in for any that is missing.
    static RowPictures FromForm(const QWidget *form);
    static RowPictures Drawn();
};
