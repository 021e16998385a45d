#include "LabelInfo.h"

TLabelInfo::TLabelInfo(QWidget *row) : ElidingLabel(row)
{
    setGeometry(0, 0, row->width(), row->height());
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Its own sheet, over the window's: the condensed face is narrow enough for a row's
    // figures; plain DejaVu Sans stands in where it is missing.
    setStyleSheet(QStringLiteral("color: black; background: transparent;"
                                 " font-family: \"DejaVu Sans Condensed\", \"DejaVu Sans\"; font-size: 11px;"));
}
