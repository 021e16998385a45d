// Sources the engine must refuse or give up on without blocking its caller:
// files that are not files, pictures too large to hold, and the probe's and the
// frame service's pictures kept apart while both work at once.
#include "EngineLibrary.h"
#include "MediaFixtures.h"
#include "MediaTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace enginetest {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// 32-bit CRC of PNG chunks.
uint32_t PngCrc(const uint8_t *data, size_t size) {
    uint32_t crc = 0xffffffffu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xffffffffu;
}

void PutBigEndian(std::vector<uint8_t> &bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

// A small PNG whose header claims width x height, as a damaged or hostile file would.
std::string PngClaiming(const std::string &name, uint32_t width, uint32_t height) {
    const std::string path = ScratchPath(name);
    if (!MakeMedia({"-f", "lavfi", "-i", "color=size=64x64", "-frames:v", "1"}, path))
        return {};
    std::vector<uint8_t> bytes = ReadFile(path);
    constexpr size_t kHeaderChunk = 8;   // after the signature: length, "IHDR", 13 bytes, CRC
    PutBigEndian(bytes, kHeaderChunk + 8, width);
    PutBigEndian(bytes, kHeaderChunk + 12, height);
    PutBigEndian(bytes, kHeaderChunk + 21, PngCrc(bytes.data() + kHeaderChunk + 4, 17));
    WriteFile(path, bytes);
    return path;
}

struct RefusedSource {
    const char *name;
    std::function<std::string()> make;   // "" when the source could not be made
};

const RefusedSource kRefusedSources[] = {
    {"Fifo", [] {
         const std::string path = ScratchPath("pipe.mp4");
         std::filesystem::remove(path);
         return mkfifo(path.c_str(), 0600) == 0 ? path : std::string();
     }},
    {"Socket", [] {
         const std::string path = ScratchPath("socket.mp4");
         std::filesystem::remove(path);
         return MakeSocket(path) ? path : std::string();
     }},
    {"Folder", [] {
         const std::string path = ScratchPath("folder.mp4");
         std::filesystem::create_directories(path);
         return path;
     }},
    {"EndlessDevice", [] { return std::string("/dev/zero"); }},
    {"DanglingLink", [] {
         const std::string path = ScratchPath("dangling.mp4");
         std::filesystem::remove(path);
         std::filesystem::create_symlink(ScratchPath("nothing here"), path);
         return path;
     }},
    {"HugePicture", [] { return PngClaiming("huge.png", 16000, 16000); }},
    {"TooWidePicture", [] {
         const std::string path = ScratchPath("wide.png");
         return MakeMedia({"-f", "lavfi", "-i", "color=size=8200x16", "-frames:v", "1"}, path) ? path : "";
     }},
};

class RefusedSourceTest : public testing::TestWithParam<RefusedSource> {
protected:
    EngineLibrary engine;
};

TEST_P(RefusedSourceTest, ProbeRefusesAtOnceWithAReason) {
    ASSERT_TRUE(engine.Loaded());
    const std::string path = GetParam().make();
    ASSERT_FALSE(path.empty());
    std::vector<char> buffer(path.begin(), path.end());
    buffer.resize(path.size() + 10, '\0');
    EngineFileInfo info{};
    const auto start = Clock::now();
    EXPECT_EQ(engine.probe(buffer.data(), 10, &info, 0), -1);
    EXPECT_LT(SecondsSince(start), 1.0);
    EXPECT_FALSE(engine.LastFailure().empty());
}

TEST_P(RefusedSourceTest, FrameServiceAnswersAndClosesAtOnce) {
    ASSERT_TRUE(engine.Loaded());
    const std::string path = GetParam().make();
    ASSERT_FALSE(path.empty());
    RecordingWindow window;
    const auto start = Clock::now();
    ASSERT_EQ(engine.frameInit(&window, 2, path.c_str(), "", "0"), 0);
    ASSERT_TRUE(window.WaitFor(KORVID_MSG_READY, 1, 1s));
    ASSERT_EQ(engine.frameSeek(1), 0);
    ASSERT_TRUE(window.WaitFor(KORVID_MSG_FRAME, 1, 1s));
    EXPECT_EQ(window.Posts().back().wparam, 0u);
    EXPECT_EQ(engine.frameUninit(), 0);
    EXPECT_LT(SecondsSince(start), 1.0);
    EXPECT_EQ(window.Posts().back().message, static_cast<uint32_t>(KORVID_MSG_CLOSED));
}

INSTANTIATE_TEST_SUITE_P(Sources, RefusedSourceTest, testing::ValuesIn(kRefusedSources),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SourceLimits, LargestSupportedPictureIsProbed) {
    EngineLibrary engine;
    ASSERT_TRUE(engine.Loaded());
    std::string path = ScratchPath("tall.png");
    ASSERT_TRUE(MakeMedia({"-f", "lavfi", "-i", "color=size=16x8192", "-frames:v", "1"}, path));
    path.resize(path.size() + 10, '\0');
    EngineFileInfo info{};
    ASSERT_EQ(engine.probe(path.data(), 10, &info, 0), 0);
    EXPECT_EQ(info.width, 16);
    EXPECT_EQ(info.height, 8192);
    EXPECT_EQ(engine.LastFailure(), "");
}

// Mean of each colour channel (blue, green, red) of a grabbed picture.
std::array<double, 3> MeanColour(const uint8_t *pixels, int width, int height) {
    std::array<double, 3> sums{};
    for (int i = 0; i < width * height; ++i)
        for (int channel = 0; channel < 3; ++channel)
            sums[channel] += pixels[i * 3 + channel];
    for (double &sum : sums)
        sum /= width * height;
    return sums;
}

bool IsRed(const std::array<double, 3> &colour) {
    return colour[2] > 200 && colour[0] < 60 && colour[1] < 60;
}

// While one thread storms the frame service with seeks, another probes: each
// thread's X_Get_Frame shows its own request's picture, never the other's.
TEST(SourceLimits, ProbeAndFrameServiceKeepTheirOwnPictures) {
    EngineLibrary engine;
    ASSERT_TRUE(engine.Loaded());
    std::string red = ScratchPath("red.mp4");
    ASSERT_TRUE(MakeMedia({"-f", "lavfi", "-i", "color=c=red:size=64x48:rate=25:duration=1", "-c:v", "mpeg4"}, red));
    const std::string moving = Fixture("h264_aac.mp4");
    ASSERT_FALSE(moving.empty());
    constexpr int kSize = 32;

    std::atomic<bool> storming{true};
    std::atomic<int> wrongProbePictures{0};
    std::thread prober([&] {
        std::string path = red;
        path.resize(path.size() + 10, '\0');
        int probes = 0;
        while (storming || probes < 5) {
            EngineFileInfo info{};
            uint8_t *pixels = nullptr;
            int32_t second = 0;
            if (engine.probe(path.data(), 10, &info, 0) != 0 ||
                engine.getFrame(kSize, kSize, nullptr, &pixels, &second) != 0 ||
                !IsRed(MeanColour(pixels, kSize, kSize)))
                ++wrongProbePictures;
            ++probes;
        }
    });

    RecordingWindow window;
    ASSERT_EQ(engine.frameInit(&window, 2, moving.c_str(), "", "0"), 0);
    ASSERT_TRUE(window.WaitFor(KORVID_MSG_READY, 1));
    int redServicePictures = 0;
    size_t answered = 0;
    for (int seek = 0; seek < 200; ++seek) {
        engine.frameSeek(seek % 4);
        if (seek % 10 != 9)
            continue;   // a storm: most seeks replace one another before they are decoded
        ASSERT_TRUE(window.WaitFor(KORVID_MSG_FRAME, answered + 1));
        const std::vector<Post> posts = window.Posts();
        answered = std::count_if(posts.begin(), posts.end(),
                                 [](const Post &post) { return post.message == KORVID_MSG_FRAME; });
        uint8_t *pixels = nullptr;
        int32_t second = 0;
        ASSERT_EQ(engine.getFrame(kSize, kSize, nullptr, &pixels, &second), 0);
        redServicePictures += IsRed(MeanColour(pixels, kSize, kSize));
    }
    storming = false;
    prober.join();
    EXPECT_EQ(engine.frameUninit(), 0);
    EXPECT_EQ(redServicePictures, 0);
    EXPECT_EQ(wrongProbePictures, 0);
}

} // namespace
} // namespace enginetest
