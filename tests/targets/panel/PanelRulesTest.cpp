#include "PanelRules.h"
#include "RememberedPanels.h"

#include <gtest/gtest.h>

using namespace targets;

namespace {

TEST(PanelRules, SizesRoundTowardZeroToAMultipleOf4)
{
    const std::pair<int, int> cases[] = {{642, 640}, {640, 640}, {643, 640}, {3, 0}, {-6, -4}, {-3, 0}, {-8, -8}};
    for (const auto &[typed, left] : cases)
        EXPECT_EQ(RoundTowardZeroToMultipleOf4(typed), left) << typed;
}

TEST(PanelRules, VolumeTrackSpansTheListAndStandsAtTheSelectedIndex)
{
    EXPECT_EQ(VolumeTrackOf({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 3), (VolumeTrack{0, 9, 3}));
    EXPECT_EQ(VolumeTrackOf({"-4", "0", "4"}, 2), (VolumeTrack{-4, 4, 2})) << "the position is the index, not the value";
    EXPECT_EQ(VolumeTrackOf({}, -1), (VolumeTrack{0, 0, -1}));
    EXPECT_EQ(VolumeLabelText(3), "+ 3 db.");
    EXPECT_EQ(VolumeLabelText(0), "+ 0 db.");
}

TEST(PanelRules, DvdSettingsSetTheirBoxes)
{
    EXPECT_EQ(DvdBoxesOfSetting(0), (DvdBoxes{true, false, true, false}));
    EXPECT_EQ(DvdBoxesOfSetting(1), (DvdBoxes{true, false, false, true}));
    EXPECT_EQ(DvdBoxesOfSetting(2), (DvdBoxes{false, true, true, false}));
    EXPECT_EQ(DvdBoxesOfSetting(3), (DvdBoxes{false, true, false, true}));
    EXPECT_FALSE(DvdBoxesOfSetting(-1));
    EXPECT_FALSE(DvdBoxesOfSetting(4));
}

TEST(PanelRules, VisibilityFollowsTheTargetAndTheResolutionList)
{
    struct Case {
        int target;
        int resolutionItems;
        PanelVisibility shown;
    };
    //                      device audio  vcodec video  list   size   dvd
    const Case cases[] = {
        {TargetiPod, 2, {true, true, true, true, true, false, false}},
        {TargetAVI, 8, {false, true, true, true, true, false, false}},
        {TargetMPEG, 0, {false, true, true, true, false, true, false}},
        {TargetMP3, 0, {false, true, false, false, false, false, false}},
        {TargetMP3, 3, {false, true, false, false, false, false, false}},
        {TargetVOB_File, 4, {false, true, true, true, true, false, true}},
        {TargetDVD_ISO, 4, {false, true, true, true, true, false, true}},
        {TargetAndroid, 1, {true, true, true, true, true, false, false}},
        {TargetAAC, 0, {false, true, true, true, false, true, false}},
    };
    for (const Case &each : cases)
        EXPECT_EQ(VisibilityOf(each.target, each.resolutionItems), each.shown) << each.target;
}

TEST(PanelRules, SizeSyncTakesTheClipOrTheLastCustomSize)
{
    const QSize clip(1280, 720);
    const QSize typed(640, 352);
    EXPECT_EQ(SyncedSize(1, typed, clip), clip);
    EXPECT_EQ(SyncedSize(1, typed, std::nullopt), std::nullopt) << "no clip: the fields keep their values";
    EXPECT_EQ(SyncedSize(2, typed, clip), typed);
    EXPECT_EQ(SyncedSize(0, typed, std::nullopt), typed);
    EXPECT_EQ(SyncedSize(2, QSize(640, 7), clip), clip) << "a number below 8 is no custom size";
    EXPECT_EQ(SyncedSize(0, QSize(0, 0), std::nullopt), std::nullopt);
    EXPECT_EQ(SyncedSize(11, typed, clip), std::nullopt);
    EXPECT_EQ(SyncedSize(3, typed, clip), std::nullopt);
}

TEST(PanelRules, OnlyMpegModesAbove10HaveTheirOwnSection)
{
    EXPECT_TRUE(UsesAspectModeSection(TargetMPEG, 11));
    EXPECT_FALSE(UsesAspectModeSection(TargetMPEG, 10));
    EXPECT_FALSE(UsesAspectModeSection(TargetHDMPEG, 11));
}

TEST(PanelRules, EngineSwitchNotices)
{
    EXPECT_EQ(EngineSwitchNotice(EngineSwitch::HighQuality),
              "This feature can improve the image quality. But it will slow down the converting process.");
    EXPECT_EQ(EngineSwitchNotice(EngineSwitch::Deinterlace),
              "If your original video is interleaving video, the Advanced De-interlace Accelerator can make it much "
              "clearer.");
    EXPECT_EQ(EngineSwitchNotice(EngineSwitch::ForceSync),
              "If your original file's audio is out of sync with video, the Intelligent A/V Synchronizer can help you "
              "solve the problem.\nPlease do not use this feature if there is no such problem with your original file.");
}

TEST(RememberedPanels, OnlyTargetsUpTo38AreRemembered)
{
    RememberedPanels panels;
    RememberedPanel panel;
    panel.videoWidth = 642;
    for (int target : {-1, 39, 40, 42, 43})
        panels.Store(target, panel);
    for (int target : {-1, 0, 38, 39, 42})
        EXPECT_EQ(panels.FilledSlot(target), nullptr) << target;
    panels.Store(0, panel);
    panels.Store(38, panel);
    ASSERT_NE(panels.FilledSlot(38), nullptr);
    EXPECT_TRUE(panels.FilledSlot(38)->filled);
    EXPECT_EQ(panels.FilledSlot(0)->videoWidth, 642);
    EXPECT_EQ(panels.FilledSlot(1), nullptr);
}

TEST(RememberedPanels, RestoreOrderPutsTheFormatBeforeTheCodecsAndTheAspectBeforeTheSizes)
{
    RememberedPanel panel{true, 1, 2, 3, 4, 5, 6, 7, 800, 9, 640, 480, 12};
    const QVector<RestoreValue> expected = {
        {RestoreStep::AudioSampleRate, 2}, {RestoreStep::AudioChannel, 3}, {RestoreStep::AudioBitrate, 4},
        {RestoreStep::OutputFormat, 12},   {RestoreStep::VideoCodec, 6},   {RestoreStep::AudioCodec, 1},
        {RestoreStep::FrameRate, 7},       {RestoreStep::Aspect, 9},       {RestoreStep::VideoBitRate, 800},
        {RestoreStep::VideoWidth, 640},    {RestoreStep::VideoHeight, 480}, {RestoreStep::VolumePosition, 5},
    };
    EXPECT_EQ(RestoreOrder(panel), expected);
}

} // namespace
