#pragma once
// The frame-rate choice dialog, created hidden at start-up and reused for every
// question; its choice logic is added by the clip work.

#include "controls/SkinnedForm.h"

class TFPSSelecteForm : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TFPSSelecteForm(QWidget *parent = nullptr);
};
