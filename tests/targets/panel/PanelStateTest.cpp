// The panel as a value on the shipped definitions and profiles: target selection with the
// preselected profile, profiles by name, what the panel remembers per target, target
// MPEG's aspect-mode sections, a profile saved from the panel and put back, and edits by key.

#include "PanelState.h"

#include "ProfileValueList.h"
#include "TargetCatalogue.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace targets;

namespace {

const ProfileDefinitions &Shipped()
{
    static const ProfileDefinitions definitions = ProfileDefinitions::Load(PELORIN_SHIPPED_DEFINITIONS);
    return definitions;
}

class PanelStateTest : public ::testing::Test {
protected:
    // The shipped PfSetting.ini, copied so that saving cannot touch the original.
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(PELORIN_SHIPPED_SETTINGS), SettingsPath()));
        QFile::setPermissions(SettingsPath(), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString SettingsPath() const { return folder_.filePath(QStringLiteral("PfSetting.ini")); }
    PanelInputs Inputs() const { return {Shipped(), &store, clipSize, QStringLiteral("/out/")}; }

    QTemporaryDir folder_;
    ProfileStore store{SettingsPath()};
    std::optional<QSize> clipSize = QSize(640, 360);
    PanelState panel;
};

TEST_F(PanelStateTest, TargetSelectionPutsThePreselectedProfileOn)
{
    SelectTarget(panel, TargetiPod, Inputs());
    EXPECT_EQ(panel.targetSection, QStringLiteral("Ostrel-iPod"));
    EXPECT_EQ(panel.outputFolder, QStringLiteral("/out/") + TargetFolder(TargetiPod));
    EXPECT_EQ(ProfileNames(panel), QStringList({"Standard", "High Quality", "Small Size"}));
    EXPECT_EQ(panel.profileIndex, 0);
    EXPECT_TRUE(panel.shown.profileList);
    EXPECT_EQ(panel.videoBitRate.value, 1000) << "Standard";
    EXPECT_EQ(panel.audioBitrate.selectedIndex, 2);
    EXPECT_TRUE(panel.shown.deviceNames);
    EXPECT_TRUE(panel.shown.resolutionList);
    EXPECT_FALSE(panel.shown.sizeFields);
    EXPECT_FALSE(panel.shown.dvdSetting);

    ASSERT_FALSE(ApplyProfileNamed(panel, QStringLiteral(" small size"), Inputs()));
    EXPECT_EQ(panel.profileIndex, 2);
    EXPECT_EQ(panel.videoBitRate.value, 500);
    EXPECT_EQ(panel.resolution.selectedIndex, 0);

    const std::optional<QString> unknown = ApplyProfileNamed(panel, QStringLiteral("Tiny"), Inputs());
    ASSERT_TRUE(unknown);
    EXPECT_EQ(*unknown, QStringLiteral("unknown profile \"Tiny\" for iPod; profiles: Standard, High Quality, Small Size"));
    EXPECT_EQ(panel.videoBitRate.value, 500) << "a refused profile changes nothing";

    PanelState withoutStore;
    SelectTarget(withoutStore, TargetiPod, {Shipped(), nullptr, clipSize, QString()});
    EXPECT_FALSE(withoutStore.shown.profileList);
    EXPECT_EQ(ApplyProfileNamed(withoutStore, QStringLiteral("Standard"), Inputs()),
              QStringLiteral("iPod has no saved profiles"));
}

TEST_F(PanelStateTest, EachTargetGetsBackWhatTheUserLeftButNotTheResolution)
{
    SelectTarget(panel, TargetAVI, Inputs());
    const int filledResolution = panel.resolution.selectedIndex;
    ChooseAspect(panel, 2, Inputs());
    SetVideoBitRate(panel, 1234);
    SelectChoice(panel, PanelList::FrameRate, 3);
    SelectChoice(panel, PanelList::Resolution, filledResolution + 1);

    SelectTarget(panel, TargetMP3, Inputs());
    EXPECT_FALSE(panel.shown.videoSettings);
    EXPECT_FALSE(panel.shown.resolutionList);
    SelectTarget(panel, TargetAVI, Inputs());
    EXPECT_EQ(panel.videoBitRate.value, 1234);
    EXPECT_EQ(panel.frameRate.selectedIndex, 3);
    EXPECT_EQ(panel.aspect.selectedIndex, 2);
    EXPECT_EQ(panel.resolution.selectedIndex, filledResolution) << "the resolution is not remembered";

    SelectTarget(panel, TargetMP3, Inputs());
    SelectChoice(panel, PanelList::AudioBitrate, 0);
    SelectTarget(panel, TargetAVI, Inputs());
    SelectTarget(panel, TargetMP3, Inputs());
    PanelState fresh;
    SelectTarget(fresh, TargetMP3, Inputs());
    ASSERT_NE(fresh.audioBitrate.selectedIndex, 0);
    EXPECT_EQ(panel.audioBitrate, fresh.audioBitrate) << "the music target is filled fresh every time";
}

TEST_F(PanelStateTest, MpegAspectModesAboveTenReadTheirOwnSection)
{
    SelectTarget(panel, TargetMPEG, Inputs());
    EXPECT_FALSE(panel.shown.letterBox);
    EXPECT_TRUE(panel.shown.sizeFields);
    ASSERT_FALSE(SetByKey(panel, QStringLiteral("VideoAspect"), QStringLiteral("DVD NTSC 16:9 (720 x 480)"), Inputs()));
    EXPECT_EQ(panel.aspectMode, 11);
    EXPECT_TRUE(panel.shown.letterBox);
    EXPECT_FALSE(panel.shown.sizeFields);
    EXPECT_FALSE(panel.shown.resolutionLabel);
    EXPECT_EQ(panel.videoCodec.items, QStringList{"MPEG-2"});
    EXPECT_EQ(panel.outputFormat.selectedIndex, 1) << "vob, the mode's own preselection";
    EXPECT_EQ(QSize(panel.videoWidth.value, panel.videoHeight.value), QSize(720, 480));
    EXPECT_FALSE(panel.videoWidth.enabled);

    ChooseAspect(panel, 1, Inputs());   // mode 2: the target section again
    EXPECT_EQ(panel.videoCodec.items, QStringList({"MPEG-2", "MPEG-1"}));
    EXPECT_FALSE(panel.shown.letterBox);
    EXPECT_TRUE(panel.shown.sizeFields);
    EXPECT_TRUE(panel.videoWidth.enabled);
}

TEST_F(PanelStateTest, AProfileSavedFromThePanelPutsThePanelBack)
{
    SelectTarget(panel, TargetiPod, Inputs());
    ASSERT_FALSE(SetByKey(panel, QStringLiteral("OutputFormat"), QStringLiteral("m4v"), Inputs()));
    ASSERT_FALSE(SetByKey(panel, QStringLiteral("VideoCodec"), QStringLiteral("MPEG-4"), Inputs()));
    ASSERT_FALSE(SetByKey(panel, QStringLiteral("VideoBitRate"), QStringLiteral("768"), Inputs()));
    ASSERT_FALSE(SetByKey(panel, QStringLiteral("AudioVolume"), QStringLiteral("4"), Inputs()));
    const PanelState saved = panel;
    const ProfileQuestions silent{[](const QString &) {}, [](const QString &) { return true; }};
    ASSERT_TRUE(store.SaveProfile(panel.profiles.section, QStringLiteral("Mine"),
                                  PanelProfileValueList(ProfileChoiceOf(panel)), silent));

    PanelState fresh;
    SelectTarget(fresh, TargetiPod, Inputs());
    ASSERT_FALSE(ApplyProfileNamed(fresh, QStringLiteral("Mine"), Inputs()));
    for (const auto &[name, list] : {std::pair("outputFormat", &PanelState::outputFormat),
                                     std::pair("videoCodec", &PanelState::videoCodec),
                                     std::pair("audioBitrate", &PanelState::audioBitrate),
                                     std::pair("resolution", &PanelState::resolution)})
        EXPECT_EQ(fresh.*list, saved.*list) << name;
    EXPECT_EQ(fresh.videoBitRate, saved.videoBitRate);
    EXPECT_EQ(fresh.volume, saved.volume);
}

struct KeyEdit {
    int target;
    const char *key;
    const char *value;
    const char *error;   // empty: taken
};

TEST_F(PanelStateTest, EditsByKeyAreTakenOrRefusedWithTheReason)
{
    const KeyEdit edits[] = {
        {TargetiPod, "audiobitrate", "96", ""},
        {TargetiPod, "VideoCodec", "mpeg4", ""},   // the engine value
        {TargetiPod, "AudioCodec", "MP3", "AudioCodec has no choice \"MP3\" for iPod; choices: *AAC"},
        {TargetiPod, "VideoBitRate", "99999", "VideoBitRate is out of range for iPod; now 1000, range 100 to 1500"},
        {TargetiPod, "VideoBitRate", "fast", "VideoBitRate takes a whole number, not \"fast\""},
        {TargetiPod, "Sharpness", "3", "unknown setting \"Sharpness\"; settings: OutputFormat, VideoAspect, "},
        {TargetiPod, "HighQuality", "maybe", "HighQuality takes on or off, not \"maybe\""},
        {TargetiPod, "HighQuality", "on", ""},
        {TargetiPod, "ArtistName", "Someone", ""},
        {TargetDVD_Folder, "DVDSetting", "DVD Format: PAL, Aspact Ratio: 16:9 for Wide-screen TV", ""},
        {TargetAVI, "VideoWidth", "642", "VideoWidth is out of range for AVI; now 0, range 0 to 0"},
    };
    for (const KeyEdit &edit : edits) {
        SCOPED_TRACE(std::string(edit.key) + "=" + edit.value);
        PanelState state;
        SelectTarget(state, edit.target, Inputs());
        const PanelState before = state;
        const std::optional<QString> error = SetByKey(state, QLatin1String(edit.key), QLatin1String(edit.value), Inputs());
        if (*edit.error) {
            ASSERT_TRUE(error);
            EXPECT_TRUE(error->startsWith(QLatin1String(edit.error))) << error->toStdString();
            EXPECT_EQ(state, before) << "a refused edit changes nothing";
        } else {
            EXPECT_FALSE(error) << error->toStdString();
        }
    }
}

} // namespace
