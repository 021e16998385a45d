// X_GetFileinfo_GetPic on generated files of many kinds, read through the
// loaded engine as the program reads it.
#include "EngineLibrary.h"
#include "MediaFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace enginetest {
namespace {

struct ProbeCase {
    std::string file;
    int result = 0;
    int duration = 0;
    double frameRate = 0;
    int width = 0;
    int height = 0;
    int aspectCode = 0;
    int aspectFlag = 0;
    int sampleRate = 0;
};

std::ostream &operator<<(std::ostream &out, const ProbeCase &c) {
    return out << c.file;
}

const std::vector<ProbeCase> kProbeCases{
    // file               result dur  fps      w    h  code flag  rate
    {"h264_aac.mp4", 0, 4, 25, 320, 240, 2, 1, 44100},
    {"mpeg4_mp3.avi", 0, 3, 25, 352, 288, 1, 1, 44100},
    {"flv1_mp3.flv", 0, 3, 25, 320, 240, 2, 1, 22050},
    {"wmv2_wma.wmv", 0, 3, 25, 320, 240, 2, 1, 44100},
    {"two_audio.mkv", 0, 3, 29.97, 640, 360, 3, 1, 48000},
    {"two_audio.mp4", 0, 3, 29.97, 640, 360, 3, 1, 48000},
    {"pids.ts", 0, 4, 25, 640, 480, 2, 1, 48000},
    {"ac3.mpg", 0, 4, 25, 720, 576, 2, 0, 48000},
    {"anamorphic.mkv", 0, 2, 25, 720, 576, 3, 0, 48000},
    {"portrait.mp4", 0, 2, 30, 360, 640, 1, 1, 0},
    {"audio_only.mp3", 0, 3, 0, 0, 0, 0, 1, 48000},
    {"cover_art.mp3", 0, 3, 0, 0, 0, 0, 1, 44100},
    {"offset.ts", 0, 4, 25, 320, 240, 2, 1, 48000},
    {"truncated.ts", 0, 2, 25, 640, 480, 2, 1, 48000},
    {"truncated.mp4", -1},
    {"garbage.mp4", -1},
    {"empty.avi", -1},
    {"subtitles_only.mkv", -1},
    {"missing.mp4", -1},
};

class ProbeTable : public testing::TestWithParam<ProbeCase> {
protected:
    EngineLibrary engine;
};

std::string PathOf(const std::string &name) {
    return name == "missing.mp4" ? ScratchPath("no such file.mp4") : Fixture(name);
}

TEST_P(ProbeTable, FillsTheRecord) {
    const ProbeCase &expected = GetParam();
    ASSERT_TRUE(engine.Loaded());
    std::string path = PathOf(expected.file);
    ASSERT_FALSE(path.empty()) << "ffmpeg could not make the fixture";
    std::vector<char> buffer(path.begin(), path.end());
    buffer.resize(path.size() + 10, '\0');
    EngineFileInfo info{};
    info.audioOnly = 0x5A5A5A5A;
    ASSERT_EQ(engine.probe(buffer.data(), 10, &info, 0), expected.result);
    if (expected.result < 0)
        return;
    EXPECT_NEAR(info.durationSeconds, expected.duration, 1);
    EXPECT_NEAR(info.frameRate, expected.frameRate, 0.01);
    EXPECT_EQ(info.width, expected.width);
    EXPECT_EQ(info.height, expected.height);
    EXPECT_EQ(info.aspectCode, expected.aspectCode);
    EXPECT_EQ(info.aspectFlag, expected.aspectFlag);
    EXPECT_EQ(info.audioSampleRate, expected.sampleRate);
    EXPECT_EQ(info.videoBitRateKbps > 0, expected.width > 0);
    EXPECT_EQ(info.audioBitRateKbps > 0, expected.sampleRate > 0);
    EXPECT_EQ(info.audioOnly, expected.width == 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Files, ProbeTable, testing::ValuesIn(kProbeCases),
                         [](const testing::TestParamInfo<ProbeCase> &info) {
                             std::string name = info.param.file;
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(Probe, NullArgumentsAreRejected) {
    EngineLibrary engine;
    ASSERT_TRUE(engine.Loaded());
    EngineFileInfo info{};
    EXPECT_EQ(engine.probe(nullptr, 10, &info, 0), -1);
    std::string path = Fixture("h264_aac.mp4");
    std::vector<char> buffer(path.begin(), path.end());
    buffer.resize(path.size() + 10, '\0');
    EXPECT_EQ(engine.probe(buffer.data(), 10, nullptr, 0), -1);
}

TEST(Probe, CountsProcessorCores) {
    EngineLibrary engine;
    ASSERT_TRUE(engine.Loaded());
    EXPECT_GE(engine.coreCount(), 1);
}

} // namespace
} // namespace enginetest
