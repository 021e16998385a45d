#include "LabelInfo.h"

TLabelInfo::TLabelInfo(QWidget *row) : QLabel(row)
{
    setGeometry(0, 0, row->width(), row->height());
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral("color: black; background: transparent;"));
}
