// X_Get_Frame and X_Get_Frame_JPEG after a probe: pixels against ffmpeg's own
// decode of the same frame, sizes, and the files written.
#include "EngineLibrary.h"
#include "MediaFixtures.h"
#include "MediaTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace enginetest {
namespace {

// Chroma placed where MPEG-2 and H.264 put it (left, between the lines), at
// the quality the engine scales with.
const std::string kLeftSitedScale = ":in_h_chr_pos=0:in_v_chr_pos=128:flags=bicubic+full_chroma_int+accurate_rnd";
const std::string kCentredScale = ":flags=bicubic+full_chroma_int+accurate_rnd";

class FrameGrab : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine.Loaded()); }

    int Probe(const std::string &path) {
        std::vector<char> buffer(path.begin(), path.end());
        buffer.resize(path.size() + 10, '\0');
        EngineFileInfo info{};
        return engine.probe(buffer.data(), 10, &info, 0);
    }

    // The engine's picture at width x height, or empty when it gave none.
    std::vector<uint8_t> Grab(int width, int height, const char *bmpName = nullptr, int32_t *second = nullptr) {
        uint8_t *pixels = nullptr;
        int32_t result[4] = {-7, 0, 0, 0};
        if (engine.getFrame(width, height, bmpName, &pixels, result) != 0 || !pixels)
            return {};
        if (second)
            *second = result[0];
        return std::vector<uint8_t>(pixels, pixels + static_cast<size_t>(width) * height * 3);
    }

    EngineLibrary engine;
};

TEST_F(FrameGrab, FirstPictureMatchesFfmpegsDecode) {
    for (const std::string name : {"h264_aac.mp4", "long_gop.mp4", "offset.ts", "mpeg4_mp3.avi"}) {
        std::string file = Fixture(name);
        ASSERT_EQ(Probe(file), 0) << name;
        int32_t second = -1;
        std::vector<uint8_t> pixels = Grab(240, 180, nullptr, &second);
        EXPECT_EQ(second, 0) << name;
        double first = Psnr(pixels, ReferenceFrame(file, 0, 240, 180, SitedScaleOptions(file)));
        EXPECT_GT(first, 45) << name;
        // Not the second frame: the first timestamp is second 0, nothing dropped.
        EXPECT_GT(first, Psnr(pixels, ReferenceFrame(file, 1, 240, 180, SitedScaleOptions(file))) + 3) << name;
    }
}

TEST_F(FrameGrab, ScalingHonoursChromaSiting) {
    std::string file = Fixture("ac3.mpg");
    ASSERT_EQ(Probe(file), 0);
    std::vector<uint8_t> pixels = Grab(720, 576);
    double sited = Psnr(pixels, ReferenceFrame(file, 0, 720, 576, kLeftSitedScale));
    double centred = Psnr(pixels, ReferenceFrame(file, 0, 720, 576, kCentredScale));
    EXPECT_GT(sited, 40);
    EXPECT_GT(sited, centred + 2);
}

TEST_F(FrameGrab, RejectsSizesOutsideTheRange) {
    ASSERT_EQ(Probe(Fixture("h264_aac.mp4")), 0);
    struct Size {
        int width, height, result;
    };
    for (Size size : {Size{0, 10, -1}, Size{10, 0, -1}, Size{-3, 10, -1}, Size{8193, 10, -1}, Size{10, 8193, -1},
                      Size{1, 1, 0}, Size{241, 135, 0}, Size{8192, 2, 0}}) {
        uint8_t *pixels = reinterpret_cast<uint8_t *>(&size);
        int32_t result[4] = {};
        EXPECT_EQ(engine.getFrame(size.width, size.height, nullptr, &pixels, result), size.result)
            << size.width << "x" << size.height;
        EXPECT_EQ(pixels == nullptr, size.result != 0);
    }
}

TEST_F(FrameGrab, WritesA24BitBmp) {
    ASSERT_EQ(Probe(Fixture("portrait.mp4")), 0);
    std::string bmp = ScratchPath("thumb.bmp");
    std::vector<uint8_t> pixels = Grab(135, 180, bmp.c_str());
    ASSERT_FALSE(pixels.empty());
    std::vector<uint8_t> file = ReadFile(bmp);
    const size_t rowBytes = 136 * 3;   // 135 * 3 padded to a multiple of 4
    ASSERT_EQ(file.size(), 54 + rowBytes * 180);
    auto field = [&](size_t offset) {
        uint32_t value = 0;
        std::memcpy(&value, file.data() + offset, 4);
        return value;
    };
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(field(18), 135u);
    EXPECT_EQ(field(22), 180u);
    EXPECT_EQ(file[28], 24);
    // Bottom-up: the file's first row is the picture's last.
    EXPECT_TRUE(std::equal(file.begin() + 54, file.begin() + 54 + 135 * 3, pixels.end() - 135 * 3));
    EXPECT_EQ(Grab(10, 10, "/no/such/folder/x.bmp").size(), 0u);
}

TEST_F(FrameGrab, WritesAJpeg) {
    ASSERT_EQ(Probe(Fixture("h264_aac.mp4")), 0);
    std::string jpeg = ScratchPath("snapshot.jpg");
    ASSERT_EQ(engine.getFrameJpeg(160, 120, jpeg.c_str()), 0);
    std::vector<uint8_t> file = ReadFile(jpeg);
    ASSERT_GT(file.size(), 2u);
    EXPECT_EQ(file[0], 0xFF);
    EXPECT_EQ(file[1], 0xD8);
    EXPECT_EQ(ProbeNumber(jpeg, "v:0", "stream=width"), 160);
    EXPECT_EQ(engine.getFrameJpeg(160, 120, "/no/such/folder/x.jpg"), -1);
}

TEST_F(FrameGrab, AudioOnlyGivesABlackPicture) {
    ASSERT_EQ(Probe(Fixture("audio_only.mp3")), 0);
    std::vector<uint8_t> pixels = Grab(240, 180);
    ASSERT_EQ(pixels.size(), 240u * 180 * 3);
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](uint8_t value) { return value == 0; }));
}

TEST_F(FrameGrab, NothingAfterAFailedProbe) {
    ASSERT_EQ(Probe(Fixture("h264_aac.mp4")), 0);
    ASSERT_EQ(Probe(Fixture("garbage.mp4")), -1);
    uint8_t *pixels = nullptr;
    int32_t result[4] = {};
    EXPECT_EQ(engine.getFrame(240, 180, nullptr, &pixels, result), -1);
    EXPECT_EQ(pixels, nullptr);
}

} // namespace
} // namespace enginetest
