#include "forms/DialogChrome.h"

#include <QWidget>

#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"

namespace {

constexpr int kHeaderButtonsWidth = 76;

} // namespace

PictureButton *AddDialogChrome(QWidget *dialog, const QString &caption)
{
    // The caption stops before the header's buttons (close, and minimise where there is one).
    AddLabel(dialog, QStringLiteral("Label_Caption"), caption, QRect(20, 12, dialog->width() - 20 - kHeaderButtonsWidth, 20),
             QStringLiteral("dialogTitle"));
    return AddPictureButton(dialog, QStringLiteral("suiImageButton_Close"), QStringLiteral("close"),
                            {dialog->width() - 38, 8}, QStringLiteral("Close"));
}
