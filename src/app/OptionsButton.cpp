#include "OptionsButton.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "ModalQuestions.h"
#include "OptionVariables.h"
#include "TargetCatalogue.h"
#include "forms/ProgramWindows.h"

void AttachOptionsButton(ProgramWindows &windows)
{
    TMainForm *mainForm = windows.MainForm.get();
    TOptionForm *optionForm = windows.OptionForm.get();
    auto *button = mainForm->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Option"));
    auto *outputFolder = mainForm->findChild<QLineEdit *>(QStringLiteral("suiEdit_OutputFolder"));
    QObject::connect(button, &QAbstractButton::clicked, mainForm, [mainForm, optionForm, outputFolder] {
        platform::questions().exec(*optionForm);
        if (!optionForm->changed())
            return;
        outputFolder->setText(g_s_OutputFolder + targets::TargetFolder(mainForm->CurTargetType));
        mainForm->SelectTarget(mainForm->CurTargetType);
    });
}
