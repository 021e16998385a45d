// The size, thumbnail, flag and text rules of adding a file, the default audio
// choice and the adding pass's progress and report.

#include "AddingReport.h"
#include "AudioChoice.h"
#include "ProbeRules.h"
#include "VideoInfo.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(ThumbnailRules, SizesFitTheBoxAndRoundUpToFour)
{
    const struct { int width, height; bool fromCode; int aspectCode; int thumbWidth, thumbHeight; } cases[] = {
        {1920, 1080, false, 1, 240, 136},   // 135 rounded up
        {720, 480, false, 2, 240, 160},
        {720, 576, true, 3, 240, 136},      // shown as 1024 x 576
        {640, 480, false, 1, 240, 180},
        {480, 640, false, 1, 136, 180},     // portrait: 135 rounded up
        {720, 480, true, 9, 240, 160},      // unknown aspect keeps the coded width
        {100000, 1, false, 1, 240, 4},      // absurd sizes still ask for a picture
        {1, 100000, false, 1, 4, 180},
        {0, 0, false, 1, 240, 180},
    };
    for (const auto &c : cases) {
        const QSize size = probe::ThumbnailSize(c.width, c.height, c.fromCode,
                                                DisplayAspectOfIndex(AspectIndexOfEngineCode(c.aspectCode)));
        EXPECT_EQ(size, QSize(c.thumbWidth, c.thumbHeight)) << c.width << "x" << c.height;
    }
}

TEST(ProbeRules, TransportStreamFlagFollowsTheExtensionUnlessTheFormatDenies)
{
    const struct { const char *file; const char *format; int flag; } cases[] = {
        {"/v/a.ts", "MPEG-TS", 1},   {"/v/a.m2ts", "BDAV", 1},    {"/v/a.mts", "", 1},
        {"/v/a.avi", "MPEG-TS", 0},  {"/v/a.TS", "Unable to load MediaInfo.dll", 1},
        {"/v/a.ts", "TS-like", 0},   {"/v/a.ts", "ts", 0},        {"/v/a.ts", "bdav", 1},
        {"/v/ts.dir/a", "MPEG-TS", 0}, {"/v/a.tsx", "", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(probe::TransportStreamFlag(c.file, c.format), c.flag) << c.file << " " << c.format;
}

TEST(ProbeRules, ContainerKindsAndSizeFallbacks)
{
    EXPECT_EQ(probe::ContainerKindOf("Windows Media"), 0);
    EXPECT_EQ(probe::ContainerKindOf("BDAV"), 1);
    EXPECT_EQ(probe::ContainerKindOf("MPEG-TS"), 1);
    EXPECT_EQ(probe::ContainerKindOf("Matroska"), 2);
    EXPECT_EQ(probe::ContainerKindOf("matroska"), -1);
    EXPECT_EQ(probe::ContainerKindOf("Unable to load MediaInfo.dll"), -1);

    EXPECT_EQ(probe::SizeText(probe::SizeWithFallback(0, 1920, 720), probe::SizeWithFallback(0, 1080, 480)), "1920X1080");
    EXPECT_EQ(probe::SizeText(probe::SizeWithFallback(-1, 0, 720), probe::SizeWithFallback(0, 0, 480)), "720X480");
    EXPECT_EQ(probe::SizeWithFallback(640, 1920, 720), 640);
    EXPECT_EQ(probe::SizeWithFallback(0, -5, 720), 720);
}

TEST(ProbeRules, InformationTextAndRowName)
{
    const probe::EngineFacts facts{1234.5f, 128.0f, 48000};
    EXPECT_EQ(probe::InfoText("/videos/My clip.avi", "720X480", 29.97f, facts),
              "Clip Name : My clip.avi\nVideo : Size 720X480 , Bitrate 1234.50 , FPS 29.96\n"
              "Audio : Bitrate 128.00, Samplerate 48000");
    EXPECT_EQ(probe::InfoText("/v/a.ts", "1X1", 200.0f, {}),
              "Clip Name : a.ts\nVideo : Size 1X1 , Bitrate 0.00 , FPS Auto\nAudio : Bitrate ?, Samplerate 0");
    EXPECT_EQ(probe::InfoText("/m/song.mp3", "0X0", 0.0f, {0.0f, 128.0f, 44100, true}),
              "Clip Name : song.mp3\nVideo : none (audio only)\nAudio : Bitrate 128.00, Samplerate 44100");
    EXPECT_TRUE(probe::InfoText("/v/a.ts", "1X1", 0.0f, {}).contains(" , FPS Auto\n"));

    EXPECT_EQ(probe::RowNameText("/v/short.avi"), "      short.avi                     ");
    EXPECT_EQ(probe::RowNameText("/v/a very long file name that goes on.mkv"), "      a very long file name that goe");
    EXPECT_EQ(probe::RowNameText("/v/映画 \"x\".ts").size(), 36);
}

TEST(AudioChoiceRules, OptionThenLocaleThenEnglishThenFirst)
{
    const struct { QStringList languages; const char *option; const char *locale; int chosen; } cases[] = {
        {{"German", "English", "French"}, "french", "German", 2},    // the saved language wins
        {{"English", "French", "Spanish"}, "Francais", "", 1},       // saved in its own name, named in English
        {{"English", "Spanish"}, "Espanol", "", 1},
        {{"English", "German"}, "Deutsch", "", 1},
        {{"English", "Portuguese"}, "Portugues", "", 1},
        {{"English", "Italian"}, "Italiano", "", 1},
        {{"English", "Deutsch"}, "Deutsch", "", 1},                  // or in the same name
        {{"German", "English", "german"}, "Spanish", "GERMAN", 2},   // the last locale match
        {{"French", "English", "English"}, "Spanish", "German", 2},  // the last English one
        {{"French", "", "Italian"}, "Spanish", "German", 0},         // the first
        {{"", "English"}, "", "", 1},                                // no preference matches an unnamed track
        {{}, "English", "English", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DefaultAudioIndex(c.languages, c.option, c.locale), c.chosen) << c.languages.join(',').toStdString();
}

TEST(AddingPass, ProgressStepsAndReport)
{
    const int percents[] = {0, 25, 50, 75, 100};
    for (int done = 0; done <= 4; ++done) {
        EXPECT_EQ(AddingProgressAt(done, 4).percent, percents[done]);
        EXPECT_EQ(AddingProgressAt(done, 4).barWidth, 271 * done / 4);
    }
    EXPECT_EQ(AddingProgressAt(0, 0).percent, 0);
    EXPECT_EQ(AddingProgressAt(3, 0).barWidth, 0);

    EXPECT_EQ(UnsupportedFilesReport({"/v/a.txt", "/v/b c.dat"}),
              "Some UNSUPPORTED file(s) format can not add in. \n\n/v/a.txt\n/v/b c.dat\n");
}
