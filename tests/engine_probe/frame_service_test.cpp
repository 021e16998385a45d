// The frame service: message order, accurate seeks on several containers,
// replaced seeks, shutting down mid-seek and without a file.
#include "engine_library.h"
#include "media_fixtures.h"
#include "media_tools.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

namespace enginetest {
namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 240;
constexpr int kHeight = 180;

class FrameService : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(engine.loaded());
        threadsBefore = threadCount();
    }

    void start(const std::string &file) {
        ASSERT_FALSE(file.empty());
        ASSERT_EQ(engine.frameInit(&window, 2, file.c_str(), "", "0"), 0);
        ASSERT_TRUE(window.waitFor(KORVID_MSG_READY, 1));
    }

    // Seeks and waits for the answer; true when a frame can be fetched.
    bool seek(int seconds) {
        size_t answered = framesAnswered();
        EXPECT_EQ(engine.frameSeek(seconds), 0);
        EXPECT_TRUE(window.waitFor(KORVID_MSG_FRAME, answered + 1));
        return window.posts().back().wparam == 1;
    }

    size_t framesAnswered() {
        size_t count = 0;
        for (const Post &post : window.posts())
            count += post.message == KORVID_MSG_FRAME;
        return count;
    }

    std::vector<uint8_t> grab(int32_t *second) {
        uint8_t *pixels = nullptr;
        int32_t result[4] = {};
        if (engine.getFrame(kWidth, kHeight, nullptr, &pixels, result) != 0)
            return {};
        *second = result[0];
        return std::vector<uint8_t>(pixels, pixels + kWidth * kHeight * 3);
    }

    // The engine's picture is ffmpeg's frame `index`, not one of its neighbours.
    void expectFrame(const std::string &file, int index) {
        int32_t second = -1;
        std::vector<uint8_t> pixels = grab(&second);
        const std::string scale = sitedScaleOptions(file);
        double exact = psnr(pixels, referenceFrame(file, index, kWidth, kHeight, scale));
        EXPECT_GT(exact, 45) << "frame " << index;
        if (index > 0) {
            EXPECT_GT(exact, psnr(pixels, referenceFrame(file, index - 1, kWidth, kHeight, scale)) + 3);
        }
        EXPECT_GT(exact, psnr(pixels, referenceFrame(file, index + 1, kWidth, kHeight, scale)) + 3);
    }

    void stopAndExpectClosed() {
        EXPECT_EQ(engine.frameUninit(), 0);
        std::vector<Post> posts = window.posts();
        ASSERT_FALSE(posts.empty());
        EXPECT_EQ(posts.back().message, static_cast<uint32_t>(KORVID_MSG_CLOSED));
        EXPECT_EQ(threadCount(), threadsBefore);
    }

    EngineLibrary engine;
    RecordingWindow window;
    int threadsBefore = 0;
};

TEST_F(FrameService, PostsReadyFramesAndClosedInOrder) {
    std::string file = fixture("long_gop.mp4");
    start(file);
    EXPECT_TRUE(seek(7));
    int32_t second = -1;
    grab(&second);
    EXPECT_EQ(second, 7);
    expectFrame(file, 7 * 25);
    stopAndExpectClosed();
    std::vector<Post> posts = window.posts();
    ASSERT_EQ(posts.size(), 3u);
    EXPECT_EQ(posts[0].message, static_cast<uint32_t>(KORVID_MSG_READY));
    EXPECT_EQ(posts[1].message, static_cast<uint32_t>(KORVID_MSG_FRAME));
    EXPECT_EQ(posts[1].wparam, 1u);
}

TEST_F(FrameService, SeeksAreAccurateOnEveryContainer) {
    struct Case {
        const char *file;
        int second;
    };
    for (Case c : {Case{"long_gop.mp4", 11}, Case{"long_gop.mp4", 2}, Case{"long_gop.ts", 9}, Case{"ac3.mpg", 3}, Case{"ac3.mpg", 1},
                   Case{"offset.ts", 2}, Case{"pids.ts", 3}, Case{"two_audio.mkv", 2}, Case{"wmv2_wma.wmv", 2},
                   Case{"mpeg4_bframes.avi", 3}, Case{"mpeg4_bframes.avi", 5}}) {
        SCOPED_TRACE(c.file + std::string(" at ") + std::to_string(c.second));
        RecordingWindow fresh;
        std::string file = fixture(c.file);
        ASSERT_EQ(engine.frameInit(&fresh, 2, file.c_str(), "", ""), 0);
        ASSERT_TRUE(fresh.waitFor(KORVID_MSG_READY, 1));
        ASSERT_EQ(engine.frameSeek(c.second), 0);
        ASSERT_TRUE(fresh.waitFor(KORVID_MSG_FRAME, 1));
        // The frame shown at that second of the file's own timeline.
        int index = frameShownAt(file, c.second);
        expectFrame(file, index);
        EXPECT_EQ(engine.frameUninit(), 0);
        EXPECT_EQ(fresh.posts().back().message, static_cast<uint32_t>(KORVID_MSG_CLOSED));
    }
    EXPECT_EQ(threadCount(), threadsBefore);
}

// Seeks in a row, as a drag of the preview's slider makes them: onward within a
// group of pictures, the same second again, back, and past the next keyframe;
// then back second by second after a seek, answered from the pictures that seek
// decoded on its way.
TEST_F(FrameService, SeeksInARowAreEachAccurate) {
    struct Case {
        const char *file;
        std::vector<int> seconds;
    };
    const std::vector<int> dragAndJump{1, 2, 2, 1, 11};
    const std::vector<int> back{9, 8, 7, 5, 2, 1};
    for (const Case &c : {Case{"long_gop.mp4", dragAndJump}, Case{"long_gop.ts", dragAndJump},
                          Case{"ac3.mpg", dragAndJump}, Case{"long_gop.mp4", back}, Case{"long_gop.ts", back}}) {
        SCOPED_TRACE(c.file);
        RecordingWindow fresh;
        std::string file = fixture(c.file);
        ASSERT_EQ(engine.frameInit(&fresh, 2, file.c_str(), "", ""), 0);
        ASSERT_TRUE(fresh.waitFor(KORVID_MSG_READY, 1));
        size_t answered = 0;
        for (int second : c.seconds) {
            if (second >= probeNumber(file, "", "format=duration"))
                continue;
            SCOPED_TRACE("second " + std::to_string(second));
            ASSERT_EQ(engine.frameSeek(second), 0);
            ASSERT_TRUE(fresh.waitFor(KORVID_MSG_FRAME, ++answered));
            EXPECT_EQ(fresh.posts().back().wparam, 1u);
            expectFrame(file, frameShownAt(file, second));
        }
        EXPECT_EQ(engine.frameUninit(), 0);
    }
    EXPECT_EQ(threadCount(), threadsBefore);
}

// After a pause the service decodes the next seconds ahead, giving way to any
// seek; whatever it answered from, every picture is the exact frame, including
// seeks that arrive while it decodes ahead.
TEST_F(FrameService, SeeksAfterPausesAreExact) {
    struct Step {
        int second;
        int pauseMs;   // before the seek
    };
    std::string file = fixture("long_gop.mp4");
    start(file);
    for (Step step : {Step{1, 0}, Step{3, 600}, Step{2, 0}, Step{1, 0}, Step{5, 160}, Step{9, 170}, Step{6, 0},
                      Step{10, 600}, Step{11, 0}, Step{4, 0}}) {
        SCOPED_TRACE("second " + std::to_string(step.second));
        std::this_thread::sleep_for(std::chrono::milliseconds(step.pauseMs));
        ASSERT_TRUE(seek(step.second));
        int32_t second = -1;
        grab(&second);
        EXPECT_EQ(second, step.second);
        expectFrame(file, step.second * 25);
    }
    stopAndExpectClosed();
}

TEST_F(FrameService, PastTheEndGivesTheLastFrame) {
    std::string file = fixture("h264_aac.mp4");
    start(file);
    EXPECT_TRUE(seek(1000));
    expectFrame(file, 99);
    stopAndExpectClosed();
}

TEST_F(FrameService, UnopenableFileAnswersEverySeekWithNoFrame) {
    start(fixture("garbage.mp4"));
    EXPECT_FALSE(seek(1));
    EXPECT_FALSE(seek(2));
    stopAndExpectClosed();
}

TEST_F(FrameService, NewestSeekReplacesWaitingOnes) {
    std::string file = fixture("long_gop.mp4");
    ASSERT_EQ(engine.frameInit(&window, 2, file.c_str(), "", "0"), 0);
    for (int second = 1; second <= 10; ++second)
        ASSERT_EQ(engine.frameSeek(second), 0);
    int32_t second = -1;
    auto deadline = std::chrono::steady_clock::now() + 20s;
    while (second != 10 && std::chrono::steady_clock::now() < deadline) {
        ASSERT_TRUE(window.waitFor(KORVID_MSG_FRAME, framesAnswered() + 1));
        grab(&second);
    }
    EXPECT_EQ(second, 10);
    EXPECT_LT(framesAnswered(), 10u);
    expectFrame(file, 250);
    stopAndExpectClosed();
}

TEST_F(FrameService, UnInitWhileSeekingStopsPromptly) {
    start(fixture("long_gop.mp4"));
    ASSERT_EQ(engine.frameSeek(11), 0);
    auto before = std::chrono::steady_clock::now();
    stopAndExpectClosed();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2s);
    // Nothing arrives after the service closed.
    size_t count = window.posts().size();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(window.posts().size(), count);
}

TEST_F(FrameService, CallsWithoutAServiceAreRefused) {
    EXPECT_EQ(engine.frameSeek(3), -1);
    EXPECT_EQ(engine.frameUninit(), -1);
    EXPECT_TRUE(window.posts().empty());
}

} // namespace
} // namespace enginetest
