#include "forms/DialogChrome.h"

#include <QWidget>

#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"

PictureButton *AddDialogChrome(QWidget *dialog, const QString &caption)
{
    AddLabel(dialog, QStringLiteral("Label_Caption"), caption, QRect(20, 12, dialog->width() - 80, 20),
             QStringLiteral("dialogTitle"));
    return AddPictureButton(dialog, QStringLiteral("suiImageButton_Close"), QStringLiteral("close"),
                            {dialog->width() - 38, 8}, QStringLiteral("Close"));
}
