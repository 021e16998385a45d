#include "forms/TProcessForm.h"

#include <QCheckBox>

#include "OptionsFile.h"
#include "controls/PictureButton.h"
#include "forms/DialogChrome.h"
#include "skin/Skin.h"

TProcessForm::TProcessForm(QWidget *parent) : SkinnedDialog(QStringLiteral("PROCESS"), WindowDragger::Mode::FollowCursor, parent)
{
    setObjectName(QStringLiteral("ProcessForm"));
    setStyleSheet(skin::StyleSheet());
    connect(AddDialogChrome(this, QStringLiteral("Converting")), &PictureButton::clicked, this, &QDialog::reject);
    const CompletionOptions options = ReadCompletionOptions();
    powerOff_ = addChoice("suiCheckBox_PowerOff", QStringLiteral("Shut down computer when conversion completed"), 236,
                          options.powerOff);
    upload_ = addChoice("suiCheckBox_Upload", QStringLiteral("Upload files when conversion completed"), 262, options.upload);
    openFolder_ = addChoice("suiCheckBox_OpenFolder", QStringLiteral("Open output folder when conversion completed"), 262,
                            options.openFolder);
    upload_->hide();
}

TProcessForm::~TProcessForm()
{
    WriteCompletionOptions({powerOff_->isChecked(), openFolder_->isChecked(), upload_->isChecked()});
}

QCheckBox *TProcessForm::addChoice(const char *name, const QString &text, int top, bool checked)
{
    auto *check = new QCheckBox(text, this);
    check->setObjectName(QLatin1String(name));
    check->setGeometry(24, top, 400, 22);
    check->setChecked(checked);
    return check;
}
