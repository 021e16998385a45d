#include "FpsSelecteContent.h"

#include "ElidingLabel.h"
#include "FrameRateText.h"
#include "ModalQuestions.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename Control>
Control *Placed(QWidget *form, const char *name, const QString &text, int left, int top)
{
    auto *control = new Control(text, form);
    control->setObjectName(QLatin1String(name));
    control->move(left, top);
    control->adjustSize();
    control->setFont(QFont(QStringLiteral("Tahoma"), 8));
    return control;
}

} // namespace

FpsSelecteContent::FpsSelecteContent(QWidget *form) : QWidget(form)
{
    setObjectName(QStringLiteral("FpsSelecteContent"));
    setGeometry(0, 0, 0, 0);   // the controls belong to the form itself
    if (!form->findChild<QLabel *>(QStringLiteral("Label1")))
        Placed<QLabel>(form, "Label1", QStringLiteral("Please choose the original FPS for this video clip. "), 92, 72);
    auto *path = Placed<ElidingLabel>(form, "labMessage", QString(), 10, 96);
    path->SetElideMode(Qt::ElideMiddle);   // a long path keeps its file name in sight
    labMessage = path;
    labMessage->setFixedSize(402, 17);
    labMessage->setAlignment(Qt::AlignCenter);
    rbtnFPS1 = Placed<QRadioButton>(form, "rbtnFPS1", QString(), 112, 123);
    rbtnFPS2 = Placed<QRadioButton>(form, "rbtnFPS2", QString(), 248, 123);
    cbCalculate = Placed<QCheckBox>(form, "cbCalculate",
                                    QStringLiteral(" I'm not sure which one to choose. Please calculate for me. "), 59, 153);
    btnOk = Placed<QPushButton>(form, "btnOk", QStringLiteral("OK"), 296, 184);
    btnOk->setEnabled(false);
    connect(rbtnFPS1, &QRadioButton::clicked, this, &FpsSelecteContent::rbtnFPSClick);
    connect(rbtnFPS2, &QRadioButton::clicked, this, &FpsSelecteContent::rbtnFPSClick);
    connect(cbCalculate, &QCheckBox::clicked, this, &FpsSelecteContent::cbCalculateClick);
    connect(btnOk, &QPushButton::clicked, form, [form] { form->close(); });
}

void FpsSelecteContent::Prepare(const QString &fileName, float rateA, float rateB)
{
    labMessage->setText(fileName);
    rbtnFPS1->setText(FrameRateText(rateA));
    rbtnFPS2->setText(FrameRateText(rateB));
    rbtnFPS1->adjustSize();
    rbtnFPS2->adjustSize();
    // An exclusive group refuses to uncheck its checked button.
    for (QRadioButton *button : {rbtnFPS1, rbtnFPS2}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
    }
    rbtnFPS1->setAutoExclusive(true);
    rbtnFPS2->setAutoExclusive(true);
    if (cbCalculate->isChecked()) {
        cbCalculate->setChecked(false);
        cbCalculateClick();
    }
}

FrameRateAnswer FpsSelecteContent::Answer() const
{
    return {cbCalculate->isChecked(), rbtnFPS1->isChecked()};
}

void FpsSelecteContent::rbtnFPSClick()
{
    btnOk->setEnabled(true);
}

void FpsSelecteContent::cbCalculateClick()
{
    const bool calculate = cbCalculate->isChecked();
    rbtnFPS1->setEnabled(!calculate);
    rbtnFPS2->setEnabled(!calculate);
    if (calculate)
        btnOk->setEnabled(true);
    else if (!rbtnFPS1->isChecked() && !rbtnFPS2->isChecked())
        btnOk->setEnabled(false);
}

// The answer is read from the controls however the dialog was closed.
FrameRateAnswer FpsDialogQuestion::Ask(const QString &fileName, float rateA, float rateB)
{
    content_.Prepare(fileName, rateA, rateB);
    platform::Questions().Exec(form_);
    return content_.Answer();
}
