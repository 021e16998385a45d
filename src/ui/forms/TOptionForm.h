#pragma once
// The options dialog. It loads the general options when it is created and each
// time it is shown, and saves them for the main window (close, folder choice).
// The profile editors are added by the options dialog's own work.

#include "controls/SkinnedForm.h"

class QComboBox;
class QLineEdit;

class TOptionForm : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TOptionForm(QWidget *parent = nullptr);

    void LoadGeneralSettings();
    void SaveGeneralSettings();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QComboBox *audioLanguages_;   // suiComboBox_AudLang
    QLineEdit *outputFolder_;     // suiEdit_OutputFolder
};
