#pragma once
// The conversion progress window: its labels, progress bar, buttons and the three
// completion choices, shown from the program's options when it is created and
// written back to them when it is destroyed.
// The run that drives it is attached from outside; closing asks its guard first.

#include "controls/SkinnedForm.h"

#include <functional>

class ProgramOptions;
class QCheckBox;
class QLabel;

class TProcessForm : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TProcessForm(ProgramOptions &options, QWidget *parent = nullptr);
    ~TProcessForm() override;

    // Asked before the window closes; false keeps it open. `explain` is true for the
    // close button (the guard tells the user why), false for other closes.
    void SetCloseGuard(std::function<bool(bool explain)> guard) { closeGuard_ = std::move(guard); }

    void reject() override;

signals:
    void UploadNowClicked();   // the enabled "Upload Now" link was clicked

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QCheckBox *AddChoice(const char *name, const QString &text, int top, bool checked);
    void AddRunLabels();
    void AddValueLabel(const char *name, const QRect &geometry);
    void AddProgressBar();
    void AddButtons();
    bool MayClose(bool explain) const;

    ProgramOptions &options_;
    QCheckBox *powerOff_;
    QCheckBox *openFolder_;
    QCheckBox *upload_;
    QLabel *uploadNow_;
    std::function<bool(bool explain)> closeGuard_;
};
