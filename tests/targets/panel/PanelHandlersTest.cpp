// The panel's handlers on the main window: aspect modes and size fields, the volume
// track bar, the engine-switch notices, the DVD settings and the values the panel
// gives job assembly and naming.

#include "PanelFixture.h"

#include "ChoiceListWidgets.h"
#include "MainWindowStart.h"
#include "TargetCatalogue.h"
#include "mainform/TMainForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

using namespace targets;

namespace {

// Target AVI without a resolution list, so its size fields are shown; iPod has nothing.
const QByteArray SmallDefinitions = R"([Ostrel-AVI]
OutputFormatCount=1
OutputFormatText0=avi
OutputFormatDefault=0
VideoAspectCount=3
VideoAspectText0=Original
VideoAspectValue0=1
VideoAspectText1=Keep
VideoAspectValue1=2
VideoAspectText2=Free
VideoAspectValue2=0
VideoAspectDefault=1
AudioVolumeCount=5
AudioVolumeText0=-6
AudioVolumeText1=-3
AudioVolumeText2=0
AudioVolumeText3=3
AudioVolumeText4=6
AudioVolumeDefault=2
VideoWidthMin=-1000
VideoWidthMax=4000
VideoWidthDefault=640
VideoHeightMin=-1000
VideoHeightMax=4000
VideoHeightDefault=480

[Ostrel-AVI-avi]
VideoCodecText=xvid
AudioCodecText=mp3
)";

class PanelHandlersTest : public PanelFixture {
protected:
    QSpinBox *Width() { return Control<QSpinBox>("suiSpinEdit_VideoWidth"); }
    QSpinBox *Height() { return Control<QSpinBox>("suiSpinEdit_VideoHeight"); }
    QSize Fields() { return {Width()->value(), Height()->value()}; }
    QCheckBox *Box(const char *name) { return Control<QCheckBox>(name); }
};

TEST_F(PanelHandlersTest, SizeFieldsRoundToMultiplesOf4WhenLeft)
{
    StartWithDefinitions(SmallDefinitions);
    Form().SelectTarget(TargetAVI);
    TypeAndLeave("suiSpinEdit_VideoWidth", 642);
    TypeAndLeave("suiSpinEdit_VideoHeight", -6);
    EXPECT_EQ(Fields(), QSize(640, -4));
    TypeAndLeave("suiSpinEdit_VideoWidth", 640);
    EXPECT_EQ(Width()->value(), 640);
}

TEST_F(PanelHandlersTest, OriginalSizeShowsTheClipAndCustomSizeComesBack)
{
    StartWithDefinitions(SmallDefinitions);
    Form().SelectTarget(TargetAVI);
    TypeAndLeave("suiSpinEdit_VideoWidth", 720);
    TypeAndLeave("suiSpinEdit_VideoHeight", 400);

    List("suiComboBox_Profile")->setCurrentIndex(0);   // mode 1 with no clip shown
    EXPECT_EQ(panel->AspectMode(), 1);
    EXPECT_FALSE(Width()->isEnabled());
    EXPECT_FALSE(Height()->isEnabled());
    EXPECT_EQ(Fields(), QSize(720, 400)) << "no clip: the fields keep their values";

    List("suiComboBox_Profile")->setCurrentIndex(1);
    ShowClip(1280, 720);
    List("suiComboBox_Profile")->setCurrentIndex(0);
    EXPECT_EQ(Fields(), QSize(1280, 720));
    List("suiComboBox_Profile")->setCurrentIndex(2);   // mode 0
    EXPECT_TRUE(Width()->isEnabled());
    EXPECT_EQ(Fields(), QSize(720, 400));

    TypeAndLeave("suiSpinEdit_VideoWidth", 6);   // becomes 4: no custom size
    List("suiComboBox_Profile")->setCurrentIndex(0);
    List("suiComboBox_Profile")->setCurrentIndex(1);
    EXPECT_EQ(Fields(), QSize(1280, 720));
}

TEST_F(PanelHandlersTest, AspectAndSizeControlsStayGreen)
{
    StartWithDefinitions(SmallDefinitions);
    Form().SelectTarget(TargetAVI);
    List("suiComboBox_Profile")->setCurrentIndex(0);
    for (const char *name : {"suiComboBox_Profile", "suiComboBox_Resolution", "suiSpinEdit_VideoWidth",
                             "suiSpinEdit_VideoHeight"})
        EXPECT_EQ(Control(name)->palette().color(QPalette::Base), AspectControlColour()) << name;
    EXPECT_EQ(List("suiComboBox_VideoCodec")->palette().color(QPalette::Base), ParameterControlColour(false));
}

TEST_F(PanelHandlersTest, HdTargetInOriginalSizeOffersOneDisabledResolution)
{
    StartWithShippedDefinitions();
    Form().SelectTarget(TargetHDAVI);
    const QStringList resolutions = Items("suiComboBox_Resolution");
    ASSERT_GT(resolutions.size(), 1);
    List("suiComboBox_Profile")->setCurrentIndex(0);   // mode 1
    EXPECT_EQ(Items("suiComboBox_Resolution"), QStringList{OriginalSizeItem});
    EXPECT_EQ(List("suiComboBox_Resolution")->currentIndex(), 0);
    EXPECT_FALSE(List("suiComboBox_Resolution")->isEnabled());
    EXPECT_TRUE(Shown("suiComboBox_Resolution"));
    List("suiComboBox_Profile")->setCurrentIndex(1);
    EXPECT_EQ(Items("suiComboBox_Resolution"), resolutions);
    EXPECT_TRUE(List("suiComboBox_Resolution")->isEnabled());
}

// The rules of MPEG's aspect modes are the panel state's (PanelStateTest); here the
// aspect list's change reaches the state and every control shows the state afterwards.
TEST_F(PanelHandlersTest, MpegAspectChoicesReachTheStateAndTheControlsShowIt)
{
    StartWithShippedDefinitions();
    Form().SelectTarget(TargetMPEG);
    const PanelState &state = panel->State();
    for (int aspect : {3, 2}) {   // DVD NTSC 16:9 (mode 11, its own section), then mode 0
        SCOPED_TRACE(aspect);
        List("suiComboBox_Profile")->setCurrentIndex(aspect);
        EXPECT_EQ(state.aspect.selectedIndex, aspect);
        EXPECT_EQ(panel->AspectMode(), aspect == 3 ? 11 : 0);
        const std::pair<const char *, const ChoiceList *> lists[] = {
            {"suiComboBox_OutputFormat", &state.outputFormat}, {"suiComboBox_VideoCodec", &state.videoCodec},
            {"suiComboBox_AudioCodec", &state.audioCodec},     {"suiComboBox_VideoFrameRate", &state.frameRate},
            {"suiComboBox_AudioBitRate", &state.audioBitrate}, {"suiComboBox_AudioSampleRate", &state.audioSampleRate},
            {"suiComboBox_AudioChannel", &state.audioChannel}, {"suiComboBox_Volume", &state.volumeList}};
        for (const auto &[name, choices] : lists) {
            EXPECT_EQ(Items(name), choices->items) << name;
            EXPECT_EQ(List(name)->currentIndex(), choices->selectedIndex) << name;
        }
        EXPECT_EQ(Fields(), QSize(state.videoWidth.value, state.videoHeight.value));
        EXPECT_EQ(Width()->isEnabled(), state.videoWidth.enabled);
        EXPECT_EQ(Control<QSpinBox>("suiSpinEdit_VideoBitRate")->value(), state.videoBitRate.value);
        EXPECT_EQ(Control<QSlider>("suiTrackBar_Volume")->value(), state.volume.position);
        for (const char *name : {"suiSpinEdit_VideoWidth", "suiSpinEdit_VideoHeight", "Label21"})
            EXPECT_EQ(Shown(name), state.shown.sizeFields) << name;
        EXPECT_EQ(Shown("Label3"), state.shown.resolutionLabel);
        EXPECT_EQ(Shown("suiCheckBox_AddLetterBox"), state.shown.letterBox);
    }
    EXPECT_TRUE(Shown("suiSpinEdit_VideoWidth")) << "mode 0 takes a custom size again";
}

TEST_F(PanelHandlersTest, VolumeTrackBarFollowsTheVolumeList)
{
    StartWithDefinitions(SmallDefinitions);
    auto *track = Control<QSlider>("suiTrackBar_Volume");
    EXPECT_EQ(track->minimum(), 0) << "iPod has no volume list here";
    EXPECT_EQ(track->maximum(), 0);
    EXPECT_EQ(Control<QLabel>("Label_DB")->text(), "+ 0 db.");
    Form().SelectTarget(TargetAVI);
    EXPECT_EQ(track->minimum(), -6);
    EXPECT_EQ(track->maximum(), 6);
    EXPECT_EQ(track->value(), 2) << "the selected item's index, not its value";
    track->setValue(-3);
    EXPECT_EQ(Control<QLabel>("Label_DB")->text(), "+ -3 db.");
}

TEST_F(PanelHandlersTest, EngineSwitchesExplainThemselvesWhenChecked)
{
    StartWithShippedDefinitions();
    const std::pair<const char *, EngineSwitch> switches[] = {{"suiCheckBox_HQE", EngineSwitch::HighQuality},
                                                               {"suiCheckBox_DeInterlace", EngineSwitch::Deinterlace},
                                                               {"suiCheckBox_ForceSync", EngineSwitch::ForceSync}};
    for (const auto &[name, engineSwitch] : switches) {
        Box(name)->click();
        Box(name)->click();
        EXPECT_FALSE(Box(name)->isChecked());
        ASSERT_FALSE(questions.Asked().isEmpty());
        EXPECT_EQ(questions.Asked().last().text, EngineSwitchNotice(engineSwitch)) << name;
    }
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information).size(), 3) << "unchecking tells nothing";
}

TEST_F(PanelHandlersTest, DvdPairsActAsRadioButtonsAndTheSelectorSetsThem)
{
    StartWithShippedDefinitions();
    EXPECT_EQ(List("suiComboBox_DVDPF")->currentIndex(), 0);
    EXPECT_TRUE(Box("suiCheckBox_DVD_NTSC")->isChecked()) << "the boxes start as the selector's first setting";
    EXPECT_FALSE(Box("suiCheckBox_DVD_PAL")->isChecked());
    EXPECT_TRUE(Box("suiCheckBox_DVD_43")->isChecked());
    EXPECT_FALSE(Box("suiCheckBox_DVD_169")->isChecked());

    List("suiComboBox_DVDPF")->setCurrentIndex(3);
    EXPECT_FALSE(Box("suiCheckBox_DVD_NTSC")->isChecked());
    EXPECT_TRUE(Box("suiCheckBox_DVD_PAL")->isChecked());
    EXPECT_FALSE(Box("suiCheckBox_DVD_43")->isChecked());
    EXPECT_TRUE(Box("suiCheckBox_DVD_169")->isChecked());

    Box("suiCheckBox_DVD_PAL")->click();   // clicking the checked box keeps it checked
    EXPECT_TRUE(Box("suiCheckBox_DVD_PAL")->isChecked());
    EXPECT_FALSE(Box("suiCheckBox_DVD_NTSC")->isChecked());
    Box("suiCheckBox_DVD_NTSC")->click();
    EXPECT_TRUE(Box("suiCheckBox_DVD_NTSC")->isChecked());
    EXPECT_FALSE(Box("suiCheckBox_DVD_PAL")->isChecked());
    Box("suiCheckBox_DVD_43")->click();
    EXPECT_TRUE(Box("suiCheckBox_DVD_43")->isChecked());
    EXPECT_FALSE(Box("suiCheckBox_DVD_169")->isChecked());
    EXPECT_TRUE(Box("suiCheckBox_DVD_NTSC")->isChecked()) << "the other pair is left alone";
    EXPECT_EQ(List("suiComboBox_DVDPF")->currentIndex(), 3) << "the boxes do not change the selector";
}

TEST_F(PanelHandlersTest, JobAndNamingReadThePanel)
{
    StartWithShippedDefinitions();
    windows->Options.renameSettings.nameTemplate = QStringLiteral("#Name-#Resolution");
    TVideoInfo &clip = AddClip(QStringLiteral("/films/Holiday.avi"));
    clipList->RefreshOutputNames();
    EXPECT_EQ(clip.OutputName, "Holiday-640x480.mp4");

    List("suiComboBox_OutputFormat")->setCurrentIndex(1);
    EXPECT_EQ(clip.OutputName, "Holiday-640x480.m4v") << "an output-format change renames the outputs";
    List("suiComboBox_Resolution")->setCurrentIndex(0);
    EXPECT_EQ(clip.OutputName, "Holiday-320x240.m4v");

    const naming::OutputPanelValues naming = panel->OutputValues();
    EXPECT_EQ(naming.targetNumber, TargetiPod);
    EXPECT_TRUE(naming.resolutionListShown);
    EXPECT_EQ(naming.resolutionText, "320:240");
    EXPECT_EQ(naming.outputFormatIndex, 1);
    EXPECT_EQ(naming.outputFormatValue, "m4v");

    Box("suiCheckBox_DVD_169")->click();
    Control<QSlider>("suiTrackBar_Volume")->setValue(7);
    const conversion::JobPanelValues job = panel->JobValues();
    EXPECT_EQ(job.outputFormatIndex, 1);
    EXPECT_EQ(job.outputFormatText, "m4v");
    EXPECT_TRUE(job.resolutionListVisible);
    EXPECT_EQ(job.resolutionText, "320:240");
    EXPECT_EQ(job.audioBitRateIndex, List("suiComboBox_AudioBitRate")->currentIndex());
    EXPECT_EQ(job.videoBitRateText, "1000");
    EXPECT_EQ(job.volumePosition, 7);
    EXPECT_TRUE(job.dvdNtsc);
    EXPECT_TRUE(job.dvdWide);
    EXPECT_EQ(panel->JobValues().volumePosition, 7);

    Click("sb_MP3");
    EXPECT_FALSE(panel->JobValues().resolutionListVisible);
    EXPECT_TRUE(clip.OutputName.endsWith(".mp3")) << clip.OutputName.toStdString();
}

} // namespace
