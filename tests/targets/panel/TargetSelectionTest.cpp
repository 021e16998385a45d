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
        EXPECT_EQ(form().CurTargetType, target);
        EXPECT_EQ(control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + TargetFolder(target));
        QStringList lists = {"suiComboBox_AudioCodec", "suiComboBox_AudioBitRate", "suiComboBox_AudioSampleRate",
                             "suiComboBox_AudioChannel", "suiComboBox_OutputFormat"};
        if (CategoryOfTarget(target) != CategoryMusic)
            lists << "suiComboBox_VideoCodec" << "suiComboBox_VideoFrameRate" << "suiComboBox_Profile";
        for (const QString &name : lists) {
            const QComboBox *choices = list(name.toLatin1().constData());
            EXPECT_GT(choices->count(), 0) << name.toStdString();
            EXPECT_GE(choices->currentIndex(), 0) << name.toStdString();
        }
        EXPECT_FALSE(naming::OutputExtension(panel->OutputValues()).isEmpty());
        if (!IsAudioOnlyTarget(target)) {
            EXPECT_TRUE(shown("suiComboBox_Resolution") || shown("suiSpinEdit_VideoWidth"));
        }
    }
};

TEST_F(TargetSelectionTest, StartTargetIsFilledFromTheShippedDefinitions)
{
    StartWithShippedDefinitions();
    EXPECT_EQ(form().CurTargetType, TargetiPod);
    EXPECT_EQ(items("suiComboBox_OutputFormat"), QStringList({"mp4", "m4v"}));
    EXPECT_EQ(list("suiComboBox_OutputFormat")->currentIndex(), 0);
    EXPECT_EQ(items("suiComboBox_VideoCodec"), QStringList({"H.264 / AVC", "MPEG-4"})) << "from Ostrel-iPod-mp4";
    EXPECT_EQ(items("suiComboBox_AudioCodec"), QStringList({"AAC"}));
    EXPECT_EQ(items("suiComboBox_Resolution"), QStringList({"320:240", "640:480"}));
    EXPECT_EQ(list("suiComboBox_Resolution")->currentIndex(), 1);
    EXPECT_EQ(list("suiComboBox_AudioBitRate")->currentText(), "128");
    EXPECT_EQ(control<QSpinBox>("suiSpinEdit_VideoBitRate")->value(), 1000);
    EXPECT_TRUE(shown("suiComboBox_Resolution"));
    EXPECT_FALSE(shown("suiSpinEdit_VideoWidth"));
    EXPECT_FALSE(shown("Label21"));
    EXPECT_TRUE(shown("suiEdit_DVDName")) << "iPod is a device target";
    EXPECT_TRUE(shown("suiEdit_ArtistName"));
    EXPECT_FALSE(shown("suiComboBox_DVDPF"));
    ExpectUsablePanel(TargetiPod);
}

TEST_F(TargetSelectionTest, EveryVisibleTargetFillsFromTheShippedDefinitions)
{
    StartWithShippedDefinitions();
    const std::pair<const char *, int> buttons[] = {{"sb_iPad", TargetiPad},       {"sb_iPhone", TargetiPhone},
                                                    {"sb_AppleTV", TargetAppleTV}, {"sb_AppleTV_HD", TargetAppleTV_HD},
                                                    {"sb_MP3", TargetMP3},         {"sb_iPod", TargetiPod}};
    for (const auto &[button, target] : buttons) {
        click(button);
        ExpectUsablePanel(target);
    }
}

TEST_F(TargetSelectionTest, EveryRegisteredTargetFillsFromTheShippedDefinitions)
{
    StartWithShippedDefinitions();
    for (int target = 0; target < RegisteredTargetCount; ++target) {
        form().SelectTarget(target);
        ExpectUsablePanel(target);
    }
}

TEST_F(TargetSelectionTest, MusicTargetHidesTheVideoSettings)
{
    StartWithShippedDefinitions();
    click("sb_MP3");
    for (const char *name : {"Label3", "suiComboBox_VideoFrameRate", "Label4", "Label5", "Label12",
                             "suiSpinEdit_VideoBitRate", "Label1", "suiComboBox_Profile", "suiCheckBox_HQE",
                             "suiCheckBox_DeInterlace", "suiCheckBox_ForceSync", "Label20", "suiComboBox_VideoCodec",
                             "Label9", "suiComboBox_OutputFormat", "suiComboBox_Resolution", "suiSpinEdit_VideoWidth",
                             "suiSpinEdit_VideoHeight", "Label21", "suiEdit_DVDName", "suiEdit_ArtistName"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_TRUE(shown("suiComboBox_AudioCodec"));
    EXPECT_TRUE(shown("Label8"));
    click("sb_iPod");
    for (const char *name : {"suiComboBox_VideoFrameRate", "suiComboBox_Profile", "suiCheckBox_ForceSync",
                             "suiComboBox_OutputFormat", "suiComboBox_Resolution", "Label3", "suiEdit_DVDName"})
        EXPECT_TRUE(shown(name)) << name;
}

TEST_F(TargetSelectionTest, DvdTargetsShowTheDvdSettingAndMpegItsSizeFields)
{
    StartWithShippedDefinitions();
    form().SelectTarget(TargetDVD_Folder);
    EXPECT_TRUE(shown("suiComboBox_DVDPF"));
    EXPECT_TRUE(shown("Label_DVDSetting"));
    EXPECT_FALSE(shown("suiEdit_DVDName"));
    form().SelectTarget(TargetMPEG);
    EXPECT_FALSE(shown("suiComboBox_DVDPF"));
    EXPECT_FALSE(shown("suiComboBox_Resolution")) << "MPEG has no resolution list";
    EXPECT_TRUE(shown("suiSpinEdit_VideoWidth"));
    EXPECT_TRUE(shown("Label21"));
}

TEST_F(TargetSelectionTest, SwitchingAwayAndBackRestoresTheChoicesButNotTheResolution)
{
    StartWithShippedDefinitions();
    list("suiComboBox_OutputFormat")->setCurrentIndex(1);   // m4v
    list("suiComboBox_VideoCodec")->setCurrentIndex(1);
    list("suiComboBox_AudioBitRate")->setCurrentIndex(3);
    list("suiComboBox_VideoFrameRate")->setCurrentIndex(4);
    list("suiComboBox_Profile")->setCurrentIndex(1);
    list("suiComboBox_Resolution")->setCurrentIndex(0);
    control<QSpinBox>("suiSpinEdit_VideoBitRate")->setValue(1234);
    control<QSlider>("suiTrackBar_Volume")->setValue(5);

    click("sb_iPad");
    EXPECT_EQ(list("suiComboBox_AudioBitRate")->currentIndex(), 2) << "iPad is filled with its own defaults";
    click("sb_MP3");
    click("sb_iPod");

    EXPECT_EQ(list("suiComboBox_OutputFormat")->currentText(), "m4v");
    EXPECT_EQ(list("suiComboBox_VideoCodec")->currentIndex(), 1);
    EXPECT_EQ(list("suiComboBox_AudioBitRate")->currentText(), "160");
    EXPECT_EQ(list("suiComboBox_VideoFrameRate")->currentText(), "29.97");
    EXPECT_EQ(list("suiComboBox_Profile")->currentIndex(), 1);
    EXPECT_EQ(control<QSpinBox>("suiSpinEdit_VideoBitRate")->value(), 1234);
    EXPECT_EQ(control<QSlider>("suiTrackBar_Volume")->value(), 5);
    EXPECT_EQ(control<QLabel>("Label_DB")->text(), "+ 5 db.");
    EXPECT_EQ(list("suiComboBox_Resolution")->currentText(), "640:480") << "the resolution is not remembered";
}

TEST_F(TargetSelectionTest, MusicTargetIsFilledFreshEveryTime)
{
    StartWithShippedDefinitions();
    click("sb_MP3");
    const int preselected = list("suiComboBox_AudioBitRate")->currentIndex();
    list("suiComboBox_AudioBitRate")->setCurrentIndex(preselected + 1);
    click("sb_iPod");
    click("sb_MP3");
    EXPECT_EQ(list("suiComboBox_AudioBitRate")->currentIndex(), preselected);
}

TEST_F(TargetSelectionTest, HandTypedWidthComesBackWithItsTarget)
{
    StartWithShippedDefinitions();
    form().SelectTarget(TargetMPEG);
    list("suiComboBox_Profile")->setCurrentIndex(1);   // custom size, mode 2
    TypeAndLeave("suiSpinEdit_VideoWidth", 642);
    TypeAndLeave("suiSpinEdit_VideoHeight", 354);
    EXPECT_EQ(control<QSpinBox>("suiSpinEdit_VideoWidth")->value(), 640);
    EXPECT_EQ(control<QSpinBox>("suiSpinEdit_VideoHeight")->value(), 352);
    list("suiComboBox_AudioBitRate")->setCurrentIndex(4);
    form().SelectTarget(TargetAVI);
    form().SelectTarget(TargetMPEG);
    EXPECT_EQ(list("suiComboBox_Profile")->currentIndex(), 1);
    EXPECT_EQ(control<QSpinBox>("suiSpinEdit_VideoWidth")->value(), 640);
    EXPECT_EQ(control<QSpinBox>("suiSpinEdit_VideoHeight")->value(), 352);
    EXPECT_EQ(list("suiComboBox_AudioBitRate")->currentIndex(), 2) << "MPEG's aspect handling refills its lists";
}

TEST_F(TargetSelectionTest, ReselectingTheCurrentTargetKeepsTheUsersValues)
{
    StartWithShippedDefinitions();
    list("suiComboBox_AudioBitRate")->setCurrentIndex(0);
    form().SelectTarget(form().CurTargetType);   // as after the options dialog closes with changes
    EXPECT_EQ(list("suiComboBox_AudioBitRate")->currentIndex(), 0);
}

} // namespace
