#pragma once
// The output-name template dialog. Its content shows the naming settings of the
// program's options, edits them and writes them to Option.ini at destruction.

#include "controls/SkinnedForm.h"

class ProgramOptions;

class TRenameForm : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TRenameForm(ProgramOptions &options, QWidget *parent = nullptr);
    ~TRenameForm() override;
};
