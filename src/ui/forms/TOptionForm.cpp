#include "forms/TOptionForm.h"

#include <QShowEvent>

#include "controls/FieldColours.h"
#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"
#include "forms/DialogChrome.h"
#include "forms/options/GeneralOptions.h"
#include "forms/options/MusicProfileEditor.h"
#include "forms/options/VideoProfileEditor.h"
#include "skin/Skin.h"

TOptionForm::TOptionForm(ProgramOptions &options, QWidget *parent)
    : SkinnedDialog(QStringLiteral("OPTION"), WindowDragger::Mode::FollowCursor, parent),
      videoEditor_(new VideoProfileEditor(this, options)),
      musicEditor_(new MusicProfileEditor(this, options)),
      generalGroup_(new GeneralOptions(this, options))
{
    setObjectName(QStringLiteral("OptionForm"));
    setStyleSheet(skin::StyleSheet());
    FormCreate();
}

void TOptionForm::FormCreate()
{
    connect(AddDialogChrome(this, QStringLiteral("Options")), &PictureButton::clicked, this, &QDialog::reject);
    BuildButtons();
    // The panels show the background picture, so they move the window as it does.
    Dragger()->AddHandle(videoEditor_);
    Dragger()->AddHandle(musicEditor_);
    Dragger()->AddHandle(generalGroup_);
    const auto noteChange = [this] { changed_ = true; };
    connect(videoEditor_, &VideoProfileEditor::ProfilesChanged, this, noteChange);
    connect(musicEditor_, &MusicProfileEditor::ProfilesChanged, this, noteChange);
    FieldColours::Follow(this);
    LoadGeneralSettings();
}

void TOptionForm::BuildButtons()
{
    auto *ok = AddPictureButton(this, QStringLiteral("suiImageButton_OK"), QStringLiteral("caption"), {748, 312});
    ok->setText(QStringLiteral("OK"));
    connect(ok, &PictureButton::clicked, this, &TOptionForm::suiImageButton_OKClick);
    auto *cancel = AddPictureButton(this, QStringLiteral("suiImageButton_Cancel"), QStringLiteral("caption"), {850, 312});
    cancel->setText(QStringLiteral("Cancel"));
    connect(cancel, &PictureButton::clicked, this, &QDialog::reject);
}

void TOptionForm::LoadGeneralSettings()
{
    generalGroup_->LoadGeneralSettings();
}

void TOptionForm::SaveGeneralSettings()
{
    generalGroup_->SaveGeneralSettings();
}

void TOptionForm::FormShow()
{
    changed_ = false;
    LoadGeneralSettings();
    generalGroup_->RememberShownSettings();
    videoEditor_->SelectFirstType();
    musicEditor_->BuildProfileList();
}

void TOptionForm::suiImageButton_OKClick()
{
    changed_ = true;
    SaveGeneralSettings();
    accept();
}

void TOptionForm::reject()
{
    generalGroup_->RestoreShownSettings();
    SkinnedDialog::reject();
}

void TOptionForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    SkinnedDialog::showEvent(event);
}
