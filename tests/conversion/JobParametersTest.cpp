#include "JobParameters.h"

#include "IniFile.h"
#include "TargetCatalogue.h"

#include <gtest/gtest.h>

#include <tuple>

namespace conversion {
namespace {

using Entry = std::tuple<const char *, const char *, const char *>;

targets::ProfileDefinitions Definitions(std::initializer_list<Entry> entries)
{
    platform::IniDocument document;
    for (const auto &[section, key, value] : entries)
        document.SetValue(QLatin1String(section), QLatin1String(key), QLatin1String(value));
    return targets::ProfileDefinitions(document);
}

JobPanelValues FirstChoices(const char *outputFormat)
{
    JobPanelValues panel;
    panel.outputFormatIndex = panel.videoCodecIndex = panel.audioCodecIndex = panel.aspectIndex = 0;
    panel.videoFrameRateIndex = panel.audioBitRateIndex = panel.audioSampleRateIndex = 0;
    panel.outputFormatText = QLatin1String(outputFormat);
    panel.videoWidth = 640;
    panel.videoHeight = 480;
    panel.videoBitRateText = QStringLiteral(" 812 ");
    panel.volumePosition = 3;
    return panel;
}

TEST(ReadJobParameters, TargetSectionFirstThenTheOutputFormat)
{
    const auto definitions = Definitions({
        {"Ostrel-AVI", "OutputFormatText0", "avi"},
        {"Ostrel-AVI", "VideoCodecText0", "xvid"},
        {"Ostrel-AVI", "VideoAspectText0", "2 custom"},
        {"Ostrel-AVI-avi", "VideoCodecText0", "mpeg4"},
        {"Ostrel-AVI-avi", "AudioCodecText0", "mp3"},
        {"Ostrel-AVI-avi", "VideoFrameRateText", "25"},
        {"Ostrel-AVI-avi", "AudioBitrateValue0", "128"},
        {"Ostrel-AVI-avi", "AudioBitrateText0", "128 kbps"},
    });
    JobPanelValues panel = FirstChoices("avi");
    panel.highQuality = true;
    ConvertJob job;
    ReadJobParameters(job, targets::TargetAVI, panel, definitions);
    EXPECT_EQ(job.OutputFormat, QLatin1String("avi"));
    EXPECT_EQ(job.VideoCodec, QLatin1String("xvid"));
    EXPECT_EQ(job.EngineCodec, QLatin1String("xvid"));
    EXPECT_EQ(job.AudioCodec, QLatin1String("mp3"));
    EXPECT_EQ(job.VideoFrameRate, QLatin1String("25"));
    EXPECT_EQ(job.AudioBitrate, QLatin1String("128"));
    EXPECT_EQ(job.AudioSampleRate, QLatin1String("nodef")) << "missing entries pass on as nodef";
    EXPECT_EQ(job.AspectMode, 2);
    EXPECT_EQ(job.HighQuality, 1);
    EXPECT_EQ(job.VideoBitRate, QLatin1String("812"));
    EXPECT_EQ(job.Volume, QLatin1String("3"));
    EXPECT_EQ(job.ArtistName, QLatin1String("Unknown"));
    EXPECT_EQ(job.VideoResolution, QLatin1String("640:480")) << "resolution list hidden: the size fields";
    EXPECT_FALSE(job.AutoFrameRate);
}

TEST(ReadJobParameters, OutputFormatComesFromItsSubSectionFirst)
{
    const auto definitions = Definitions({
        {"Ostrel-Zune", "OutputFormatText0", "wmv"},
        {"Ostrel-Zune-wmv", "OutputFormatText0", "asf"},
    });
    ConvertJob job;
    ReadJobParameters(job, targets::TargetZune, FirstChoices("wmv"), definitions);
    EXPECT_EQ(job.OutputFormat, QLatin1String("asf"));
    ReadJobParameters(job, targets::TargetZune, FirstChoices("mp4"), definitions);
    EXPECT_EQ(job.OutputFormat, QLatin1String("wmv"));
}

TEST(ReadJobParameters, ResolutionListValueOrItsText)
{
    const auto definitions = Definitions({
        {"Ostrel-HDMP4", "VideoResolutionText1", "1280:720"},
        {"Ostrel-HDMP4-mp4", "VideoResolutionValue0", "1920:1080"},
    });
    JobPanelValues panel = FirstChoices("mp4");
    panel.resolutionListVisible = true;
    panel.resolutionIndex = 1;
    ConvertJob job;
    ReadJobParameters(job, targets::TargetHDMP4, panel, definitions);
    EXPECT_EQ(job.VideoResolution, QLatin1String("1280:720"));
    panel.resolutionIndex = 0;
    ReadJobParameters(job, targets::TargetHDMP4, panel, definitions);
    EXPECT_EQ(job.VideoResolution, QLatin1String("1920:1080"));
    panel.resolutionIndex = 2;
    panel.resolutionText = QStringLiteral("Original Width : Height");
    ReadJobParameters(job, targets::TargetHDMP4, panel, definitions);
    EXPECT_EQ(job.VideoResolution, QLatin1String("Original Width : Height"));
}

TEST(ReadJobParameters, MpegReadsItsAspectModeSubSectionOnly)
{
    const auto definitions = Definitions({
        {"Ostrel-MPEG", "VideoAspectText0", "11"},
        {"Ostrel-MPEG", "VideoCodecText0", "mpeg1"},
        {"Ostrel-MPEG-11", "VideoCodecText0", "mpeg2"},
        {"Ostrel-MPEG-11", "VideoFrameRateText0", "30000/1001"},
        {"Ostrel-MPEG-11", "VideoResolutionText0", "720:480"},
        {"Ostrel-MPEG-mpg", "AudioCodecText0", "mp2"},
        {"Ostrel-MPEG-mpg", "VideoAspectText0", "1"},
    });
    JobPanelValues panel = FirstChoices("mpg");
    panel.resolutionListVisible = true;
    panel.resolutionIndex = 0;
    ConvertJob job;
    ReadJobParameters(job, targets::TargetMPEG, panel, definitions);
    EXPECT_EQ(job.AspectMode, 11);
    EXPECT_EQ(job.VideoCodec, QLatin1String("mpeg2"));
    EXPECT_EQ(job.VideoFrameRate, QLatin1String("30000/1001"));
    EXPECT_EQ(job.AudioCodec, QLatin1String("nodef")) << "no fallback to the output-format sub-section";
    EXPECT_EQ(job.VideoResolution, QLatin1String("720:480"));
}

TEST(ReadJobParameters, MpegModesUpToTenUseTheTargetSection)
{
    const auto definitions = Definitions({
        {"Ostrel-MPEG", "VideoAspectText0", "2"},
        {"Ostrel-MPEG", "VideoCodecText0", "mpeg1"},
        {"Ostrel-MPEG-2", "VideoCodecText0", "wrong"},
    });
    ConvertJob job;
    ReadJobParameters(job, targets::TargetMPEG, FirstChoices("mpg"), definitions);
    EXPECT_EQ(job.AspectMode, 2);
    EXPECT_EQ(job.VideoCodec, QLatin1String("mpeg1"));
}

TEST(ReadJobParameters, DvdReplacementsAndNoAutomaticRate)
{
    const auto definitions = Definitions({
        {"Ostrel-DVD_Folder", "VideoFrameRateText0", "Auto"},
        {"Ostrel-DVD_Folder", "VideoCodecText0", "mpeg2"},
    });
    for (const bool ntsc : {true, false}) {
        JobPanelValues panel = FirstChoices("vob");
        panel.dvdNtsc = ntsc;
        ConvertJob job;
        ReadJobParameters(job, targets::TargetDVD_Folder, panel, definitions);
        EXPECT_EQ(job.VideoFrameRate, ntsc ? QLatin1String("30000/1001") : QLatin1String("25"));
        EXPECT_FALSE(job.AutoFrameRate) << "a DVD never takes a source's own rate";
        EXPECT_EQ(job.ProfileFrameRate, job.VideoFrameRate);
        EXPECT_EQ(job.VideoResolution, ntsc ? QLatin1String("720:480") : QLatin1String("720:576"));
        EXPECT_EQ(job.AudioBitrate, QLatin1String("192"));
        EXPECT_EQ(job.AudioSampleRate, QLatin1String("48000"));
        EXPECT_EQ(job.AudioCodec, QLatin1String("ac3"));
        EXPECT_EQ(job.VideoCodec, QLatin1String("dvd"));
        EXPECT_EQ(job.EngineCodec, QLatin1String("dvd"));
        EXPECT_EQ(job.Volume, QLatin1String("2"));
        EXPECT_EQ(job.VideoBitRate, QLatin1String("5000"));
        EXPECT_EQ(job.OutputFormat, QLatin1String("dvd"));
    }
}

TEST(ReadJobParameters, AutoIsExactAndCaseSensitive)
{
    for (const char *rate : {"Auto", "auto"}) {
        const auto definitions = Definitions({{"Ostrel-MKV", "x", "y"}, {"Ostrel-AVC", "VideoFrameRateText0", rate}});
        ConvertJob job;
        ReadJobParameters(job, targets::TargetAVC, FirstChoices("mp4"), definitions);
        EXPECT_EQ(job.AutoFrameRate, QLatin1String(rate) == QLatin1String("Auto")) << rate;
    }
}

} // namespace
} // namespace conversion
