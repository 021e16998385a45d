// Sources, targets and values that cannot be converted give -1 and leave no
// file behind; a damaged but readable source converts what it can.

#include "convert_test_base.h"
#include "media_tools.h"
#include "output_facts.h"

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
    {"MissingSource", [](JobValues &job) { job.source = enginetest::scratchPath("no such file.mp4"); }},
    {"EmptySource", [](JobValues &job) { job.source = enginetest::fixture("empty.avi"); }},
    {"GarbageSource", [](JobValues &job) { job.source = enginetest::fixture("garbage.mp4"); }},
    {"TruncatedMp4", [](JobValues &job) { job.source = enginetest::fixture("truncated.mp4"); }},
    {"NoVideoForAVideoTarget", [](JobValues &job) { job.source = enginetest::fixture("audio_only.mp3"); }},
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
    JobValues job = jobFor("h264_aac.mp4", "bad.mp4");
    job.length = "1";
    GetParam().spoil(job);
    const int threadsBefore = enginetest::threadCount();
    EXPECT_EQ(callQualityAudio(engine().X_TO_HD_AVC, nullptr, job), -1);
    EXPECT_FALSE(std::filesystem::exists(job.target));
    EXPECT_EQ(enginetest::threadCount(), threadsBefore);
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadInputTest, ::testing::ValuesIn(kBadCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ConvertTest, AudioTargetWithoutAudioFails)
{
    JobValues job = jobFor("portrait.mp4", "silent.mp3");
    job.audioCodec = "mp3";
    EXPECT_EQ(callAudioOnly(engine().X_SetPar_D2IPOD_MP3, nullptr, job), -1);
    EXPECT_FALSE(std::filesystem::exists(job.target));
}

TEST_F(ConvertTest, TruncatedTransportStreamConvertsWhatIsThere)
{
    JobValues job = jobFor("truncated.ts", "rescued.mp4");
    job.audioTrack = "304";
    ASSERT_EQ(callQualityAudio(engine().X_TO_HD_AVC, nullptr, job), 0);
    const OutputSummary output(job.target);
    EXPECT_GT(output.number(output.format("duration")), 0.5);
    EXPECT_LT(output.number(output.format("duration")), 3.5);
    EXPECT_TRUE(decodesCleanly(job.target));
}

// Broadcast recordings change audio rate and channels on the way; two joined
// transport streams show it.
TEST_F(ConvertTest, AudioThatChangesFormatOnTheWayConvertsWhole)
{
    const std::string first = enginetest::scratchPath("part1.ts");
    const std::string second = enginetest::scratchPath("part2.ts");
    ASSERT_TRUE(enginetest::makeMedia({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2", "-f", "lavfi",
                                       "-i", "sine=frequency=440:sample_rate=48000:duration=2", "-c:v", "mpeg2video",
                                       "-c:a", "mp2", "-ac", "1", "-f", "mpegts"},
                                      first));
    ASSERT_TRUE(enginetest::makeMedia({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=2", "-f", "lavfi",
                                       "-i", "sine=frequency=880:sample_rate=44100:duration=2", "-c:v", "mpeg2video",
                                       "-c:a", "mp2", "-ac", "2", "-output_ts_offset", "2", "-f", "mpegts"},
                                      second));
    std::vector<uint8_t> joined = enginetest::readFile(first);
    const std::vector<uint8_t> tail = enginetest::readFile(second);
    joined.insert(joined.end(), tail.begin(), tail.end());
    JobValues job = jobFor("h264_aac.mp4", "joined.mp4");
    job.source = enginetest::scratchPath("joined.ts");
    enginetest::writeFile(job.source, joined);

    ASSERT_EQ(callQualityAudio(engine().X_TO_HD_AVC, nullptr, job), 0);
    const OutputSummary output(job.target);
    EXPECT_NEAR(output.number(output.audio("duration")), 4.0, 0.2);
    EXPECT_NEAR(output.number(output.video("duration")), 4.0, 0.2);
    EXPECT_TRUE(decodesCleanly(job.target));
}

TEST_F(ConvertTest, MissingTextsTakeTheirDefaults)
{
    JobValues job = jobFor("h264_aac.mp4", "defaults.mp4");
    job.length = "1";
    const int32_t result = engine().X_TO_HD_AVC(nullptr, 2, job.source.c_str(), nullptr, nullptr, nullptr, nullptr,
                                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                nullptr, nullptr, nullptr, nullptr, job.target.c_str(), nullptr,
                                                job.length.c_str(), 0, nullptr, KORVID_INTERFACE_STAMP);
    ASSERT_EQ(result, 0);
    const OutputSummary output(job.target);
    EXPECT_EQ(output.video("codec_name"), "h264");
    EXPECT_EQ(output.video("width"), "320");
    EXPECT_EQ(output.video("r_frame_rate"), "25/1");
    EXPECT_EQ(output.audio("codec_name"), "aac");
}

} // namespace
} // namespace converttest
