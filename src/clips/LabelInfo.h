#pragma once
// One text of a clip-list row. Transparent to the mouse, so that a click on the
// text is a click on its row.

#include <QLabel>

class TLabelInfo : public QLabel {
    Q_OBJECT
public:
    explicit TLabelInfo(QWidget *row);
};
