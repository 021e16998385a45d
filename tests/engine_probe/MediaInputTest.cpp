// MediaInput, the engine's input side: which streams it takes for the
// identifiers the program knows, its timeline, and decoding.
#include "MediaInput.h"

#include "MediaFixtures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

namespace enginetest {
namespace {

using korvid::DecodeStatus;
using korvid::MediaInput;
using korvid::MediaInputOptions;
using korvid::StreamKind;

struct FramePointer {
    FramePointer() : frame(av_frame_alloc()) {}
    ~FramePointer() { av_frame_free(&frame); }
    AVFrame *frame;
};

std::unique_ptr<MediaInput> OpenWith(const std::string &name, int audioTrack, int videoStreamId = -1) {
    MediaInputOptions options;
    options.audioTrack = audioTrack;
    options.videoStreamId = videoStreamId;
    return MediaInput::Open(Fixture(name), options);
}

struct TrackCase {
    const char *file;
    int audioTrack;
    int expectedAudioPosition;   // among the file's audio streams
};

TEST(MediaInputStreams, AudioTrackFollowsTheProgramsIdentifiers) {
    for (TrackCase c : {TrackCase{"two_audio.mkv", -1, 0}, TrackCase{"two_audio.mkv", 0, 0},
                        TrackCase{"two_audio.mkv", 1, 1}, TrackCase{"two_audio.mkv", 5, 0},
                        TrackCase{"two_audio.mp4", 3, 1}, TrackCase{"two_audio.mp4", 2, 0},
                        TrackCase{"two_audio.mp4", 9, 0}, TrackCase{"pids.ts", 0x131, 1}, TrackCase{"pids.ts", 0x130, 0},
                        TrackCase{"mixed_audio.mpg", 0xC0, 0}, TrackCase{"mixed_audio.mpg", 189, 1},
                        TrackCase{"mixed_audio.mpg", 0x80, 1}, TrackCase{"mixed_audio.mpg", 77, 0}}) {
        SCOPED_TRACE(std::string(c.file) + " track " + std::to_string(c.audioTrack));
        auto input = OpenWith(c.file, c.audioTrack);
        ASSERT_TRUE(input);
        ASSERT_TRUE(input->AudioStream());
        int position = 0;
        for (unsigned i = 0; i < input->Format()->nb_streams && input->Format()->streams[i] != input->AudioStream(); ++i)
            position += input->Format()->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
        EXPECT_EQ(position, c.expectedAudioPosition);
    }
}

TEST(MediaInputStreams, VideoStreamIdentifiersAreMapped) {
    auto ts = OpenWith("pids.ts", -1, 0x120);
    ASSERT_TRUE(ts && ts->VideoStream());
    EXPECT_EQ(ts->VideoStream()->id, 0x120);
    auto ps = OpenWith("mixed_audio.mpg", -1, 224);
    ASSERT_TRUE(ps && ps->VideoStream());
    EXPECT_EQ(ps->VideoStream()->id, 0x1E0);
    auto unknown = OpenWith("two_audio.mp4", -1, 42);
    ASSERT_TRUE(unknown && unknown->VideoStream());
}

TEST(MediaInputStreams, AudioOnlyFilesHaveNoVideo) {
    auto input = OpenWith("audio_only.mp3", -1);
    ASSERT_TRUE(input);
    EXPECT_EQ(input->VideoStream(), nullptr);
    EXPECT_NE(input->AudioDecoder(), nullptr);
}

TEST(MediaInputTimeline, FirstTimestampIsSecondZero) {
    auto input = OpenWith("offset.ts", -1);
    ASSERT_TRUE(input);
    EXPECT_GT(input->OriginTicks(), 9 * AV_TIME_BASE);
    FramePointer frame;
    StreamKind kind = StreamKind::Audio;
    while (input->ReceiveFrame(frame.frame, &kind) == DecodeStatus::Frame && kind != StreamKind::Video) {
    }
    ASSERT_EQ(kind, StreamKind::Video);
    EXPECT_NEAR(input->SecondsOf(frame.frame, kind), 0.0, 0.1);
    EXPECT_NE(frame.frame->chroma_location, AVCHROMA_LOC_UNSPECIFIED);
}

TEST(MediaInputDecoding, DecodesEveryFrameOfBothStreams) {
    auto input = OpenWith("h264_aac.mp4", -1);
    ASSERT_TRUE(input);
    FramePointer frame;
    StreamKind kind = StreamKind::Video;
    int videoFrames = 0;
    double audioSeconds = 0;
    DecodeStatus status;
    while ((status = input->ReceiveFrame(frame.frame, &kind)) == DecodeStatus::Frame) {
        videoFrames += kind == StreamKind::Video;
        if (kind == StreamKind::Audio)
            audioSeconds = input->SecondsOf(frame.frame, kind);
    }
    EXPECT_EQ(status, DecodeStatus::End);
    EXPECT_EQ(videoFrames, 100);
    EXPECT_NEAR(audioSeconds, 4.0, 0.1);
}

struct SeekCase {
    const char *file;
    double second;
    double earliest;   // the first picture may not be earlier than this
};

// Streams without an index land by byte position: a second within the first
// group of pictures is reached only from the first byte.
TEST(MediaInputDecoding, SeekToStartsAtOrBeforeTheSecond) {
    for (SeekCase c : {SeekCase{"h264_aac.mp4", 2.5, 1.5}, SeekCase{"long_gop_mpeg2.ts", 1, 0},
                       SeekCase{"long_gop_mpeg2.vob", 1, 0}}) {
        SCOPED_TRACE(c.file);
        auto input = OpenWith(c.file, -1);
        ASSERT_TRUE(input);
        ASSERT_TRUE(input->SeekTo(c.second));
        FramePointer frame;
        StreamKind kind = StreamKind::Audio;
        while (input->ReceiveFrame(frame.frame, &kind) == DecodeStatus::Frame && kind != StreamKind::Video) {
        }
        double first = input->SecondsOf(frame.frame, kind);
        EXPECT_LE(first, c.second);
        EXPECT_GE(first, c.earliest);
    }
}

TEST(MediaInputDecoding, StopRequestEndsDecoding) {
    auto input = OpenWith("long_gop.mp4", -1);
    ASSERT_TRUE(input);
    input->RequestStop();
    FramePointer frame;
    StreamKind kind;
    EXPECT_EQ(input->ReceiveFrame(frame.frame, &kind), DecodeStatus::Stopped);
    EXPECT_FALSE(input->DecodeVideoAt(5, frame.frame));
}

// Same time and same luma rows.
bool SamePicture(const AVFrame *a, const AVFrame *b) {
    if (a->best_effort_timestamp != b->best_effort_timestamp || a->width != b->width || a->height != b->height)
        return false;
    for (int row = 0; row < a->height; ++row)
        if (std::memcmp(a->data[0] + row * a->linesize[0], b->data[0] + row * b->linesize[0], a->width) != 0)
            return false;
    return true;
}

// A seek that gives way part of the way (after 0 to 20 ms here) leaves the
// decoder where later seconds, onward or back, still come out exact: the frames
// just after where it stopped (some of them read and left out), the second it
// gave way on, and others; so are the seconds passed on the way.
TEST(MediaInputDecoding, SeeksAfterOneThatGaveWayAreExact) {
    auto reference = OpenWith("long_gop.mp4", -1);
    ASSERT_TRUE(reference);
    for (int delayMs : {0, 2, 5, 10, 20}) {
        SCOPED_TRACE("gave way after " + std::to_string(delayMs) + " ms");
        auto input = OpenWith("long_gop.mp4", -1);
        ASSERT_TRUE(input);
        std::vector<korvid::PassedSecond> passed;
        input->KeepPassedSeconds(&passed);
        FramePointer picture;
        ASSERT_TRUE(input->DecodeVideoAt(1, picture.frame));
        std::atomic<bool> giveWay{delayMs == 0};
        input->YieldWhen(&giveWay);
        std::thread setter([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            giveWay = true;
        });
        const bool finished = input->DecodeVideoAt(8, picture.frame);
        setter.join();
        EXPECT_EQ(finished, !input->Yielded());
        input->YieldWhen(nullptr);
        std::vector<double> seconds;
        const double stoppedAt = picture.frame->buf[0] ? input->SecondsOf(picture.frame, StreamKind::Video) : 1;
        for (int frames = 1; frames <= 4; ++frames)
            seconds.push_back(stoppedAt + frames * 0.04);
        seconds.insert(seconds.end(), {8.0, 3.0, 9.0, 11.5});
        for (double second : seconds) {
            SCOPED_TRACE("then " + std::to_string(second) + " s");
            FramePointer expected;
            ASSERT_TRUE(reference->DecodeVideoAt(second, expected.frame));
            ASSERT_TRUE(input->DecodeVideoAt(second, picture.frame));
            EXPECT_FALSE(input->Yielded());
            EXPECT_TRUE(SamePicture(picture.frame, expected.frame));
        }
        // Seconds passed before and after giving way, some of whose frames were left out.
        for (const korvid::PassedSecond &second : passed) {
            SCOPED_TRACE("passed " + std::to_string(second.second) + " s");
            FramePointer expected;
            ASSERT_TRUE(reference->DecodeVideoAt(second.second, expected.frame));
            EXPECT_TRUE(SamePicture(second.picture.get(), expected.frame));
        }
    }
}

// Pictures passed on the way to a second equal what a seek to each of those
// seconds gives (H.264 with B-frames, with an index and without; MPEG-4 with
// B-frames), and a seek passes some.
TEST(MediaInputDecoding, PassedSecondsAreThePicturesShownThen) {
    struct Case {
        const char *file;
        int second;
    };
    for (Case c : {Case{"long_gop.mp4", 9}, Case{"long_gop.ts", 9}, Case{"mpeg4_bframes.avi", 5}}) {
        SCOPED_TRACE(c.file);
        auto reference = OpenWith(c.file, -1);
        auto input = OpenWith(c.file, -1);
        ASSERT_TRUE(reference && input);
        std::vector<korvid::PassedSecond> passed;
        input->KeepPassedSeconds(&passed);
        FramePointer picture;
        ASSERT_TRUE(input->DecodeVideoAt(c.second, picture.frame));
        EXPECT_FALSE(passed.empty());
        for (const korvid::PassedSecond &second : passed) {
            SCOPED_TRACE("second " + std::to_string(second.second));
            EXPECT_LT(second.second, c.second);
            FramePointer expected;
            ASSERT_TRUE(reference->DecodeVideoAt(second.second, expected.frame));
            EXPECT_TRUE(SamePicture(second.picture.get(), expected.frame));
        }
    }
}

TEST(MediaInputDecoding, RejectsFilesWithoutStreams) {
    std::string error;
    EXPECT_FALSE(MediaInput::Open(Fixture("garbage.mp4"), MediaInputOptions{}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(MediaInput::Open(Fixture("subtitles_only.mkv"), MediaInputOptions{}, &error));
}

} // namespace
} // namespace enginetest
