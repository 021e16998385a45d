// The user profiles on the main window: the list of the target's profiles, the profile
// applied at selection and on a choice, and the entry the target buttons remember.

#include "PanelFixture.h"

#include "TargetCatalogue.h"
#include "mainform/TMainForm.h"
#include "mainform/TargetSelector.h"

#include <QSlider>
#include <QSpinBox>

using namespace targets;

namespace {

// Slot 1 is free, so the list shows slots 0 and 2; slot 2's list sits under its name.
const QByteArray IpodProfiles = R"([iPod-Profile]
ProfileCount=3
ProfileText0=Small
ProfileValue0=1,1,0,4,600,3,1,5,0,1,0
ProfileText1=nodef
ProfileText2=Tiny
Tiny=0,0,1,2,700,0,0,2,1,0,0
ProfileDefault=1
Small=1,1,0,4,600,3,1,5,0,1,0

[HDAVI-Profile]
ProfileCount=1
ProfileText0=Full
ProfileValue0=0,1,2,0,5000,0,0,0,0,0,0
)";

class ProfileListTest : public PanelFixture {
protected:
    void SetUp() override
    {
        sandbox.WriteSettingsFile(QStringLiteral("PfSetting.ini"), IpodProfiles);
        StartWithShippedDefinitions();
    }
    int RememberedEntry(int target) { return Form().TargetSelectorControl()->TargetTypes()[target].ProfileIndex; }
    int Value(const char *name) { return Control<QSpinBox>(name)->value(); }
};

TEST_F(ProfileListTest, ListsTheUsedSlotsAndAppliesTheDefaultEntry)
{
    EXPECT_TRUE(Shown("suiComboBox_PF"));
    EXPECT_TRUE(Shown("Label_PF"));
    EXPECT_EQ(Items("suiComboBox_PF"), QStringList({"Small : Video-m4v,320:240,600kbps,Audio-160kbps,48000hz",
                                                    "Tiny : Video-mp4,640:480,700kbps,Audio-64kbps,44100hz"}));
    EXPECT_EQ(List("suiComboBox_PF")->currentIndex(), 1);
    EXPECT_EQ(Value("suiSpinEdit_VideoBitRate"), 700);
    EXPECT_EQ(List("suiComboBox_VideoFrameRate")->currentIndex(), 2);
    EXPECT_EQ(List("suiComboBox_AudioBitRate")->currentText(), "64");
    EXPECT_EQ(Control<QSlider>("suiTrackBar_Volume")->value(), 2);
}

TEST_F(ProfileListTest, ChoosingAnEntryAppliesItsSlotAndIsRemembered)
{
    windows->Options.renameSettings.nameTemplate = QStringLiteral("#Name");
    TVideoInfo &clip = AddClip(QStringLiteral("/films/Holiday.avi"));
    List("suiComboBox_PF")->setCurrentIndex(0);
    EXPECT_EQ(List("suiComboBox_OutputFormat")->currentText(), "m4v");
    EXPECT_EQ(List("suiComboBox_Profile")->currentIndex(), 1);
    EXPECT_EQ(List("suiComboBox_Resolution")->currentText(), "320:240");
    EXPECT_EQ(List("suiComboBox_VideoFrameRate")->currentIndex(), 4);
    EXPECT_EQ(Value("suiSpinEdit_VideoBitRate"), 600);
    EXPECT_EQ(List("suiComboBox_AudioBitRate")->currentText(), "160");
    EXPECT_EQ(List("suiComboBox_AudioSampleRate")->currentText(), "48000");
    EXPECT_EQ(Control<QSlider>("suiTrackBar_Volume")->value(), 5);
    EXPECT_EQ(List("suiComboBox_VideoCodec")->currentIndex(), 1) << "codecs of the m4v sub-section";
    EXPECT_EQ(panel->AspectMode(), 0);
    EXPECT_EQ(clip.OutputName, "Holiday.m4v");
    EXPECT_EQ(RememberedEntry(TargetiPod), 0);

    Click("sb_iPad");
    Click("sb_iPod");
    EXPECT_EQ(List("suiComboBox_PF")->currentIndex(), 0) << "the target buttons put the entry back";
    EXPECT_EQ(Value("suiSpinEdit_VideoBitRate"), 600) << "the remembered panel, not the default profile";
}

TEST_F(ProfileListTest, HdTargetKeepsTheProfilesResolutionThroughTheAspectHandling)
{
    Form().SelectTarget(TargetHDAVI);
    EXPECT_EQ(List("suiComboBox_PF")->currentIndex(), -1) << "no ProfileDefault: nothing applied";
    EXPECT_EQ(List("suiComboBox_Resolution")->currentText(), "1280:720");
    List("suiComboBox_PF")->setCurrentIndex(0);
    EXPECT_EQ(panel->AspectMode(), 2);
    EXPECT_EQ(List("suiComboBox_Resolution")->currentText(), "1920:1080");
    EXPECT_EQ(Value("suiSpinEdit_VideoBitRate"), 5000);
    List("suiComboBox_Profile")->setCurrentIndex(0);   // original size
    List("suiComboBox_Profile")->setCurrentIndex(1);
    EXPECT_EQ(List("suiComboBox_Resolution")->currentText(), "1280:720") << "after the original-size item: the preselection";
}

TEST_F(ProfileListTest, ARememberedEntryBeyondTheListIsForgotten)
{
    Form().TargetSelectorControl()->TargetTypes()[TargetiPod].ProfileIndex = 5;
    Click("sb_iPad");
    Click("sb_iPod");
    EXPECT_EQ(RememberedEntry(TargetiPod), -1);
    EXPECT_EQ(List("suiComboBox_PF")->currentIndex(), 1) << "the list keeps the panel's selection";
}

TEST_F(ProfileListTest, TargetWithoutProfilesHidesTheList)
{
    Form().SelectTarget(TargetMPEG);   // no ProfileName
    EXPECT_FALSE(Shown("suiComboBox_PF"));
    EXPECT_FALSE(Shown("Label_PF"));
    EXPECT_FALSE(Shown("suiImageButton_SaveProfile"));
    EXPECT_EQ(List("suiComboBox_PF")->count(), 0);
    Click("sb_iPad");   // iPad-Profile: a section without slots
    EXPECT_TRUE(Shown("suiComboBox_PF"));
    EXPECT_TRUE(Shown("suiImageButton_SaveProfile"));
    EXPECT_EQ(List("suiComboBox_PF")->count(), 0);
}

// The save button stores the whole panel under the name the user gives, in a free slot,
// and lists it chosen; the stored list reads back onto the panel.
TEST_F(ProfileListTest, SavesThePanelAsANamedProfileAndRemovesIt)
{
    List("suiComboBox_OutputFormat")->setCurrentIndex(1);
    List("suiComboBox_VideoFrameRate")->setCurrentIndex(3);
    Control<QSpinBox>("suiSpinEdit_VideoBitRate")->setValue(900);
    questions.AnswerText(QStringLiteral("  Evening  "));
    Click("suiImageButton_SaveProfile");
    EXPECT_EQ(questions.Asked().last().filter, "Tiny") << "the chosen entry's name is offered";
    const QByteArray stored = sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini"));
    EXPECT_TRUE(stored.contains("ProfileText1=Evening")) << stored.constData();
    EXPECT_EQ(Items("suiComboBox_PF").size(), 3);
    EXPECT_TRUE(List("suiComboBox_PF")->currentText().startsWith("Evening : Video-m4v"))
        << List("suiComboBox_PF")->currentText().toStdString();
    EXPECT_EQ(RememberedEntry(TargetiPod), 1);

    List("suiComboBox_PF")->setCurrentIndex(0);   // Small: other values
    List("suiComboBox_PF")->setCurrentIndex(1);   // Evening again
    EXPECT_EQ(List("suiComboBox_OutputFormat")->currentIndex(), 1);
    EXPECT_EQ(List("suiComboBox_VideoFrameRate")->currentIndex(), 3);
    EXPECT_EQ(Value("suiSpinEdit_VideoBitRate"), 900);

    questions.AnswerConfirm(true);
    Click("suiImageButton_RemoveProfile");
    EXPECT_EQ(Items("suiComboBox_PF").size(), 2);
    EXPECT_TRUE(sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")).contains("ProfileText1=nodef"));
}

// Protected profiles are refused, an existing name is overwritten only after a Yes, and a
// cancelled name question changes nothing.
TEST_F(ProfileListTest, SavingAndRemovingKeepTheStoresQuestionsAndProtections)
{
    const QByteArray before = sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini"));
    questions.AnswerText(QString());
    Click("suiImageButton_SaveProfile");
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")), before);

    List("suiComboBox_PF")->setCurrentIndex(1);   // Tiny: field 9 set
    questions.AnswerText(QStringLiteral("Tiny"));
    Click("suiImageButton_SaveProfile");
    Click("suiImageButton_RemoveProfile");
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information).size(), 2);
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")), before);

    List("suiComboBox_PF")->setCurrentIndex(0);   // Small
    questions.AnswerText(QStringLiteral("Small"));
    questions.AnswerConfirm(false);
    Click("suiImageButton_SaveProfile");
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")), before);
    questions.AnswerConfirm(false);
    Click("suiImageButton_RemoveProfile");
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")), before);
    EXPECT_EQ(questions.UnusedAnswers(), 0);
}

} // namespace
