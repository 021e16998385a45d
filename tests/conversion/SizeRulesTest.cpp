#include "SizeRules.h"

#include "TargetCatalogue.h"

#include <gtest/gtest.h>

namespace conversion {
namespace {

JobClip Source(int width, int height, int aspectIndex = 4, bool aspectFromCode = false)
{
    JobClip clip;
    clip.width = width;
    clip.height = height;
    clip.aspectIndex = aspectIndex;
    clip.aspectFromCode = aspectFromCode;
    return clip;
}

struct SizeCase {
    const char *name;
    int target;
    int aspectMode;
    const char *videoResolution;
    JobClip clip;
    JobPanelValues panel;
    const char *frameSize;
    const char *pictureSize;
    const char *displayAspect;
    int tvSystem;
};

JobPanelValues Dvd(bool ntsc, bool wide, bool letterBox = true)
{
    JobPanelValues panel;
    panel.dvdNtsc = ntsc;
    panel.dvdWide = wide;
    panel.addLetterBoxVob = letterBox;
    return panel;
}

JobPanelValues Box(int width, int height, bool letterBox = true)
{
    JobPanelValues panel;
    panel.videoWidth = width;
    panel.videoHeight = height;
    panel.addLetterBox = letterBox;
    return panel;
}

void PrintTo(const SizeCase &sizeCase, std::ostream *out)
{
    *out << sizeCase.name;
}

class SizeRuleTable : public testing::TestWithParam<SizeCase> {};

TEST_P(SizeRuleTable, GivesFramePictureAspectAndTvSystem)
{
    const SizeCase &c = GetParam();
    ConvertJob job;
    job.AspectMode = c.aspectMode;
    job.VideoResolution = QString::fromLatin1(c.videoResolution);
    job.TvSystem = 7;   // shows whether the rule sets it
    ApplySizeRules(job, c.target, c.panel, c.clip);
    EXPECT_EQ(job.FrameSize, QLatin1String(c.frameSize));
    EXPECT_EQ(job.PictureSize, QLatin1String(c.pictureSize));
    EXPECT_EQ(job.DisplayAspect, QLatin1String(c.displayAspect));
    EXPECT_EQ(job.TvSystem, c.tvSystem);
}

using namespace targets;

INSTANTIATE_TEST_SUITE_P(Dvd, SizeRuleTable, testing::Values(
    SizeCase{"Ntsc43Square", TargetVOB_File, 0, "720:480", Source(640, 480), Dvd(true, false), "720:480", "720:480", "4:3", 1},
    SizeCase{"Ntsc43Wide", TargetVOB_File, 0, "720:480", Source(1280, 720), Dvd(true, false), "720:480", "720:360", "4:3", 1},
    SizeCase{"Ntsc169Narrow", TargetDVD_Folder, 0, "720:480", Source(640, 480), Dvd(true, true), "720:480", "540:480", "16:9", 1},
    SizeCase{"Ntsc169Wide", TargetDVD_Folder, 0, "720:480", Source(1280, 720), Dvd(true, true), "720:480", "720:480", "16:9", 1},
    SizeCase{"Ntsc43Anamorphic", TargetVOB_File, 0, "720:480", Source(720, 480, 1, true), Dvd(true, false), "720:480", "720:360", "4:3", 1},
    SizeCase{"Ntsc43Cinema", TargetVOB_File, 0, "720:480", Source(1920, 800), Dvd(true, false), "720:480", "720:268", "4:3", 1},
    SizeCase{"Pal169Narrow", TargetVOB_File, 0, "720:576", Source(768, 576), Dvd(false, true), "720:576", "540:576", "16:9", 2},
    SizeCase{"Pal43NoLetterBox", TargetVOB_File, 0, "720:576", Source(1280, 720), Dvd(false, false, false), "720:576", "720:576", "4:3", 2}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Mpeg, SizeRuleTable, testing::Values(
    SizeCase{"Mode0ProfileSize", TargetMPEG, 0, "352:240", Source(1280, 720, 1), Box(0, 0), "352:240", "352:240", "16:9", 0},
    SizeCase{"Mode0CodedAspect", TargetMPEG, 0, "352:288", Source(704, 576, 4), Box(0, 0), "352:288", "352:288", "704/576", 0},
    SizeCase{"Mode1SourceSize", TargetMPEG, 1, "352:240", Source(1280, 720, 0), Box(0, 0), "1280:720", "1280:720", "4:3", 0},
    SizeCase{"Mode2FitsTheSpinBox", TargetMPEG, 2, "640:480", Source(1280, 720, 1), Box(640, 480), "640:480", "640:360", "16:9", 0},
    SizeCase{"Mode2TallSource", TargetMPEG, 2, "640:480", Source(480, 480, 2), Box(640, 480), "640:480", "480:480", "1:1", 0},
    SizeCase{"Mode11", TargetMPEG, 11, "720:480", Source(640, 480), Box(0, 0), "720:480", "540:480", "16:9", 1},
    SizeCase{"Mode11NoLetterBox", TargetMPEG, 11, "720:480", Source(640, 480), Box(0, 0, false), "720:480", "720:480", "16:9", 1},
    SizeCase{"Mode12", TargetMPEG, 12, "720:576", Source(1280, 720), Box(0, 0), "720:576", "720:576", "16:9", 2},
    SizeCase{"Mode13", TargetMPEG, 13, "480:480", Source(1280, 720), Box(0, 0), "480:480", "480:360", "4:3", 1},
    SizeCase{"Mode14", TargetMPEG, 14, "480:576", Source(640, 480), Box(0, 0), "480:576", "480:576", "4:3", 2},
    SizeCase{"Mode15", TargetMPEG, 15, "352:240", Source(1280, 720), Box(0, 0), "352:240", "352:180", "4:3", 1},
    SizeCase{"Mode16", TargetMPEG, 16, "352:288", Source(1280, 720), Box(0, 0), "352:288", "352:216", "4:3", 2},
    SizeCase{"Mode17", TargetMPEG, 17, "720:480", Source(1280, 720), Box(0, 0), "720:480", "720:360", "4:3", 1},
    SizeCase{"Mode18", TargetMPEG, 18, "720:576", Source(1280, 720), Box(0, 0), "720:576", "720:432", "4:3", 2}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(OtherTargets, SizeRuleTable, testing::Values(
    SizeCase{"Mode0", TargetAVI, 0, "320:240", Source(1280, 720), Box(0, 0), "320:240", "320:240", "1:1", 7},
    SizeCase{"Mode1", TargetiPod, 1, "320:240", Source(1280, 720), Box(0, 0), "1280:720", "1280:720", "1:1", 7},
    SizeCase{"Mode2Box", TargetMP4, 2, "320:240", Source(1280, 720), Box(0, 0), "320:240", "320:180", "1:1", 7},
    SizeCase{"Mode2BoxSquare", TargetMP4, 2, "320:240", Source(480, 480), Box(0, 0), "320:240", "240:240", "1:1", 7},
    SizeCase{"Mode2BoxRoundsUpWithinBox", TargetMP4, 2, "642:480", Source(640, 480), Box(0, 0), "642:480", "640:480", "1:1", 7},
    SizeCase{"Mode2BoxHeldAtBox", TargetMP4, 2, "638:480", Source(640, 480), Box(0, 0), "638:480", "638:480", "1:1", 7},
    SizeCase{"Mode2BoxAnamorphic", TargetMP4, 2, "640:480", Source(720, 576, 1, true), Box(0, 0), "640:480", "640:360", "1:1", 7},
    SizeCase{"AutoHeight", TargetAndroid, 2, "320:auto", Source(1280, 720), Box(0, 0), "320:180", "320:180", "1:1", 7},
    SizeCase{"AutoHeightRoundsUp", TargetAndroid, 2, "400:Auto", Source(1280, 536), Box(0, 0), "400:168", "400:168", "1:1", 7},
    SizeCase{"AutoWidth", TargetAndroid, 2, "auto:240", Source(1280, 720), Box(0, 0), "428:240", "428:240", "1:1", 7},
    SizeCase{"AutoWidthAnamorphic", TargetAndroid, 2, "auto:480", Source(720, 576, 1, true), Box(0, 0), "856:480", "856:480", "1:1", 7},
    SizeCase{"AutoHasNoUpperBound", TargetAndroid, 2, "2000:auto", Source(640, 480), Box(0, 0), "2000:1500", "2000:1500", "1:1", 7},
    SizeCase{"DvdDiscUsesGeneralRules", TargetDVD_Disc, 0, "720:480", Source(1280, 720), Box(0, 0), "720:480", "720:480", "1:1", 7}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SizeRules, ModesWithoutARuleKeepTheLastSizes)
{
    ConvertJob job;
    job.FrameSize = QStringLiteral("1:2");
    job.PictureSize = QStringLiteral("3:4");
    job.DisplayAspect = QStringLiteral("5:6");
    job.TvSystem = 2;
    job.VideoResolution = QStringLiteral("320:240");
    for (int mode : {3, 10}) {
        job.AspectMode = mode;
        ApplySizeRules(job, TargetMPEG, Box(0, 0), Source(640, 480));
        ApplySizeRules(job, TargetAVI, Box(0, 0), Source(640, 480));
        EXPECT_EQ(job.FrameSize, QLatin1String("1:2"));
        EXPECT_EQ(job.PictureSize, QLatin1String("3:4"));
        EXPECT_EQ(job.DisplayAspect, QLatin1String("5:6"));
    }
    EXPECT_EQ(job.TvSystem, 0) << "MPEG always clears the TV system first";
}

TEST(SizeRules, FitPictureInFrameKeepsTheSourceUndistorted)
{
    // Displayed aspect of the picture = (picture width / frame width) * frame aspect / (picture height / frame height).
    EXPECT_EQ(FitPictureInFrame(720, 480, 4.0 / 3.0, {1280, 720}), QLatin1String("720:360"));
    EXPECT_EQ(FitPictureInFrame(720, 480, 16.0 / 9.0, {640, 480}), QLatin1String("540:480"));
    EXPECT_EQ(FitPictureInFrame(720, 480, 4.0 / 3.0, {640, 480}), QLatin1String("720:480"));
    EXPECT_EQ(FitPictureInFrame(720, 576, 16.0 / 9.0, {720, 1280}), QLatin1String("226:576")) << "portrait source";
}

TEST(SizeRules, SourcesWithoutASizeNeverDivideByZero)
{
    EXPECT_EQ(FitPictureInFrame(720, 480, 4.0 / 3.0, {0, 0}), QLatin1String("720:480"));
    EXPECT_EQ(FitPictureInBox(320, 240, {0, 0}), QLatin1String("320:240"));
    EXPECT_EQ(FitPictureInBox(320, 0, {640, 480}), QLatin1String("0:0"));
    const PixelSize automatic = AutomaticSize(320, 0, {0, 0});
    EXPECT_EQ(automatic.width, 320);
    EXPECT_EQ(automatic.height, 320);
}

TEST(SizeRules, SourceDisplaySizeFollowsTheAspectCode)
{
    const PixelSize wide = SourceDisplaySize(Source(720, 576, 1, true));
    EXPECT_EQ(wide.width, 1024);
    EXPECT_EQ(wide.height, 576);
    const PixelSize coded = SourceDisplaySize(Source(720, 576, 1, false));
    EXPECT_EQ(coded.width, 720);
    const PixelSize unknownAspect = SourceDisplaySize(Source(720, 576, 4, true));
    EXPECT_EQ(unknownAspect.width, 720) << "an aspect of 0 falls back to the coded size";
}

TEST(SizeRules, RoundUpToFourRaisesToTheNextMultiple)
{
    EXPECT_EQ(RoundUpToFour(0), 0);
    EXPECT_EQ(RoundUpToFour(5), 8);
    EXPECT_EQ(RoundUpToFour(8), 8);
    EXPECT_EQ(RoundUpToFour(359), 360);
    EXPECT_EQ(RoundUpToFour(-6), -4);
}

TEST(SizeRules, DisplayAspectNames)
{
    const char *names[] = {"4:3", "16:9", "1:1", "2.21:1", "720/480"};
    for (int index = 0; index < 5; ++index)
        EXPECT_EQ(DisplayAspectName(Source(720, 480, index)), QLatin1String(names[index]));
}

} // namespace
} // namespace conversion
