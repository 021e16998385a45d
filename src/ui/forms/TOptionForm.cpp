#include "forms/TOptionForm.h"

#include <QComboBox>
#include <QLineEdit>

#include "OptionVariables.h"
#include "OptionsFile.h"
#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"
#include "forms/DialogChrome.h"
#include "skin/Skin.h"

TOptionForm::TOptionForm(QWidget *parent) : SkinnedDialog(QStringLiteral("OPTION"), WindowDragger::Mode::FollowCursor, parent)
{
    setObjectName(QStringLiteral("OptionForm"));
    setStyleSheet(skin::StyleSheet());
    connect(AddDialogChrome(this, QStringLiteral("Options")), &PictureButton::clicked, this, &QDialog::reject);
    AddLabel(this, QStringLiteral("Label_AudLang"), QStringLiteral("Default Audio Language :"), QRect(24, 70, 170, 22));
    audioLanguages_ = new QComboBox(this);
    audioLanguages_->setObjectName(QStringLiteral("suiComboBox_AudLang"));
    audioLanguages_->setGeometry(200, 70, 160, 22);
    audioLanguages_->addItems(AudioLanguageNames());
    AddLabel(this, QStringLiteral("Label_OutputFolder"), QStringLiteral("Output Folder :"), QRect(24, 104, 170, 22));
    outputFolder_ = new QLineEdit(this);
    outputFolder_->setObjectName(QStringLiteral("suiEdit_OutputFolder"));
    outputFolder_->setGeometry(24, 130, 432, 24);
    outputFolder_->setReadOnly(true);
    auto *ok = AddPictureButton(this, QStringLiteral("suiImageButton_OK"), QStringLiteral("caption"), {360, 316});
    ok->setText(QStringLiteral("OK"));
    connect(ok, &PictureButton::clicked, this, [this] {
        SaveGeneralSettings();
        accept();
    });
    LoadGeneralSettings();
}

void TOptionForm::LoadGeneralSettings()
{
    audioLanguages_->setCurrentIndex(ReadGeneralOptions());
    outputFolder_->setText(g_s_OutputFolder);
}

void TOptionForm::SaveGeneralSettings()
{
    WriteGeneralOptions(audioLanguages_->currentIndex());
}

void TOptionForm::showEvent(QShowEvent *event)
{
    LoadGeneralSettings();
    SkinnedDialog::showEvent(event);
}
