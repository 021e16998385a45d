#pragma once
// One text of a clip-list row. Transparent to the mouse, so that a click on the
// text is a click on its row; cut with "…" when wider than its column (the row
// shows it whole in a tool tip).

#include "ElidingLabel.h"

class TLabelInfo : public ElidingLabel {
    Q_OBJECT
public:
    explicit TLabelInfo(QWidget *row);
};
