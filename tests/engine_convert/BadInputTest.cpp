// Sources, targets and values that cannot be converted give -1 and leave no
// file behind; a damaged but readable source converts what it can.

#include "ConvertTestBase.h"
#include "MediaTools.h"
#include "OutputFacts.h"

#include <filesystem>
#include <functional>

namespace converttest {
namespace {

struct BadCase {
    const char *name;
    std::function<void(JobValues &)> spoil;
};

class BadInputTest : public ConvertTest, public ::testing::WithParamInterface<BadCase> {};

const BadCase kBadCases[] = {
    {"MissingSource", [](JobValues &job) { job.source = enginetest::ScratchPath("no such file.mp4"); }},
    {"EmptySource", [](JobValues &job) { job.source = enginetest::Fixture("empty.avi"); }},
    {"GarbageSource", [](JobValues &job) { job.source = enginetest::Fixture("garbage.mp4"); }},
    {"TruncatedMp4", [](JobValues &job) { job.source = enginetest::Fixture("truncated.mp4"); }},
    {"NoVideoForAVideoTarget", [](JobValues &job) { job.source = enginetest::Fixture("audio_only.mp3"); }},
    {"UnwritableTarget", [](JobValues &job) { job.target = "/proc/no-such-folder/out.mp4"; }},
    {"ZeroSize", [](JobValues &job) { job.frameSize = "0:0"; }},
    {"WordSize", [](JobValues &job) { job.frameSize = "abc"; }},
    {"BadPictureSize", [](JobValues &job) { job.pictureSize = "320x"; }},
    {"UnknownVideoCodec", [](JobValues &job) { job.engineCodec = "divx"; }},
    {"UnknownContainer", [](JobValues &job) { job.outputFormat = "xyz"; }},
    {"UnknownAudioCodec", [](JobValues &job) { job.audioCodec = "opus"; }},
    {"WordFrameRate", [](JobValues &job) { job.frameRate = "fast"; }},
    {"NegativeStart", [](JobValues &job) { job.start = "-3"; }},
    {"WordBitRate", [](JobValues &job) { job.videoBitRate = "lots"; }},
    {"CodecTheContainerCannotHold", [](JobValues &job) { job.engineCodec = "wmv2"; }},
};

TEST_P(BadInputTest, FailsCleanlyWithoutAFile)
{
    JobValues job = JobFor("h264_aac.mp4", "bad.mp4");
    job.length = "1";
    GetParam().spoil(job);
    const int threadsBefore = enginetest::ThreadCount();
    EXPECT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job), -1);
    EXPECT_FALSE(std::filesystem::exists(job.target));
    EXPECT_EQ(enginetest::ThreadCount(), threadsBefore);
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadInputTest, ::testing::ValuesIn(kBadCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ConvertTest, AudioTargetWithoutAudioFails)
{
    JobValues job = JobFor("portrait.mp4", "silent.mp3");
    job.audioCodec = "mp3";
    EXPECT_EQ(CallAudioOnly(Engine().X_SetPar_D2IPOD_MP3, nullptr, job), -1);
    EXPECT_FALSE(std::filesystem::exists(job.target));
}

TEST_F(ConvertTest, TruncatedTransportStreamConvertsWhatIsThere)
{
    JobValues job = JobFor("truncated.ts", "rescued.mp4");
    job.audioTrack = "304";
    ASSERT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job), 0);
    const OutputSummary output(job.target);
    EXPECT_GT(output.Number(output.Format("duration")), 0.5);
    EXPECT_LT(output.Number(output.Format("duration")), 3.5);
    EXPECT_TRUE(DecodesCleanly(job.target));
}

// Two 2-second transport streams joined byte by byte, as broadcast recordings
// are: the second part's audio has `rate` Hz and `channels`, and its clock
// starts `offset` seconds in (0: the clock restarts).
std::string JoinedTransportStream(const std::string &name, const std::string &rate, const std::string &channels,
                                  const std::string &offset)
{
    const std::string parts[] = {enginetest::ScratchPath(name + ".1.ts"), enginetest::ScratchPath(name + ".2.ts")};
    const std::vector<std::string> picture{"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2"};
    const std::vector<std::string> first{"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=2",
                                         "-ac", "1"};
    const std::vector<std::string> second{"-f", "lavfi", "-i", "sine=frequency=880:sample_rate=" + rate +
                                          ":duration=2", "-ac", channels, "-output_ts_offset", offset};
    std::vector<uint8_t> joined;
    for (int part = 0; part < 2; ++part) {
        std::vector<std::string> arguments = picture;
        const auto &audio = part == 0 ? first : second;
        arguments.insert(arguments.end(), audio.begin(), audio.end());
        arguments.insert(arguments.end(), {"-c:v", "mpeg2video", "-c:a", "mp2", "-f", "mpegts"});
        if (!enginetest::MakeMedia(arguments, parts[part]))
            return {};
        const std::vector<uint8_t> bytes = enginetest::ReadFile(parts[part]);
        joined.insert(joined.end(), bytes.begin(), bytes.end());
    }
    const std::string path = enginetest::ScratchPath(name);
    enginetest::WriteFile(path, joined);
    return path;
}

struct JoinedCase {
    const char *name;
    const char *rate;
    const char *channels;
    const char *offset;
};

// Audio that changes rate and channels on the way, and clocks that restart,
// still give the whole four seconds with every picture.
TEST_F(ConvertTest, JoinedTransportStreamsConvertWhole)
{
    for (const JoinedCase &joined : {JoinedCase{"format_change.ts", "44100", "2", "2"},
                                     JoinedCase{"clock_restart.ts", "48000", "1", "0"}}) {
        JobValues job = JobFor("h264_aac.mp4", "joined.mp4");
        job.source = JoinedTransportStream(joined.name, joined.rate, joined.channels, joined.offset);
        ASSERT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job), 0) << joined.name;
        const OutputSummary output(job.target);
        EXPECT_NEAR(output.Number(output.Audio("duration")), 4.0, 0.2) << joined.name;
        // (The join may cost the picture that straddles it.)
        EXPECT_NEAR(PacketCount(job.target, "v:0"), 100, 1) << joined.name;
        EXPECT_TRUE(DecodesCleanly(job.target));
    }
}

TEST_F(ConvertTest, MissingTextsTakeTheirDefaults)
{
    JobValues job = JobFor("h264_aac.mp4", "defaults.mp4");
    job.length = "1";
    const int32_t result = Engine().X_TO_HD_AVC(nullptr, 2, job.source.c_str(), nullptr, nullptr, nullptr, nullptr,
                                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                nullptr, nullptr, nullptr, nullptr, job.target.c_str(), nullptr,
                                                job.length.c_str(), 0, nullptr, KORVID_INTERFACE_STAMP);
    ASSERT_EQ(result, 0);
    const OutputSummary output(job.target);
    EXPECT_EQ(output.Video("codec_name"), "h264");
    EXPECT_EQ(output.Video("width"), "320");
    EXPECT_EQ(output.Video("r_frame_rate"), "25/1");
    EXPECT_EQ(output.Audio("codec_name"), "aac");
}

} // namespace
} // namespace converttest
