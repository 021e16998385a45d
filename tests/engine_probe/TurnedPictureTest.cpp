// Pictures stored sideways or mirrored (as phones store them) are measured and
// shown upright: the probe's size and aspect, its picture, the snapshot JPEG,
// and the frame service's pictures.
#include "EngineLibrary.h"
#include "MediaFixtures.h"
#include "MediaTools.h"
#include "TurnedPictures.h"

#include <gtest/gtest.h>

namespace enginetest {
namespace {

class TurnedPictures : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine.Loaded()); }

    static std::string FileOf(const Turn &turn) { return Fixture(std::string("turned_") + turn.name + ".mp4"); }

    // The engine's current picture at width x height, blue-green-red.
    std::vector<uint8_t> Grab(int width, int height) {
        uint8_t *pixels = nullptr;
        int32_t result[4] = {};
        if (engine.getFrame(width, height, nullptr, &pixels, result) != 0 || !pixels)
            return {};
        return std::vector<uint8_t>(pixels, pixels + static_cast<size_t>(width) * height * 3);
    }

    static void ExpectUpright(const std::vector<uint8_t> &pixels, const Turn &turn, int width, int height) {
        ASSERT_EQ(pixels.size(), static_cast<size_t>(width) * height * 3);
        const MarkerCorners corners = FindMarkerCorners(pixels.data(), width, height, 3);
        EXPECT_STREQ(CornerName(corners.white), CornerName(turn.white));
        EXPECT_STREQ(CornerName(corners.grey), CornerName(turn.grey));
    }

    EngineLibrary engine;
};

TEST_F(TurnedPictures, ProbeMeasuresAndShowsThePictureUpright) {
    for (const Turn &turn : Turns()) {
        SCOPED_TRACE(turn.name);
        const std::string file = FileOf(turn);
        ASSERT_FALSE(file.empty());
        std::vector<char> path(file.begin(), file.end());
        path.resize(file.size() + 10, '\0');
        EngineFileInfo info{};
        ASSERT_EQ(engine.probe(path.data(), 10, &info, 0), 0);
        const int width = turn.swapsSides ? 180 : 320, height = turn.swapsSides ? 320 : 180;
        EXPECT_EQ(info.width, width);
        EXPECT_EQ(info.height, height);
        EXPECT_EQ(info.aspectCode, turn.swapsSides ? 1 : 3);   // square pixels / 16:9
        ExpectUpright(Grab(width, height), turn, width, height);

        const std::string jpeg = ScratchPath(std::string("snapshot_") + turn.name + ".jpg");
        ASSERT_EQ(engine.getFrameJpeg(width, height, jpeg.c_str()), 0);
        ExpectUpright(ReferenceFrame(jpeg, 0, width, height), turn, width, height);
    }
}

TEST_F(TurnedPictures, FrameServiceShowsPicturesUpright) {
    for (const Turn &turn : Turns()) {
        SCOPED_TRACE(turn.name);
        RecordingWindow window;
        const std::string file = FileOf(turn);
        ASSERT_EQ(engine.frameInit(&window, 2, file.c_str(), "", "0"), 0);
        ASSERT_TRUE(window.WaitFor(KORVID_MSG_READY, 1));
        ASSERT_EQ(engine.frameSeek(1), 0);
        ASSERT_TRUE(window.WaitFor(KORVID_MSG_FRAME, 1));
        EXPECT_EQ(window.Posts().back().wparam, 1u);
        const int width = turn.swapsSides ? 90 : 160, height = turn.swapsSides ? 160 : 90;
        ExpectUpright(Grab(width, height), turn, width, height);
        EXPECT_EQ(engine.frameUninit(), 0);
    }
}

} // namespace
} // namespace enginetest
