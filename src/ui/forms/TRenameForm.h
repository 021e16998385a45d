#pragma once
// The output-name template dialog. Its content reads the naming options into
// the naming globals at creation and writes them back at destruction.

#include "controls/SkinnedForm.h"

class TRenameForm : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TRenameForm(QWidget *parent = nullptr);
    ~TRenameForm() override;
};
