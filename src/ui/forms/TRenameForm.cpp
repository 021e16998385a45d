#include "forms/TRenameForm.h"

#include <QLineEdit>

#include "OptionVariables.h"
#include "OptionsFile.h"
#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"
#include "forms/DialogChrome.h"
#include "skin/Skin.h"

TRenameForm::TRenameForm(QWidget *parent) : SkinnedDialog(QStringLiteral("RENAME"), WindowDragger::Mode::SystemMove, parent)
{
    setObjectName(QStringLiteral("RenameForm"));
    setStyleSheet(skin::StyleSheet());
    connect(AddDialogChrome(this, QStringLiteral("Output Name")), &PictureButton::clicked, this, &QDialog::reject);
    ReadRenameOptions();
    AddLabel(this, QStringLiteral("Label_TemplateCaption"), QStringLiteral("Template :"), QRect(24, 66, 90, 22));
    auto *edit = new QLineEdit(g_Rename_Template, this);
    edit->setObjectName(QStringLiteral("suiEdit_Template"));
    edit->setGeometry(116, 66, 320, 22);
}

TRenameForm::~TRenameForm()
{
    WriteRenameOptions();
}
