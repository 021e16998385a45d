// The options dialog offscreen over a small definition file and profile file, with the
// modal questions answered by the script.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>

#include "IniFile.h"
#include "LibraryLoader.h"
#include "ProgramOptions.h"
#include "ProfileEntryTexts.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "controls/PictureButton.h"
#include "forms/TOptionForm.h"

namespace {

// Type 0 (AVI) has two formats, whose lists live in their sub-sections only; type 1 (MP4)
// has one format, with its lists in the type's own section.
const char *const Definitions = R"(
[Ostrel-AVI]
ProfileName=AVI-Profile
OutputFormatCount=2
OutputFormatText0=avi
OutputFormatText1=divx
OutputFormatDefault=0
VideoFrameRateCount=1
VideoFrameRateText0=not:read
[Ostrel-AVI-avi]
VideoCodecCount=2
VideoCodecText0=mpeg4
VideoCodecText1=xvid
VideoCodecDefault=0
VideoResolutionCount=2
VideoResolutionText0=320:240
VideoResolutionText1=640:480
VideoFrameRateCount=2
VideoFrameRateText0=25
VideoFrameRateText1=29.97
VideoBitRateMin=100
VideoBitRateMax=3000
VideoBitRateDefault=800
AudioBitrateCount=2
AudioBitrateText0=128
AudioBitrateText1=192
AudioSampleRateCount=2
AudioSampleRateText0=44100
AudioSampleRateText1=48000
AudioVolumeMin=0
AudioVolumeMax=9
[Ostrel-AVI-divx]
VideoCodecText=divx
VideoResolutionCount=1
VideoResolutionText0=720:480
VideoFrameRateCount=1
VideoFrameRateText0=23.976
VideoBitRateMin=100
VideoBitRateMax=2000
VideoBitRateDefault=900
AudioBitrateCount=1
AudioBitrateText0=96
AudioSampleRateCount=1
AudioSampleRateText0=32000
[Ostrel-MP4]
ProfileName=MP4-Profile
OutputFormatCount=1
OutputFormatText0=mp4
OutputFormatDefault=0
VideoCodecText=h264
VideoResolutionCount=2
VideoResolutionText0=320:240
VideoResolutionText1=480:360
VideoFrameRateCount=1
VideoFrameRateText0=Auto
VideoBitRateMin=100
VideoBitRateMax=1600
VideoBitRateDefault=600
AudioBitrateCount=2
AudioBitrateText0=64
AudioBitrateText1=128
AudioSampleRateCount=1
AudioSampleRateText0=44100
[Ostrel-MP4-mp4]
VideoResolutionCount=1
VideoResolutionText0=not:read
[Ostrel-AAC]
AudioBitrateCount=1
AudioBitrateText0=96
AudioSampleRateCount=1
AudioSampleRateText0=44100
[Ostrel-MP3]
AudioBitrateCount=3
AudioBitrateText0=128
AudioBitrateText1=192
AudioBitrateText2=256
AudioSampleRateCount=2
AudioSampleRateText0=44100
AudioSampleRateText1=48000
)";

const char *const Profiles = R"([AVI-Profile]
ProfileCount=3
ProfileDefault=0
ProfileText0=Standard
Standard=1,0,0,0,900,0,0,0,1,0
ProfileText1=Draft
ProfileText2=Mine
Mine=0,0,1,1,1500,1,1,3,0,1
[MP4-Profile]
ProfileCount=1
ProfileText0=Small
Small=0,0,1,0,600,1,0,0,0,0
[MP3-Profile]
ProfileCount=1
ProfileText0=Loud
Loud=0,0,0,0,0,2,1,0,0,0
[AAC-Profile]
ProfileCount=1
ProfileText0=Tiny
Tiny=0,0,0,0,0,0,0,0,0,0
)";

QStringList Items(const QComboBox *combo)
{
    QStringList items;
    for (int index = 0; index < combo->count(); ++index)
        items.append(combo->itemText(index));
    return items;
}

class OptionFormTest : public ::testing::Test {
protected:
    OptionFormTest()
    {
        sandbox.WriteProgramFile("PfDef.dll", Definitions);
        sandbox.WriteProgramFile("PfSetting.ini", Profiles);
        platform::SetProgramFolderForTesting(sandbox.ProgramFolder());
    }
    ~OptionFormTest() override { platform::SetProgramFolderForTesting({}); }

    // The dialog as a modal showing starts it.
    TOptionForm &Shown()
    {
        if (!form)
            form = std::make_unique<TOptionForm>(options);
        form->show();
        QApplication::processEvents();
        return *form;
    }
    template <typename Widget = QComboBox>
    Widget *Control(const char *name)
    {
        auto *found = form->findChild<Widget *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The user picks item `index` of a list.
    void Choose(const char *listName, int index)
    {
        QComboBox *list = Control(listName);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    void Click(const char *buttonName) { Control<PictureButton>(buttonName)->click(); }
    void TypeName(const char *fieldName, const QString &name) { Control<QLineEdit>(fieldName)->setText(name); }
    QString ProfileFile() const { return options.ProfileSettingsFilePath(); }
    // What another reader of Option.ini finds there.
    ProgramOptions Stored() const { return ProgramOptions::Load(sandbox.ProgramFolder(), sandbox.ProgramFolder()); }

    // Every list's items, selection and enabled state and the bitrate, to see that nothing moved.
    QString EditorState()
    {
        QString state;
        for (auto *list : form->findChildren<QComboBox *>()) {
            if (list->objectName() == "suiComboBox_Profile")
                continue;
            state += list->objectName() + Items(list).join('|') + QString::number(list->currentIndex())
                + (list->isEnabled() ? "+" : "-") + "\n";
        }
        return state + QString::number(Control<QSpinBox>("suiSpinEdit_VideoBitRate")->value());
    }

    SettingsSandbox sandbox;
    ScriptedQuestions questions;
    ProgramOptions options{sandbox.ProgramFolder(), sandbox.ProgramFolder(), ProgramOptions::Access::Writable};
    std::unique_ptr<TOptionForm> form;
};

TEST_F(OptionFormTest, CreationFillsTheTypesAndTheLanguagesAndTheMusicListsOfTheFirstAudioType)
{
    form = std::make_unique<TOptionForm>(options);
    EXPECT_EQ(Control("suiComboBox_Type")->count(), 36);
    EXPECT_EQ(Control("suiComboBox_Type")->itemText(35), "Android");
    EXPECT_EQ(Items(Control("suiComboBox_AudioFormat")), (QStringList{"AAC", "AC3", "M4A", "MP3", "OGG", "WMA", "WAV"}));
    EXPECT_EQ(Items(Control("suiComboBox_AudioBitRate_Music")), QStringList{"96"});
    EXPECT_EQ(Control("suiComboBox_AudLang")->count(), 12);
    EXPECT_EQ(Control("suiComboBox_AudLang")->currentText(), "English");
    EXPECT_EQ(form->size(), QSize(960, 360));
    // The music editor stands beside the video editor, inside the window.
    EXPECT_TRUE(form->rect().contains(Control<QWidget>("Panel2")->geometry()));
    EXPECT_FALSE(Control<QWidget>("Panel2")->geometry().intersects(Control<QWidget>("Panel1")->geometry()));
}

TEST_F(OptionFormTest, EveryControlFitsAndFreeSpotsMoveTheWindow)
{
    Shown();
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (!(name.startsWith("sui") || name.startsWith("Label") || name.startsWith("Panel"))
            || !widget->isVisibleTo(form.get()))
            continue;
        const QRect area(widget->mapTo(form.get(), QPoint(0, 0)), widget->size());
        EXPECT_TRUE(form->rect().contains(area)) << name.toStdString();
    }
    // A spot between the editor's columns shows the background picture and drags like it.
    QWidget *videoEditor = Control<QWidget>("Panel1");
    const QPoint free(236, 10);
    ASSERT_EQ(videoEditor->childAt(free), nullptr);
    // The events go straight to the editor: routing them through the offscreen window would
    // depend on where the platform has placed it by then.
    const QPoint start = form->pos();
    const auto send = [videoEditor](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(videoEditor->mapToGlobal(at)), button, held, {});
        QApplication::sendEvent(videoEditor, &event);
    };
    send(QEvent::MouseButtonPress, free, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, free + QPoint(40, 30), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, free + QPoint(40, 30), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form->pos(), start + QPoint(40, 30));
}

TEST_F(OptionFormTest, ATypeWithSeveralFormatsReadsTheChosenFormatsSubSectionAndItsSummariesNameTheFormat)
{
    Shown();
    EXPECT_EQ(Items(Control("suiComboBox_VideoFormat")), (QStringList{"avi", "divx"}));
    EXPECT_EQ(Items(Control("suiComboBox_Profile")),
              (QStringList{"Standard : Video-divx,720:480,900kbps,Audio-96kbps,32000hz", "Draft",
                           "Mine : Video-avi,640:480,1500kbps,Audio-192kbps,48000hz"}));
    // ProfileDefault selects Standard, whose format is divx.
    EXPECT_EQ(Control("suiComboBox_Profile")->currentIndex(), 0);
    EXPECT_EQ(Control<QLineEdit>("suiEdit_ProfileName")->text(), "Standard");
    EXPECT_EQ(Control("suiComboBox_VideoFormat")->currentText(), "divx");
    EXPECT_EQ(Items(Control("suiComboBox_Resolution")), QStringList{"720:480"});
    EXPECT_EQ(Items(Control("suiComboBox_VideoCodec")), QStringList{"divx"});
    EXPECT_FALSE(Control("suiComboBox_VideoCodec")->isEnabled());

    Choose("suiComboBox_Profile", 2);
    EXPECT_EQ(Control<QLineEdit>("suiEdit_ProfileName")->text(), "Mine");
    EXPECT_EQ(Control("suiComboBox_VideoFormat")->currentText(), "avi");
    EXPECT_EQ(Items(Control("suiComboBox_Resolution")), (QStringList{"320:240", "640:480"}));
    EXPECT_EQ(Items(Control("suiComboBox_VideoFrameRate")), (QStringList{"25", "29.97"}));
    EXPECT_EQ(Control("suiComboBox_Resolution")->currentIndex(), 1);
    EXPECT_EQ(Control("suiComboBox_VideoFrameRate")->currentIndex(), 1);
    EXPECT_EQ(Control<QSpinBox>("suiSpinEdit_VideoBitRate")->value(), 1500);
    EXPECT_EQ(Control("suiComboBox_AudioBitRate")->currentIndex(), 1);
    EXPECT_EQ(Control("suiComboBox_AudioSampleRate")->currentIndex(), 1);
    EXPECT_EQ(Control("suiComboBox_Volume")->currentIndex(), 3);
    EXPECT_FALSE(Control("suiComboBox_Volume")->isVisibleTo(form.get()));
    // The codec stays as the format filled it, not field 10.
    EXPECT_EQ(Control("suiComboBox_VideoCodec")->currentIndex(), 0);
}

TEST_F(OptionFormTest, ATypeWithOneFormatReadsItsOwnSectionAndItsSummariesNameTheCodec)
{
    Shown();
    Choose("suiComboBox_Type", 1);
    EXPECT_EQ(Items(Control("suiComboBox_VideoFormat")), QStringList{"mp4"});
    EXPECT_EQ(Items(Control("suiComboBox_Resolution")), (QStringList{"320:240", "480:360"}));
    EXPECT_EQ(Items(Control("suiComboBox_Profile")), QStringList{"Small : Video-h264,480:360,600kbps,Audio-128kbps,44100hz"});
    // No ProfileDefault: nothing selected, the name field offers "Custom Profile".
    EXPECT_EQ(Control("suiComboBox_Profile")->currentIndex(), -1);
    EXPECT_EQ(Control<QLineEdit>("suiEdit_ProfileName")->text(), "Custom Profile");
}

TEST_F(OptionFormTest, AFormatOutsideTheTypesFormatsLeavesTheListsEmpty)
{
    Shown();
    Choose("suiComboBox_VideoFormat", -1);
    for (const char *name : {"suiComboBox_Resolution", "suiComboBox_VideoFrameRate", "suiComboBox_AudioBitRate",
                             "suiComboBox_AudioSampleRate"}) {
        EXPECT_EQ(Control(name)->count(), 0) << name;
        EXPECT_FALSE(Control(name)->isEnabled()) << name;
    }
}

TEST_F(OptionFormTest, SelectingAProfileWithoutValueListChangesOnlyTheName)
{
    Shown();
    const QString before = EditorState();
    Choose("suiComboBox_Profile", 1);
    EXPECT_EQ(Control<QLineEdit>("suiEdit_ProfileName")->text(), "Draft");
    EXPECT_EQ(EditorState(), before);
}

TEST_F(OptionFormTest, AnEmptyNameFieldGetsTheSelectedEntrysNameBack)
{
    Shown();
    auto *name = Control<QLineEdit>("suiEdit_ProfileName");
    name->clear();
    emit name->editingFinished();
    EXPECT_EQ(name->text(), "Standard");
    auto *musicName = Control<QLineEdit>("suiEdit_ProfileName_Music");
    musicName->clear();
    emit musicName->editingFinished();
    EXPECT_EQ(musicName->text(), "Tiny");
}

TEST_F(OptionFormTest, ASavedProfileIsListedHereAndInTheMainWindowAndCancelStillReportsTheChange)
{
    questions.AnswerExec([&](QDialog &dialog) {
        Shown();
        Choose("suiComboBox_Profile", 2);          // Mine's choices, format avi
        Choose("suiComboBox_Resolution", 0);
        TypeName("suiEdit_ProfileName", "  Travel ");
        Click("suiImageButton_Add");
        Click("suiImageButton_Cancel");
        return dialog.result();
    });
    form = std::make_unique<TOptionForm>(options);
    EXPECT_EQ(questions.Exec(*form), QDialog::Rejected);
    EXPECT_TRUE(form->Changed());
    EXPECT_TRUE(questions.Texts(ScriptedQuestions::Kind::Confirm).isEmpty());
    EXPECT_EQ(platform::ReadIniString(ProfileFile(), "AVI-Profile", "Travel", ""), "0,0,0,1,1500,1,1,3,0,0");
    EXPECT_EQ(Items(Control("suiComboBox_Profile")).last(), "Travel : Video-avi,320:240,1500kbps,Audio-192kbps,48000hz");
    // The main window's list of target AVI reads the same file.
    const targets::MainWindowProfileList list = targets::ReadMainWindowProfileList(
        targets::ProfileStore(ProfileFile()), targets::ProfileDefinitions::LoadShipped(), "Ostrel-AVI");
    ASSERT_EQ(list.entries.size(), 3);
    EXPECT_EQ(list.entries.last().name, "Travel");
    EXPECT_EQ(list.texts.last(), "Travel : Video-avi,320:240,1500kbps,Audio-192kbps,48000hz");
}

TEST_F(OptionFormTest, OverwritingAsksAndRemovingFreesTheSlot)
{
    Shown();
    Choose("suiComboBox_Profile", 2);
    questions.AnswerConfirm(true);
    Click("suiImageButton_Add");
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Confirm).last(),
              "Profile Name : \"Mine\" already exists.\nDo you want to overwrite it?");
    EXPECT_TRUE(form->Changed());

    Choose("suiComboBox_Profile", 2);
    questions.AnswerConfirm(true);
    Click("suiImageButton_Del");
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Confirm).last(), "Profile Name : \"Mine\".\nDo you want to remove it?");
    EXPECT_EQ(Items(Control("suiComboBox_Profile")).size(), 2);
    EXPECT_EQ(platform::ReadIniString(ProfileFile(), "AVI-Profile", "ProfileText2", ""), "nodef");
}

TEST_F(OptionFormTest, ProtectedProfilesAreRefusedAndChangeNothing)
{
    Shown();
    Click("suiImageButton_Add");   // the selected entry: Standard, protected
    Click("suiImageButton_Del");
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information),
              (QStringList{"Profile Name : \"Standard\".\nYou Can not modify this setting!",
                           "Profile Name : \"Standard\".\nYou Can not remove this setting!"}));
    EXPECT_FALSE(form->Changed());
    TypeName("suiEdit_ProfileName", "ProfileCount");
    Click("suiImageButton_Add");
    EXPECT_TRUE(questions.Texts(ScriptedQuestions::Kind::Information).last().startsWith("Profile Name : \"ProfileCount\""));
    EXPECT_FALSE(form->Changed());
    QFile file(ProfileFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(Profiles));
}

TEST_F(OptionFormTest, MusicProfilesOfEveryAudioTypeInOneList)
{
    Shown();
    EXPECT_EQ(Items(Control("suiComboBox_Profile_Music")),
              (QStringList{"Tiny : Audio-96kbps,44100hz", "Loud : Audio-256kbps,48000hz"}));
    Choose("suiComboBox_Profile_Music", 1);
    EXPECT_EQ(Control("suiComboBox_AudioFormat")->currentText(), "MP3");
    EXPECT_EQ(Items(Control("suiComboBox_AudioBitRate_Music")), (QStringList{"128", "192", "256"}));
    EXPECT_EQ(Control("suiComboBox_AudioBitRate_Music")->currentIndex(), 2);
    EXPECT_EQ(Control("suiComboBox_AudioSampleRate_Music")->currentIndex(), 1);

    Choose("suiComboBox_AudioBitRate_Music", 1);
    TypeName("suiEdit_ProfileName_Music", "Mid");
    Click("suiImageButton_Add_Music");
    EXPECT_EQ(platform::ReadIniString(ProfileFile(), "MP3-Profile", "Mid", ""), "0,0,0,0,0,1,1,0,0,0");
    EXPECT_EQ(Items(Control("suiComboBox_Profile_Music")).last(), "Mid : Audio-192kbps,48000hz");
    EXPECT_TRUE(form->Changed());
}

TEST_F(OptionFormTest, GeneralSettingsRoundTrip)
{
    const QString folder = sandbox.ProgramFolder() + "Converted";
    ASSERT_TRUE(QDir().mkpath(folder));
    sandbox.WriteProgramFile("Option.ini", ("[Option]\nDefaultAudio=3\nNotify=0\nOutputFolder=" + folder + "\n").toUtf8());
    form = std::make_unique<TOptionForm>(options);
    EXPECT_EQ(Control("suiComboBox_AudLang")->currentText(), "Francais");
    EXPECT_FALSE(Control<QCheckBox>("suiCheckBox_Notify")->isChecked());
    EXPECT_EQ(options.outputFolder, folder + "/");
    EXPECT_EQ(Control<QLineEdit>("suiEdit_OutputFolder")->text(), folder + "/");
    Control("suiComboBox_AudLang")->setCurrentIndex(9);
    form->SaveGeneralSettings();
    EXPECT_EQ(platform::ReadIniInt(options.OptionFilePath(), "Option", "DefaultAudio", 0), 9);
    EXPECT_EQ(platform::ReadIniString(options.OptionFilePath(), "Option", "OutputFolder", ""), folder + "/");
    // OK saves them too and reports a change.
    Control("suiComboBox_AudLang")->setCurrentIndex(4);
    Control<QCheckBox>("suiCheckBox_Notify")->click();
    form->suiImageButton_OKClick();
    EXPECT_TRUE(form->Changed());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(platform::ReadIniInt(options.OptionFilePath(), "Option", "DefaultAudio", 0), 4);
    EXPECT_TRUE(Stored().notify);
}

TEST_F(OptionFormTest, BrowseSavesTheFolderAtOnceAndCancelPutsTheShownOneBack)
{
    const QString before = sandbox.ProgramFolder() + "Before/";
    const QString chosen = sandbox.ProgramFolder() + "Chosen";
    ASSERT_TRUE(QDir().mkpath(before) && QDir().mkpath(chosen));
    sandbox.WriteProgramFile("Option.ini", ("[Option]\nOutputFolder=" + before + "\n").toUtf8());
    Shown();
    questions.AnswerChooseFolder(chosen);
    Click("suiImageButton_Browse");
    EXPECT_EQ(questions.Asked().last().title, "Please select Output Folder:");
    EXPECT_EQ(options.outputFolder, chosen + "/");
    EXPECT_EQ(Control<QLineEdit>("suiEdit_OutputFolder")->text(), chosen + "/");
    EXPECT_EQ(platform::ReadIniString(options.OptionFilePath(), "Option", "OutputFolder", ""), chosen + "/");
    Control("suiComboBox_AudLang")->setCurrentIndex(0);
    ASSERT_TRUE(Control<QCheckBox>("suiCheckBox_Notify")->isChecked()) << "notifications are on by default";
    Control<QCheckBox>("suiCheckBox_Notify")->click();
    Click("suiImageButton_Cancel");
    EXPECT_EQ(options.outputFolder, before);
    EXPECT_EQ(Control("suiComboBox_AudLang")->currentText(), "English");
    EXPECT_TRUE(Control<QCheckBox>("suiCheckBox_Notify")->isChecked());
    EXPECT_TRUE(Stored().notify);
    EXPECT_EQ(platform::ReadIniString(options.OptionFilePath(), "Option", "OutputFolder", ""), before);
    EXPECT_EQ(platform::ReadIniInt(options.OptionFilePath(), "Option", "DefaultAudio", 0), 1);
    EXPECT_FALSE(form->Changed());

    // A cancelled folder dialog changes nothing; after OK the chosen folder stays.
    Shown();
    questions.AnswerChooseFolder(QString());
    Click("suiImageButton_Browse");
    EXPECT_EQ(options.outputFolder, before);
    questions.AnswerChooseFolder(chosen);
    Click("suiImageButton_Browse");
    Click("suiImageButton_OK");
    EXPECT_EQ(options.outputFolder, chosen + "/");
    EXPECT_EQ(platform::ReadIniString(options.OptionFilePath(), "Option", "OutputFolder", ""), chosen + "/");
}

} // namespace
