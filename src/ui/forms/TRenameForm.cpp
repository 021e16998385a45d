#include "forms/TRenameForm.h"

#include "RenameFormContent.h"
#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"
#include "forms/DialogChrome.h"
#include "skin/Skin.h"

TRenameForm::TRenameForm(ProgramOptions &options, QWidget *parent)
    : SkinnedDialog(QStringLiteral("RENAME"), WindowDragger::Mode::SystemMove, parent)
{
    setObjectName(QStringLiteral("RenameForm"));
    setStyleSheet(skin::StyleSheet());
    AddDialogChrome(this, QStringLiteral("Output Name"));   // the content wires Close
    AddPictureButton(this, QStringLiteral("suiImageButton_OK"), QStringLiteral("caption"), {250, 308})->setText(QStringLiteral("OK"));
    AddPictureButton(this, QStringLiteral("suiImageButton_Cancel"), QStringLiteral("caption"), {352, 308})->setText(QStringLiteral("Cancel"));
    // Writes the naming settings back when the form goes.
    new naming::RenameFormContent(this, options);
}

TRenameForm::~TRenameForm() = default;
