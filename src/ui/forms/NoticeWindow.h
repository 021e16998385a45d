#pragma once

#include "controls/SkinnedForm.h"

// The notice window: created with the others and never shown.
class NoticeWindow : public SkinnedDialog {
    Q_OBJECT
public:
    explicit NoticeWindow(QWidget *parent = nullptr);
};
