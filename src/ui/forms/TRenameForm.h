#pragma once
// The output-name template dialog. Its creation reads the naming options into
// the naming globals; its destruction writes them back. The template editing is
// added by the naming work.

#include "controls/SkinnedForm.h"

class TRenameForm : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TRenameForm(QWidget *parent = nullptr);
    ~TRenameForm() override;
};
