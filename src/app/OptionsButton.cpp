#include "OptionsButton.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "ModalQuestions.h"
#include "TargetCatalogue.h"
#include "forms/ProgramWindows.h"

void AttachOptionsButton(ProgramWindows &windows)
{
    TMainForm *mainForm = windows.MainForm.get();
    TOptionForm *optionForm = windows.OptionForm.get();
    const ProgramOptions &options = windows.Options;
    auto *button = mainForm->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Option"));
    auto *outputFolder = mainForm->findChild<QLineEdit *>(QStringLiteral("suiEdit_OutputFolder"));
    QObject::connect(button, &QAbstractButton::clicked, mainForm, [mainForm, optionForm, outputFolder, &options] {
        platform::Questions().Exec(*optionForm);
        if (!optionForm->Changed())
            return;
        outputFolder->setText(options.outputFolder + targets::TargetFolder(mainForm->CurTargetType));
        mainForm->SelectTarget(mainForm->CurTargetType);
    });
}
