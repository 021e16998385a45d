#pragma once
// The controls and handlers of the frame-rate dialog TFPSSelecteForm: the file's
// path, the two rates as radio buttons, "calculate for me" and OK. The skinned
// form hosts this content; FpsDialogQuestion asks through it.

#include "FrameRateChoice.h"

#include <QWidget>

class QCheckBox;
class QDialog;
class QLabel;
class QPushButton;
class QRadioButton;

class FpsSelecteContent : public QWidget {
    Q_OBJECT
public:
    // Fills `form` (425 x 236) with the controls at their places.
    explicit FpsSelecteContent(QWidget *form);

    // Sets the texts and states for one question (steps before showing).
    void Prepare(const QString &fileName, float rateA, float rateB);
    FrameRateAnswer Answer() const;

    QLabel *labMessage = nullptr;
    QRadioButton *rbtnFPS1 = nullptr;
    QRadioButton *rbtnFPS2 = nullptr;
    QCheckBox *cbCalculate = nullptr;
    QPushButton *btnOk = nullptr;

private:
    void rbtnFPSClick();
    void cbCalculateClick();
};

// Asks the question in a modal dialog through the modal-question seam.
class FpsDialogQuestion : public FrameRateQuestion {
public:
    FpsDialogQuestion(QDialog &form, FpsSelecteContent &content) : form_(form), content_(content) {}
    FrameRateAnswer Ask(const QString &fileName, float rateA, float rateB) override;

private:
    QDialog &form_;
    FpsSelecteContent &content_;
};
