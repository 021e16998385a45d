#include "forms/TFPSSelecteForm.h"

#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"
#include "forms/DialogChrome.h"
#include "skin/Skin.h"

TFPSSelecteForm::TFPSSelecteForm(QWidget *parent)
    : SkinnedDialog(QStringLiteral("FPS"), WindowDragger::Mode::FollowCursor, parent)
{
    setObjectName(QStringLiteral("FPSSelecteForm"));
    setStyleSheet(skin::StyleSheet());
    connect(AddDialogChrome(this, QStringLiteral("Frame Rate")), &PictureButton::clicked, this, &QDialog::reject);
    AddLabel(this, QStringLiteral("Label1"), QStringLiteral("Please choose the original FPS for this video clip. "),
             QRect(92, 72, 320, 20));
}
