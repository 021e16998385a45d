// The job values reach the output: sizes with letter and pillar boxes, display
// aspect, frame rate, trimming, audio track, rate, channels, volume, bit rate,
// metadata, and the codec limits of DVD, MPEG and H.263.

#include "ConvertTestBase.h"
#include "MediaTools.h"
#include "OutputFacts.h"
#include "TurnedPictures.h"

#include <cmath>
#include <map>

namespace converttest {
namespace {

using enginetest::Psnr;
using enginetest::ReferenceFrame;

class ConversionValuesTest : public ConvertTest {
protected:
    static int32_t ConvertAvc(const JobValues &job) { return CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job); }
    static int32_t ConvertMpeg(const JobValues &job) { return CallMpeg(Engine().X_TO_HD_MPEG, nullptr, job); }
    static int32_t ConvertAudio(const JobValues &job)
    {
        return CallAudioOnly(Engine().X_SetPar_D2IPOD_MP3, nullptr, job);
    }
};

struct BoxCase {
    const char *frameSize;
    const char *pictureSize;
    int width, height;
    // A band that must be black and one that must show the picture: left, top, right, bottom.
    int black[4];
    int picture[4];
};

TEST_F(ConversionValuesTest, PicturesSitCentredInTheFrameWithBlackBars)
{
    const BoxCase cases[] = {
        {"320:240", "320:180", 320, 240, {0, 0, 320, 26}, {0, 40, 320, 200}},     // letter box
        {"320:180", "240:180", 320, 180, {0, 0, 36, 180}, {50, 0, 270, 180}},     // pillar box
    };
    for (const BoxCase &box : cases) {
        JobValues job = JobFor("h264_aac.mp4", "box.mp4");
        job.frameSize = box.frameSize;
        job.pictureSize = box.pictureSize;
        job.length = "1";
        ASSERT_EQ(ConvertAvc(job), 0);
        const OutputSummary output(job.target);
        EXPECT_EQ(output.Number(output.Video("width")), box.width);
        EXPECT_EQ(output.Number(output.Video("height")), box.height);
        const std::vector<uint8_t> grey = FirstPictureGrey(job.target, box.width, box.height);
        EXPECT_LT(AverageGrey(grey, box.width, box.black[0], box.black[1], box.black[2], box.black[3]), 20)
            << box.pictureSize;
        EXPECT_GT(AverageGrey(grey, box.width, box.picture[0], box.picture[1], box.picture[2], box.picture[3]), 40)
            << box.pictureSize;
    }
}

struct AspectCase {
    bool mpeg;
    const char *displayAspect;
    const char *expected;
};

TEST_F(ConversionValuesTest, DisplayAspectIsSignalledThroughTheSampleAspect)
{
    const AspectCase cases[] = {
        {false, "16:9", "16:9"},
        {false, "1:1", "4:3"},
        {false, "720/480", "3:2"},
        {false, "2.21:1", "221:100"},
        {true, "17/10", "16:9"},    // MPEG-2 takes the nearest aspect it can signal
        {true, "2.3:1", "221:100"},
    };
    for (const AspectCase &aspect : cases) {
        JobValues job = JobFor("h264_aac.mp4", aspect.mpeg ? "aspect.mpg" : "aspect.mp4");
        job.frameSize = "320:240";
        job.displayAspect = aspect.displayAspect;
        job.length = "1";
        if (aspect.mpeg) {
            job.outputFormat = job.engineCodec = "mpeg2";
            job.audioCodec = "mp2";
        }
        ASSERT_EQ(aspect.mpeg ? ConvertMpeg(job) : ConvertAvc(job), 0);
        const OutputSummary output(job.target);
        EXPECT_EQ(output.Video("display_aspect_ratio"), aspect.expected) << aspect.displayAspect;
    }
}

struct RateCase {
    const char *rateText;
    const char *expected;
    int framesPerSecond;
};

TEST_F(ConversionValuesTest, FrameRateTextsGiveExactRates)
{
    const RateCase cases[] = {
        {"29.97", "30000/1001", 30}, {"23,976", "24000/1001", 24}, {"15", "15/1", 15},
        {"Auto", "25/1", 25},        {"nodef", "25/1", 25},
    };
    for (const RateCase &rate : cases) {
        JobValues job = JobFor("h264_aac.mp4", "rate.mp4");
        job.frameRate = rate.rateText;
        job.length = "2";
        ASSERT_EQ(ConvertAvc(job), 0);
        const OutputSummary output(job.target);
        EXPECT_EQ(output.Video("r_frame_rate"), rate.expected) << rate.rateText;
        EXPECT_NEAR(PacketCount(job.target, "v:0"), 2 * rate.framesPerSecond, 1) << rate.rateText;
    }
}

// MPEG-1/2 name only eight rates; the TV system, when given, decides.
TEST_F(ConversionValuesTest, MpegRatesAreOnesTheFormatCanName)
{
    JobValues slow = JobFor("h264_aac.mp4", "slow.mpg");
    slow.outputFormat = "mpg";
    slow.engineCodec = "mpeg1";
    slow.audioCodec = "mp2";
    slow.frameRate = "15";
    slow.length = "1";
    ASSERT_EQ(CallMpeg(Engine().X_SetPar_D2MPEG, nullptr, slow), 0);
    EXPECT_EQ(OutputSummary(slow.target).Video("r_frame_rate"), "24000/1001");

    JobValues job = JobFor("h264_aac.mp4", "pal.mpg");
    job.outputFormat = job.engineCodec = "mpeg2";
    job.audioCodec = "mp2";
    job.frameRate = "30000/1001";
    job.tvSystem = 2;
    job.length = "1";
    ASSERT_EQ(ConvertMpeg(job), 0);
    EXPECT_EQ(OutputSummary(job.target).Video("r_frame_rate"), "25/1");
}

// Index of the 25 fps picture shown at `second` of the file's own timeline,
// whose second 0 is its first timestamp of any stream.
int PictureShownAt(const std::string &file, double second)
{
    const OutputSummary source(file);
    const double videoStart = source.Number(source.Video("start_time")) - source.Number(source.Format("start_time"));
    return int(std::floor((second - videoStart) * 25 + 1e-6));
}

// The clip starts with the picture shown at the start second and keeps the
// source's timing although the source's first timestamp is not 0.
TEST_F(ConversionValuesTest, TrimmingStartsAtThePictureOfTheStartSecond)
{
    JobValues job = JobFor("offset.ts", "trim.mp4");
    job.frameSize = "320:240";
    job.videoBitRate = "3000";
    job.start = "1";
    job.length = "2";
    ASSERT_EQ(ConvertAvc(job), 0);

    const OutputSummary output(job.target);
    EXPECT_NEAR(output.Number(output.Format("duration")), 2.0, 0.1);
    EXPECT_EQ(PacketCount(job.target, "v:0"), 50);
    const int shown = PictureShownAt(job.source, 1.0);
    const std::vector<uint8_t> first = ReferenceFrame(job.target, 0, 320, 240);
    const double atStart = Psnr(first, ReferenceFrame(job.source, shown, 320, 240));
    EXPECT_GT(atStart, 30);
    EXPECT_GT(atStart, Psnr(first, ReferenceFrame(job.source, shown - 1, 320, 240)) + 3);
    EXPECT_GT(atStart, Psnr(first, ReferenceFrame(job.source, shown + 1, 320, 240)) + 3);
}

// Transport and program streams have no index: a start near their beginning is
// read from the first byte, so the clip does not begin after the first keyframe.
TEST_F(ConversionValuesTest, TrimmedStartNearTheBeginningOfAStreamWithoutIndex)
{
    for (const char *name : {"long_gop_mpeg2.ts", "long_gop_mpeg2.vob"}) {
        SCOPED_TRACE(name);
        JobValues job = JobFor(name, "early_start.mp4");
        const int width = 320, height = 240;
        job.frameSize = "320:240";
        job.videoBitRate = "3000";
        job.start = "1";
        job.length = "1";
        ASSERT_EQ(ConvertAvc(job), 0);
        // A picture that follows the start second within half a frame opens the clip.
        const int shown = enginetest::FrameShownAt(job.source, 1.0 + 0.5 / 25);
        const std::vector<uint8_t> first = ReferenceFrame(job.target, 0, width, height);
        const double atStart = Psnr(first, ReferenceFrame(job.source, shown, width, height));
        EXPECT_GT(atStart, 30);
        EXPECT_GT(atStart, Psnr(first, ReferenceFrame(job.source, shown + 1, width, height)) + 3);
    }
}

TEST_F(ConversionValuesTest, WholeClipKeepsEveryFrameOnce)
{
    JobValues job = JobFor("offset.ts", "whole.mp4");
    job.frameSize = "320:240";
    job.videoBitRate = "3000";
    ASSERT_EQ(ConvertAvc(job), 0);
    EXPECT_EQ(PacketCount(job.target, "v:0"), PacketCount(job.source, "v:0"));
    const std::vector<uint8_t> first = ReferenceFrame(job.target, 0, 320, 240);
    EXPECT_GT(Psnr(first, ReferenceFrame(job.source, 0, 320, 240)), 30);
    EXPECT_GT(Psnr(ReferenceFrame(job.target, 40, 320, 240), ReferenceFrame(job.source, 40, 320, 240)), 30);
}

// AVI has no way to start its video late: the first picture fills the gap, so
// audio and pictures stay together.
TEST_F(ConversionValuesTest, VideoThatStartsAfterItsAudioStaysInSync)
{
    const std::string source = enginetest::ScratchPath("late_video.mkv");
    ASSERT_TRUE(enginetest::MakeMedia({"-itsoffset", "2", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2",
                                       "-f", "lavfi", "-i", "sine=frequency=440:duration=4", "-c:v", "libx264",
                                       "-preset", "ultrafast", "-c:a", "aac"},
                                      source));
    JobValues job = JobFor("h264_aac.mp4", "late.avi");
    job.source = source;
    job.outputFormat = "avi";
    job.engineCodec = "xvid";
    job.audioCodec = "mp3";
    job.frameSize = "320:240";
    job.videoBitRate = "3000";
    ASSERT_EQ(CallAvi(Engine().X_SetPar_D2AVI, nullptr, job), 0);
    EXPECT_NEAR(PacketCount(job.target, "v:0"), 101, 1);
    // At second 3 the source shows its picture 24 (they start at 2.023 s, 25 per second).
    const std::vector<uint8_t> atThree = PictureGrey(job.target, 75, 320, 240);
    const double matching = Psnr(atThree, PictureGrey(source, 24, 320, 240));
    EXPECT_GT(matching, 40);
    EXPECT_GT(matching, Psnr(atThree, PictureGrey(source, 23, 320, 240)) + 3);
    EXPECT_GT(matching, Psnr(atThree, PictureGrey(source, 25, 320, 240)) + 3);
}

struct TrackCase {
    const char *fixture;
    const char *audioTrack;
    double tone;
};

TEST_F(ConversionValuesTest, AudioTrackChoosesTheStreamByItsIdentifier)
{
    const TrackCase cases[] = {
        {"two_audio.mkv", "0", 440},   {"two_audio.mkv", "1", 880},    // Matroska: position
        {"two_audio.mp4", "2", 440},   {"two_audio.mp4", "3", 880},    // MP4 track ID
        {"pids.ts", "304", 440},       {"pids.ts", "305", 880},        // transport-stream PID
        {"mixed_audio.mpg", "192", 440}, {"mixed_audio.mpg", "189", 880}, // MPEG audio, private stream 1
        {"two_audio.mp4", "-1", 440},  {"two_audio.mp4", "77", 440},   // first / no match
    };
    for (const TrackCase &track : cases) {
        JobValues job = JobFor(track.fixture, "track.wav");
        job.audioCodec = "pcm";
        job.audioTrack = track.audioTrack;
        job.length = "1";
        ASSERT_EQ(ConvertAudio(job), 0) << track.fixture << " " << track.audioTrack;
        EXPECT_NEAR(ToneFrequency(job.target), track.tone, 60) << track.fixture << " " << track.audioTrack;
    }
}

TEST_F(ConversionValuesTest, AudioKeepsMonoMakesStereoAndTakesAllowedRates)
{
    JobValues mono = JobFor("h264_aac.mp4", "mono.m4a");
    mono.sampleRate = "22050";
    ASSERT_EQ(ConvertAudio(mono), 0);
    const OutputSummary monoOutput(mono.target);
    EXPECT_EQ(monoOutput.Audio("channels"), "1");
    EXPECT_EQ(monoOutput.Audio("sample_rate"), "22050");

    JobValues stereo = JobFor("busy.mp4", "stereo.m4a");
    stereo.sampleRate = "48000";
    ASSERT_EQ(ConvertAudio(stereo), 0);
    EXPECT_EQ(OutputSummary(stereo.target).Audio("channels"), "2");

    JobValues flash = JobFor("h264_aac.mp4", "rate.flv");
    flash.outputFormat = flash.engineCodec = "flv";
    flash.sampleRate = "48000";    // FLV stores 44.1, 22.05 and 11.025 kHz only
    flash.length = "1";
    ASSERT_EQ(CallQuality(Engine().X_SetPar_D2FLV, nullptr, flash), 0);
    EXPECT_EQ(OutputSummary(flash.target).Audio("sample_rate"), "44100");
}

TEST_F(ConversionValuesTest, VolumeIsAGainInDecibels)
{
    JobValues plain = JobFor("h264_aac.mp4", "plain.wav");
    plain.audioCodec = "pcm";
    JobValues louder = plain;
    louder.target = plain.target + ".louder.wav";
    louder.volume = "6";
    ASSERT_EQ(ConvertAudio(plain), 0);
    ASSERT_EQ(ConvertAudio(louder), 0);
    EXPECT_NEAR(AudioLevelDb(louder.target) - AudioLevelDb(plain.target), 6.0, 0.5);
}

TEST_F(ConversionValuesTest, BitRatesAndMetadataReachTheFile)
{
    JobValues job = JobFor("busy.mp4", "rates.mp4");
    job.frameSize = "640:360";
    job.videoBitRate = "600";
    job.audioCodec = "mp3";
    job.audioBitrate = "192";
    job.title = "A title";
    job.artist = "An artist";
    ASSERT_EQ(ConvertAvc(job), 0);
    const OutputSummary output(job.target);
    EXPECT_NEAR(output.Number(output.Video("bit_rate")) / 1000, 600, 600 * 0.1);
    EXPECT_NEAR(output.Number(output.Audio("bit_rate")) / 1000, 192, 192 * 0.05);
    EXPECT_EQ(output.Format("tags.title"), "A title");
    EXPECT_EQ(output.Format("tags.artist"), "An artist");
}

TEST_F(ConversionValuesTest, SizesFollowTheSourceWhenNotGiven)
{
    JobValues anamorphic = JobFor("anamorphic.mkv", "anamorphic.mp4");
    anamorphic.frameSize = "nodef";
    anamorphic.displayAspect = "nodef";
    ASSERT_EQ(ConvertAvc(anamorphic), 0);
    const OutputSummary wide(anamorphic.target);
    EXPECT_EQ(wide.Video("width"), "720");
    EXPECT_EQ(wide.Video("height"), "576");
    EXPECT_EQ(wide.Video("display_aspect_ratio"), "16:9");

    JobValues portrait = JobFor("portrait.mp4", "portrait.mp4");
    portrait.frameSize = "nodef";
    ASSERT_EQ(ConvertAvc(portrait), 0);
    const OutputSummary tall(portrait.target);
    EXPECT_EQ(tall.Video("width"), "360");
    EXPECT_EQ(tall.Video("height"), "640");
    EXPECT_EQ(tall.Audio("codec_name"), "");

    // A picture stored sideways takes the size it is shown at.
    JobValues turned = JobFor("turned_clockwise.mp4", "turned.mp4");
    turned.frameSize = "nodef";
    turned.length = "1";
    ASSERT_EQ(ConvertAvc(turned), 0);
    const OutputSummary upright(turned.target);
    EXPECT_EQ(upright.Video("width"), "180");
    EXPECT_EQ(upright.Video("height"), "320");
}

TEST_F(ConversionValuesTest, H263TakesTheNearestLegalSize)
{
    JobValues job = JobFor("h264_aac.mp4", "h263.3gp");
    job.outputFormat = "3gp";
    job.engineCodec = "h263";
    job.frameSize = "320:240";
    job.length = "1";
    ASSERT_EQ(CallCommon(Engine().X_SetPar_D23GP, nullptr, job), 0);
    const OutputSummary output(job.target);
    EXPECT_EQ(output.Video("width"), "352");
    EXPECT_EQ(output.Video("height"), "288");
}

// Pictures stored sideways or mirrored are turned upright before they are
// scaled, and the output carries no turn of its own for players to apply again.
TEST_F(ConversionValuesTest, TurnedPicturesConvertUpright)
{
    for (const enginetest::Turn &turn : enginetest::Turns()) {
        SCOPED_TRACE(turn.name);
        JobValues job = JobFor(std::string("turned_") + turn.name + ".mp4", "upright.mp4");
        const int width = turn.swapsSides ? 90 : 160, height = turn.swapsSides ? 160 : 90;
        job.frameSize = std::to_string(width) + ":" + std::to_string(height);
        job.length = "1";
        ASSERT_EQ(ConvertAvc(job), 0);
        const OutputSummary output(job.target);
        EXPECT_EQ(output.Number(output.Video("width")), width);
        EXPECT_EQ(output.Number(output.Video("height")), height);
        EXPECT_EQ(enginetest::ProgramOutput({"ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries",
                                             "stream_side_data", job.target})
                      .find("Display Matrix"),
                  std::string::npos);
        const std::vector<uint8_t> grey = FirstPictureGrey(job.target, width, height);
        const enginetest::MarkerCorners corners = enginetest::FindMarkerCorners(grey.data(), width, height, 1);
        EXPECT_STREQ(enginetest::CornerName(corners.white), enginetest::CornerName(turn.white));
        EXPECT_STREQ(enginetest::CornerName(corners.grey), enginetest::CornerName(turn.grey));
    }
}

// Text subtitles are drawn in at their own times; the file name may hold any character.
TEST_F(ConversionValuesTest, SubtitleTrackDrawsTextSubtitlesIn)
{
    const std::string subtitles = enginetest::ScratchPath("hello.srt");
    const std::string text = "1\n00:00:00,000 --> 00:00:02,000\nHELLO WORLD\n";
    enginetest::WriteFile(subtitles, std::vector<uint8_t>(text.begin(), text.end()));
    const std::string source = enginetest::ScratchPath("dark, titled: [one].mkv");
    ASSERT_TRUE(enginetest::MakeMedia({"-f", "lavfi", "-i", "color=black:size=320x240:rate=25:duration=3", "-i",
                                       subtitles, "-c:v", "libx264", "-preset", "ultrafast", "-c:s", "srt",
                                       "-output_ts_offset", "5"},
                                      source));
    double textBrightness[2] = {};
    for (int track : {-1, 0}) {
        JobValues job = JobFor("h264_aac.mp4", "subtitled.mp4");
        job.source = source;
        job.frameSize = "320:240";
        job.start = "1";
        job.subtitleTrack = std::to_string(track);
        ASSERT_EQ(ConvertAvc(job), 0);
        const std::vector<uint8_t> grey = FirstPictureGrey(job.target, 320, 240);
        textBrightness[track + 1] = AverageGrey(grey, 320, 0, 160, 320, 240);
    }
    EXPECT_LT(textBrightness[0], 1);
    EXPECT_GT(textBrightness[1], textBrightness[0] + 1);
}

struct PictureSubtitleCase {
    const char *fixture;
    const char *start;
    int picture;      // of the 25 fps output
    bool barShown;
};

// Picture subtitles (DVD ones here; Blu-ray ones take the same path) are drawn
// at their times and places, stretched with the picture, also when they began
// before the clip's start.
TEST_F(ConversionValuesTest, SubtitleTrackDrawsPictureSubtitlesIn)
{
    const PictureSubtitleCase cases[] = {
        {"dvd_subtitles.vob", "0", 5, false}, {"dvd_subtitles.vob", "0", 25, true},
        {"dvd_subtitles.vob", "0", 62, false}, {"dvd_subtitles.mkv", "1", 0, true},
        {"dvd_subtitles.mkv", "1", 37, false}, {"dvd_subtitles_10bit.mkv", "0", 25, true},
    };
    std::map<std::string, std::string> converted;   // fixture and start: output
    for (const PictureSubtitleCase &c : cases) {
        SCOPED_TRACE(std::string(c.fixture) + " from " + c.start + ", picture " + std::to_string(c.picture));
        std::string &target = converted[std::string(c.fixture) + c.start];
        if (target.empty()) {
            JobValues job = JobFor(c.fixture, "picture_subtitles.mp4");
            job.frameSize = "360:288";
            job.videoBitRate = "2000";
            job.start = c.start;
            job.subtitleTrack = "0";
            ASSERT_EQ(ConvertAvc(job), 0);
            target = job.target;
        }
        const std::vector<uint8_t> grey = PictureGrey(target, c.picture, 360, 288);
        // The bar covers 100,200 to 260,240 at half size; the rest stays dark grey.
        const double bar = AverageGrey(grey, 360, 104, 204, 256, 236);
        EXPECT_LT(AverageGrey(grey, 360, 0, 0, 360, 180), 40);
        EXPECT_LT(AverageGrey(grey, 360, 0, 250, 360, 288), 40);
        if (c.barShown)
            EXPECT_GT(bar, 200);
        else
            EXPECT_LT(bar, 40);
    }
}

// A chosen subtitle stream that cannot be read fails the conversion rather than
// leaving the subtitles out.
TEST_F(ConversionValuesTest, UnreadableSubtitleTrackFailsTheClip)
{
    JobValues job = JobFor("unknown_subtitles.mkv", "unknown_subtitles.mp4");
    job.frameSize = "320:240";
    job.subtitleTrack = "0";
    EXPECT_EQ(ConvertAvc(job), -1);
    job.subtitleTrack = "-1";
    EXPECT_EQ(ConvertAvc(job), 0);
}

// Downscaling keeps chroma where the source sites it (left, as in MPEG-2 and
// H.264) instead of assuming centred chroma as plain scaling does.
TEST_F(ConversionValuesTest, ScalingHonoursTheSourcesChromaSiting)
{
    const std::string source = enginetest::ScratchPath("left_sited.mkv");
    ASSERT_TRUE(enginetest::MakeMedia({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=1", "-c:v",
                                       "libx264", "-preset", "ultrafast", "-qp", "0", "-pix_fmt", "yuv420p",
                                       "-chroma_sample_location", "left"},
                                      source));
    JobValues job = JobFor("h264_aac.mp4", "sited.mkv");
    job.source = source;
    job.outputFormat = "mkv";
    job.frameSize = "320:180";
    job.videoBitRate = "20000";
    job.highQuality = 1;
    ASSERT_EQ(ConvertAvc(job), 0);

    const std::vector<uint8_t> ours = FirstPictureChroma(job.target, 320, 180, "");
    const std::string sited = "scale=320:180:in_h_chr_pos=0:in_v_chr_pos=128:out_h_chr_pos=0:out_v_chr_pos=128";
    const double againstSited = Psnr(ours, FirstPictureChroma(source, 320, 180, sited));
    const double againstCentred = Psnr(ours, FirstPictureChroma(source, 320, 180, "scale=320:180"));
    EXPECT_GT(againstSited, 45);
    EXPECT_GT(againstSited, againstCentred + 4);
}

struct AudioFormatCase {
    const char *extension;
    const char *format;
    const char *codec;
};

TEST_F(ConversionValuesTest, AudioTargetsTakeTheContainerFromTheExtension)
{
    const AudioFormatCase cases[] = {
        {"mp3", "mp3", "mp3"},     {"aac", "aac", "aac"}, {"ac3", "ac3", "ac3"},
        {"m4a", "mov,mp4", "aac"}, {"ogg", "ogg", "vorbis"}, {"wma", "asf", "wmav2"}, {"wav", "wav", "pcm_s16le"},
    };
    for (const AudioFormatCase &audio : cases) {
        JobValues job = JobFor("two_audio.mp4", std::string("audio.") + audio.extension);
        job.audioCodec = "nodef";
        job.sampleRate = "48000";
        job.length = "1";
        ASSERT_EQ(ConvertAudio(job), 0) << audio.extension;
        const OutputSummary output(job.target);
        EXPECT_EQ(output.Format("format_name").rfind(audio.format, 0), 0u) << output.Format("format_name");
        EXPECT_EQ(output.Audio("codec_name"), audio.codec);
        EXPECT_EQ(output.Video("codec_name"), "");
        EXPECT_NEAR(output.Number(output.Format("duration")), 1.0, 0.15) << audio.extension;
    }
}

} // namespace
} // namespace converttest
