#pragma once
// The conversion progress window. It holds the three completion choices, read
// when it is created and written back when it is destroyed; the run itself is
// added by the conversion work.

#include "controls/SkinnedForm.h"

class QCheckBox;

class TProcessForm : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TProcessForm(QWidget *parent = nullptr);
    ~TProcessForm() override;

private:
    QCheckBox *addChoice(const char *name, const QString &text, int top, bool checked);

    QCheckBox *powerOff_;
    QCheckBox *openFolder_;
    QCheckBox *upload_;
};
