// Choosing targets on the main window: the fill from the definitions, what each
// target shows, and what the panel remembers per target.

#include "PanelFixture.h"

#include "DefinitionSections.h"
#include "OutputExtension.h"
#include "TargetCatalogue.h"
#include "mainform/TMainForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

using namespace targets;

namespace {

class TargetSelectionTest : public PanelFixture {
protected:
    // Every list the target needs offers a choice, and the output format names an extension.
    void ExpectUsablePanel(int target)
    {
        SCOPED_TRACE(TargetName(target).toStdString());
        EXPECT_EQ(Form().CurTargetType, target);
        EXPECT_EQ(Control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + TargetFolder(target));
        QStringList lists = {"suiComboBox_AudioCodec", "suiComboBox_AudioBitRate", "suiComboBox_AudioSampleRate",
                             "suiComboBox_AudioChannel", "suiComboBox_OutputFormat"};
        if (CategoryOfTarget(target) != CategoryMusic)
            lists << "suiComboBox_VideoCodec" << "suiComboBox_VideoFrameRate" << "suiComboBox_Profile";
        for (const QString &name : lists) {
            const QComboBox *choices = List(name.toLatin1().constData());
            EXPECT_GT(choices->count(), 0) << name.toStdString();
            EXPECT_GE(choices->currentIndex(), 0) << name.toStdString();
        }
        EXPECT_FALSE(naming::OutputExtension(panel->OutputValues()).isEmpty());
        if (!IsAudioOnlyTarget(target)) {
            EXPECT_TRUE(Shown("suiComboBox_Resolution") || Shown("suiSpinEdit_VideoWidth"));
        }
    }
};

TEST_F(TargetSelectionTest, StartTargetIsFilledFromTheShippedDefinitions)
{
    StartWithShippedDefinitions();
    EXPECT_EQ(Form().CurTargetType, TargetiPod);
    EXPECT_EQ(Items("suiComboBox_OutputFormat"), QStringList({"mp4", "m4v"}));
    EXPECT_EQ(List("suiComboBox_OutputFormat")->currentIndex(), 0);
    EXPECT_EQ(Items("suiComboBox_VideoCodec"), QStringList({"H.264 / AVC", "MPEG-4"})) << "from Ostrel-iPod-mp4";
    EXPECT_EQ(Items("suiComboBox_AudioCodec"), QStringList({"AAC"}));
    EXPECT_EQ(Items("suiComboBox_Resolution"), QStringList({"320:240", "640:480"}));
    EXPECT_EQ(List("suiComboBox_Resolution")->currentIndex(), 1);
    EXPECT_EQ(List("suiComboBox_AudioBitRate")->currentText(), "128");
    EXPECT_EQ(Control<QSpinBox>("suiSpinEdit_VideoBitRate")->value(), 1000);
    EXPECT_TRUE(Shown("suiComboBox_Resolution"));
    EXPECT_FALSE(Shown("suiSpinEdit_VideoWidth"));
    EXPECT_FALSE(Shown("Label21"));
    EXPECT_TRUE(Shown("suiEdit_DVDName")) << "iPod is a device target";
    EXPECT_TRUE(Shown("suiEdit_ArtistName"));
    EXPECT_FALSE(Shown("suiComboBox_DVDPF"));
    ExpectUsablePanel(TargetiPod);
}

TEST_F(TargetSelectionTest, EveryVisibleTargetFillsFromTheShippedDefinitions)
{
    StartWithShippedDefinitions();
    const std::pair<const char *, int> buttons[] = {{"sb_iPad", TargetiPad},       {"sb_iPhone", TargetiPhone},
                                                    {"sb_AppleTV", TargetAppleTV}, {"sb_AppleTV_HD", TargetAppleTV_HD},
                                                    {"sb_MP3", TargetMP3},         {"sb_iPod", TargetiPod}};
    for (const auto &[button, target] : buttons) {
        Click(button);
        ExpectUsablePanel(target);
    }
}

TEST_F(TargetSelectionTest, EveryRegisteredTargetFillsFromTheShippedDefinitions)
{
    StartWithShippedDefinitions();
    for (int target = 0; target < RegisteredTargetCount; ++target) {
        Form().SelectTarget(target);
        ExpectUsablePanel(target);
    }
}

TEST_F(TargetSelectionTest, MusicTargetHidesTheVideoSettings)
{
    StartWithShippedDefinitions();
    Click("sb_MP3");
    for (const char *name : {"Label3", "suiComboBox_VideoFrameRate", "Label4", "Label5", "Label12",
                             "suiSpinEdit_VideoBitRate", "Label1", "suiComboBox_Profile", "suiCheckBox_HQE",
                             "suiCheckBox_DeInterlace", "suiCheckBox_ForceSync", "Label20", "suiComboBox_VideoCodec",
                             "Label9", "suiComboBox_OutputFormat", "suiComboBox_Resolution", "suiSpinEdit_VideoWidth",
                             "suiSpinEdit_VideoHeight", "Label21", "suiEdit_DVDName", "suiEdit_ArtistName"})
        EXPECT_FALSE(Shown(name)) << name;
    EXPECT_TRUE(Shown("suiComboBox_AudioCodec"));
    EXPECT_TRUE(Shown("Label8"));
    Click("sb_iPod");
    for (const char *name : {"suiComboBox_VideoFrameRate", "suiComboBox_Profile", "suiCheckBox_ForceSync",
                             "suiComboBox_OutputFormat", "suiComboBox_Resolution", "Label3", "suiEdit_DVDName"})
        EXPECT_TRUE(Shown(name)) << name;
}

TEST_F(TargetSelectionTest, DvdTargetsShowTheDvdSettingAndMpegItsSizeFields)
{
    StartWithShippedDefinitions();
    Form().SelectTarget(TargetDVD_Folder);
    EXPECT_TRUE(Shown("suiComboBox_DVDPF"));
    EXPECT_TRUE(Shown("Label_DVDSetting"));
    EXPECT_FALSE(Shown("suiEdit_DVDName"));
    Form().SelectTarget(TargetMPEG);
    EXPECT_FALSE(Shown("suiComboBox_DVDPF"));
    EXPECT_FALSE(Shown("suiComboBox_Resolution")) << "MPEG has no resolution list";
    EXPECT_TRUE(Shown("suiSpinEdit_VideoWidth"));
    EXPECT_TRUE(Shown("Label21"));
}

TEST_F(TargetSelectionTest, SwitchingAwayAndBackRestoresTheChoicesButNotTheResolution)
{
    StartWithShippedDefinitions();
    List("suiComboBox_OutputFormat")->setCurrentIndex(1);   // m4v
    List("suiComboBox_VideoCodec")->setCurrentIndex(1);
    List("suiComboBox_AudioBitRate")->setCurrentIndex(3);
    List("suiComboBox_VideoFrameRate")->setCurrentIndex(4);
    List("suiComboBox_Profile")->setCurrentIndex(1);
    List("suiComboBox_Resolution")->setCurrentIndex(0);
    Control<QSpinBox>("suiSpinEdit_VideoBitRate")->setValue(1234);
    Control<QSlider>("suiTrackBar_Volume")->setValue(5);

    Click("sb_iPad");
    EXPECT_EQ(List("suiComboBox_AudioBitRate")->currentIndex(), 2) << "iPad is filled with its own defaults";
    Click("sb_MP3");
    Click("sb_iPod");

    EXPECT_EQ(List("suiComboBox_OutputFormat")->currentText(), "m4v");
    EXPECT_EQ(List("suiComboBox_VideoCodec")->currentIndex(), 1);
    EXPECT_EQ(List("suiComboBox_AudioBitRate")->currentText(), "160");
    EXPECT_EQ(List("suiComboBox_VideoFrameRate")->currentText(), "29.97");
    EXPECT_EQ(List("suiComboBox_Profile")->currentIndex(), 1);
    EXPECT_EQ(Control<QSpinBox>("suiSpinEdit_VideoBitRate")->value(), 1234);
    EXPECT_EQ(Control<QSlider>("suiTrackBar_Volume")->value(), 5);
    EXPECT_EQ(Control<QLabel>("Label_DB")->text(), "+ 5 db.");
    EXPECT_EQ(List("suiComboBox_Resolution")->currentText(), "640:480") << "the resolution is not remembered";
}

TEST_F(TargetSelectionTest, MusicTargetIsFilledFreshEveryTime)
{
    StartWithShippedDefinitions();
    Click("sb_MP3");
    const int preselected = List("suiComboBox_AudioBitRate")->currentIndex();
    List("suiComboBox_AudioBitRate")->setCurrentIndex(preselected + 1);
    Click("sb_iPod");
    Click("sb_MP3");
    EXPECT_EQ(List("suiComboBox_AudioBitRate")->currentIndex(), preselected);
}

TEST_F(TargetSelectionTest, HandTypedWidthComesBackWithItsTarget)
{
    StartWithShippedDefinitions();
    Form().SelectTarget(TargetMPEG);
    List("suiComboBox_Profile")->setCurrentIndex(1);   // custom size, mode 2
    TypeAndLeave("suiSpinEdit_VideoWidth", 642);
    TypeAndLeave("suiSpinEdit_VideoHeight", 354);
    EXPECT_EQ(Control<QSpinBox>("suiSpinEdit_VideoWidth")->value(), 640);
    EXPECT_EQ(Control<QSpinBox>("suiSpinEdit_VideoHeight")->value(), 352);
    List("suiComboBox_AudioBitRate")->setCurrentIndex(4);
    Form().SelectTarget(TargetAVI);
    Form().SelectTarget(TargetMPEG);
    EXPECT_EQ(List("suiComboBox_Profile")->currentIndex(), 1);
    EXPECT_EQ(Control<QSpinBox>("suiSpinEdit_VideoWidth")->value(), 640);
    EXPECT_EQ(Control<QSpinBox>("suiSpinEdit_VideoHeight")->value(), 352);
    EXPECT_EQ(List("suiComboBox_AudioBitRate")->currentIndex(), 2) << "MPEG's aspect handling refills its lists";
}

TEST_F(TargetSelectionTest, ReselectingTheCurrentTargetKeepsTheUsersValues)
{
    StartWithShippedDefinitions();
    List("suiComboBox_AudioBitRate")->setCurrentIndex(0);
    Form().SelectTarget(Form().CurTargetType);   // as after the options dialog closes with changes
    EXPECT_EQ(List("suiComboBox_AudioBitRate")->currentIndex(), 0);
}

} // namespace
