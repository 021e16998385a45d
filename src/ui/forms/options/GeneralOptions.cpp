#include "forms/options/GeneralOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "ModalQuestions.h"
#include "ProgramOptions.h"
#include "controls/FormBuilding.h"
#include "controls/PictureButton.h"
#include "forms/options/OptionProfileAccess.h"

GeneralOptions::GeneralOptions(QWidget *form, ProgramOptions &programOptions)
    : QWidget(form), options_(programOptions)
{
    setObjectName(QStringLiteral("Panel3"));
    // The whole width under both editors: the notification choice sits under the music editor.
    setGeometry(0, 228, 960, 64);
    AddLabel(this, QStringLiteral("Label15"), QStringLiteral("Default Audio Language :"), QRect(16, 4, 160, 22));
    suiComboBox_AudLang = options::AddEditorCombo(this, QStringLiteral("suiComboBox_AudLang"), QRect(180, 4, 130, 22));
    suiComboBox_AudLang->addItems(AudioLanguageNames());
    AddLabel(this, QStringLiteral("Label_OutputFolder"), QStringLiteral("Output Folder :"), QRect(16, 34, 112, 22));
    suiEdit_OutputFolder = AddLineEdit(this, QStringLiteral("suiEdit_OutputFolder"), QString(), QRect(130, 34, 296, 22));
    suiEdit_OutputFolder->setReadOnly(true);
    suiImageButton_Browse = AddPictureButton(this, QStringLiteral("suiImageButton_Browse"), QStringLiteral("browse"),
                                             {434, 32}, QStringLiteral("Choose the output folder"));
    connect(suiImageButton_Browse, &PictureButton::clicked, this, &GeneralOptions::suiImageButton_BrowseClick);
    suiCheckBox_Notify = AddCheckBox(this, QStringLiteral("suiCheckBox_Notify"),
                                  QStringLiteral("Tell me when a conversion run ends (desktop notification)"),
                                  QRect(496, 4, 448, 22), true);
}

void GeneralOptions::LoadGeneralSettings()
{
    options_.LoadGeneral();
    suiComboBox_AudLang->setCurrentIndex(options_.defaultAudio);
    suiEdit_OutputFolder->setText(options_.outputFolder);
    suiCheckBox_Notify->setChecked(options_.notify);
}

void GeneralOptions::SaveGeneralSettings()
{
    options_.defaultAudio = suiComboBox_AudLang->currentIndex();
    options_.notify = suiCheckBox_Notify->isChecked();
    options_.SaveGeneral();
}

// A chosen folder is in effect and saved at once.
void GeneralOptions::suiImageButton_BrowseClick()
{
    const QString folder =
        platform::Questions().ChooseFolder(window(), QStringLiteral("Please select Output Folder:"), options_.outputFolder);
    if (folder.isEmpty())
        return;
    options_.outputFolder = folder;
    SaveGeneralSettings();
    suiEdit_OutputFolder->setText(options_.outputFolder);
}

void GeneralOptions::RememberShownSettings()
{
    shownFolder_ = options_.outputFolder;
    shownLanguage_ = suiComboBox_AudLang->currentIndex();
    shownNotify_ = suiCheckBox_Notify->isChecked();
    remembered_ = true;
}

void GeneralOptions::RestoreShownSettings()
{
    if (!remembered_ || (options_.outputFolder == shownFolder_ && suiComboBox_AudLang->currentIndex() == shownLanguage_
                         && suiCheckBox_Notify->isChecked() == shownNotify_))
        return;
    options_.outputFolder = shownFolder_;
    suiComboBox_AudLang->setCurrentIndex(shownLanguage_);
    suiCheckBox_Notify->setChecked(shownNotify_);
    SaveGeneralSettings();
    suiEdit_OutputFolder->setText(options_.outputFolder);
}
