// The frame service: message order, accurate seeks on several containers,
// replaced seeks, shutting down mid-seek and without a file.
#include "EngineLibrary.h"
#include "MediaFixtures.h"
#include "MediaTools.h"

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
        ASSERT_TRUE(engine.Loaded());
        threadsBefore = ThreadCount();
    }

    void Start(const std::string &file) {
        ASSERT_FALSE(file.empty());
        ASSERT_EQ(engine.frameInit(&window, 2, file.c_str(), "", "0"), 0);
        ASSERT_TRUE(window.WaitFor(KORVID_MSG_READY, 1));
    }

    // Seeks and waits for the answer; true when a frame can be fetched.
    bool Seek(int seconds) {
        size_t answered = FramesAnswered();
        EXPECT_EQ(engine.frameSeek(seconds), 0);
        EXPECT_TRUE(window.WaitFor(KORVID_MSG_FRAME, answered + 1));
        return window.Posts().back().wparam == 1;
    }

    size_t FramesAnswered() {
        size_t count = 0;
        for (const Post &post : window.Posts())
            count += post.message == KORVID_MSG_FRAME;
        return count;
    }

    std::vector<uint8_t> Grab(int32_t *second) {
        uint8_t *pixels = nullptr;
        int32_t result[4] = {};
        if (engine.getFrame(kWidth, kHeight, nullptr, &pixels, result) != 0)
            return {};
        *second = result[0];
        return std::vector<uint8_t>(pixels, pixels + kWidth * kHeight * 3);
    }

    // The engine's picture is ffmpeg's frame `index`, not one of its neighbours.
    void ExpectFrame(const std::string &file, int index) {
        int32_t second = -1;
        std::vector<uint8_t> pixels = Grab(&second);
        const std::string scale = SitedScaleOptions(file);
        double exact = Psnr(pixels, ReferenceFrame(file, index, kWidth, kHeight, scale));
        EXPECT_GT(exact, 45) << "frame " << index;
        if (index > 0) {
            EXPECT_GT(exact, Psnr(pixels, ReferenceFrame(file, index - 1, kWidth, kHeight, scale)) + 3);
        }
        EXPECT_GT(exact, Psnr(pixels, ReferenceFrame(file, index + 1, kWidth, kHeight, scale)) + 3);
    }

    void StopAndExpectClosed() {
        EXPECT_EQ(engine.frameUninit(), 0);
        std::vector<Post> posts = window.Posts();
        ASSERT_FALSE(posts.empty());
        EXPECT_EQ(posts.back().message, static_cast<uint32_t>(KORVID_MSG_CLOSED));
        EXPECT_EQ(ThreadCount(), threadsBefore);
    }

    EngineLibrary engine;
    RecordingWindow window;
    int threadsBefore = 0;
};

TEST_F(FrameService, PostsReadyFramesAndClosedInOrder) {
    std::string file = Fixture("long_gop.mp4");
    Start(file);
    EXPECT_TRUE(Seek(7));
    int32_t second = -1;
    Grab(&second);
    EXPECT_EQ(second, 7);
    ExpectFrame(file, 7 * 25);
    StopAndExpectClosed();
    std::vector<Post> posts = window.Posts();
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
        std::string file = Fixture(c.file);
        ASSERT_EQ(engine.frameInit(&fresh, 2, file.c_str(), "", ""), 0);
        ASSERT_TRUE(fresh.WaitFor(KORVID_MSG_READY, 1));
        ASSERT_EQ(engine.frameSeek(c.second), 0);
        ASSERT_TRUE(fresh.WaitFor(KORVID_MSG_FRAME, 1));
        // The frame shown at that second of the file's own timeline.
        int index = FrameShownAt(file, c.second);
        ExpectFrame(file, index);
        EXPECT_EQ(engine.frameUninit(), 0);
        EXPECT_EQ(fresh.Posts().back().message, static_cast<uint32_t>(KORVID_MSG_CLOSED));
    }
    EXPECT_EQ(ThreadCount(), threadsBefore);
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
        std::string file = Fixture(c.file);
        ASSERT_EQ(engine.frameInit(&fresh, 2, file.c_str(), "", ""), 0);
        ASSERT_TRUE(fresh.WaitFor(KORVID_MSG_READY, 1));
        size_t answered = 0;
        for (int second : c.seconds) {
            if (second >= ProbeNumber(file, "", "format=duration"))
                continue;
            SCOPED_TRACE("second " + std::to_string(second));
            ASSERT_EQ(engine.frameSeek(second), 0);
            ASSERT_TRUE(fresh.WaitFor(KORVID_MSG_FRAME, ++answered));
            EXPECT_EQ(fresh.Posts().back().wparam, 1u);
            ExpectFrame(file, FrameShownAt(file, second));
        }
        EXPECT_EQ(engine.frameUninit(), 0);
    }
    EXPECT_EQ(ThreadCount(), threadsBefore);
}

// After a pause the service decodes the next seconds ahead, giving way to any
// seek; whatever it answered from, every picture is the exact frame, including
// seeks that arrive while it decodes ahead.
TEST_F(FrameService, SeeksAfterPausesAreExact) {
    struct Step {
        int second;
        int pauseMs;   // before the seek
    };
    std::string file = Fixture("long_gop.mp4");
    Start(file);
    for (Step step : {Step{1, 0}, Step{3, 600}, Step{2, 0}, Step{1, 0}, Step{5, 160}, Step{9, 170}, Step{6, 0},
                      Step{10, 600}, Step{11, 0}, Step{4, 0}}) {
        SCOPED_TRACE("second " + std::to_string(step.second));
        std::this_thread::sleep_for(std::chrono::milliseconds(step.pauseMs));
        ASSERT_TRUE(Seek(step.second));
        int32_t second = -1;
        Grab(&second);
        EXPECT_EQ(second, step.second);
        ExpectFrame(file, step.second * 25);
    }
    StopAndExpectClosed();
}

TEST_F(FrameService, PastTheEndGivesTheLastFrame) {
    std::string file = Fixture("h264_aac.mp4");
    Start(file);
    EXPECT_TRUE(Seek(1000));
    ExpectFrame(file, 99);
    StopAndExpectClosed();
}

TEST_F(FrameService, UnopenableFileAnswersEverySeekWithNoFrame) {
    Start(Fixture("garbage.mp4"));
    EXPECT_FALSE(Seek(1));
    EXPECT_FALSE(Seek(2));
    StopAndExpectClosed();
}

TEST_F(FrameService, NewestSeekReplacesWaitingOnes) {
    std::string file = Fixture("long_gop.mp4");
    ASSERT_EQ(engine.frameInit(&window, 2, file.c_str(), "", "0"), 0);
    for (int second = 1; second <= 10; ++second)
        ASSERT_EQ(engine.frameSeek(second), 0);
    int32_t second = -1;
    auto deadline = std::chrono::steady_clock::now() + 20s;
    while (second != 10 && std::chrono::steady_clock::now() < deadline) {
        ASSERT_TRUE(window.WaitFor(KORVID_MSG_FRAME, FramesAnswered() + 1));
        Grab(&second);
    }
    EXPECT_EQ(second, 10);
    EXPECT_LT(FramesAnswered(), 10u);
    ExpectFrame(file, 250);
    StopAndExpectClosed();
}

TEST_F(FrameService, UnInitWhileSeekingStopsPromptly) {
    Start(Fixture("long_gop.mp4"));
    ASSERT_EQ(engine.frameSeek(11), 0);
    auto before = std::chrono::steady_clock::now();
    StopAndExpectClosed();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2s);
    // Nothing arrives after the service closed.
    size_t count = window.Posts().size();
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(window.Posts().size(), count);
}

TEST_F(FrameService, CallsWithoutAServiceAreRefused) {
    EXPECT_EQ(engine.frameSeek(3), -1);
    EXPECT_EQ(engine.frameUninit(), -1);
    EXPECT_TRUE(window.Posts().empty());
}

} // namespace
} // namespace enginetest
