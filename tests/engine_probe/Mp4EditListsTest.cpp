// MP4 edit lists: which files may open with FFmpeg's simple edit-list handling,
// and that such an open gives the same pictures and timeline as the full one.
#include "MediaInput.h"
#include "Mp4EditLists.h"

#include "MediaFixtures.h"
#include "MediaTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

namespace enginetest {
namespace {

using korvid::MediaInput;
using korvid::MediaInputOptions;

enum class Verdict { NotMp4, Simple, Full };

Verdict VerdictOf(const std::string &path) {
    std::optional<std::vector<korvid::TrackEdits>> tracks = korvid::ReadTrackEdits(path);
    if (!tracks)
        return Verdict::NotMp4;
    return korvid::SimpleEditListsSuffice(*tracks) ? Verdict::Simple : Verdict::Full;
}

TEST(Mp4EditLists, SimpleHandlingOnlyWhereEditsJustMoveAStart) {
    struct Case {
        const char *file;
        Verdict expected;
    };
    for (Case c : {Case{"long_gop.mp4", Verdict::Simple},      // B-frame delay
                   Case{"two_audio.mp4", Verdict::Simple},     // and AAC priming
                   Case{"late_video.mp4", Verdict::Simple},    // an empty edit first
                   Case{"mp3_audio.mp4", Verdict::Simple},     // MP3 priming: the open checks the codec
                   Case{"cut_start.mp4", Verdict::Full},       // frames before the edit are hidden
                   Case{"fragmented.mp4", Verdict::NotMp4}, Case{"truncated.mp4", Verdict::NotMp4},
                   Case{"garbage.mp4", Verdict::NotMp4}, Case{"empty.avi", Verdict::NotMp4},
                   Case{"two_audio.mkv", Verdict::NotMp4}, Case{"pids.ts", Verdict::NotMp4}}) {
        SCOPED_TRACE(c.file);
        const std::string path = Fixture(c.file);
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(VerdictOf(path), c.expected);
    }
}

// A file's video packets and every stream's start, as a reader of the pictures sees them.
struct Timeline {
    int64_t origin = 0;
    double duration = 0;
    double frameRate = 0;
    std::vector<int64_t> starts;
    std::vector<std::tuple<int64_t, int64_t, int>> videoPackets;   // pts, dts, flags

    bool operator==(const Timeline &other) const {
        return std::tie(origin, duration, frameRate, starts, videoPackets) ==
               std::tie(other.origin, other.duration, other.frameRate, other.starts, other.videoPackets);
    }
};

Timeline TimelineOf(const std::string &path, bool exactAudioEdits) {
    MediaInputOptions options;
    options.exactAudioEdits = exactAudioEdits;
    std::unique_ptr<MediaInput> input = MediaInput::Open(path, options);
    Timeline timeline;
    if (!input || !input->VideoStream())
        return timeline;
    timeline.origin = input->OriginTicks();
    timeline.duration = input->DurationSeconds();
    timeline.frameRate = input->VideoFrameRate();
    AVFormatContext *format = input->Format();
    for (unsigned i = 0; i < format->nb_streams; ++i)
        timeline.starts.push_back(format->streams[i]->start_time);
    AVPacket *packet = av_packet_alloc();
    while (av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == input->VideoStream()->index)
            timeline.videoPackets.emplace_back(packet->pts, packet->dts, packet->flags);
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    return timeline;
}

TEST(Mp4EditLists, QuickOpenKeepsPicturesAndTimeline) {
    for (const char *file : {"long_gop.mp4", "two_audio.mp4", "h264_aac.mp4", "late_video.mp4", "mp3_audio.mp4",
                             "cut_start.mp4", "portrait.mp4"}) {
        SCOPED_TRACE(file);
        const std::string path = Fixture(file);
        ASSERT_FALSE(path.empty());
        Timeline full = TimelineOf(path, true);
        ASSERT_FALSE(full.videoPackets.empty());
        EXPECT_TRUE(TimelineOf(path, false) == full);
    }
}

std::string WrittenTo(const std::string &name, const std::vector<uint8_t> &bytes) {
    const std::string path = ScratchPath(name);
    WriteFile(path, bytes);
    return path;
}

// A file whose movie box is damaged anywhere is read without a crash or a hang.
TEST(Mp4EditLists, DamagedMovieBoxesAreReadSafely) {
    const std::vector<uint8_t> file = ReadFile(Fixture("two_audio.mp4"));
    const std::string moov = "moov";
    auto found = std::search(file.begin(), file.end(), moov.begin(), moov.end());
    ASSERT_GE(found - file.begin(), 4);
    const std::vector<uint8_t> whole(found - 4, file.end());   // the movie box alone is a file to the reader
    ASSERT_EQ(VerdictOf(WrittenTo("moov_only.mp4", whole)), Verdict::Simple);
    const std::string path = ScratchPath("damaged_moov.mp4");
    for (size_t at = 0; at + 4 <= whole.size(); at += 4) {   // every field of the boxes
        std::vector<uint8_t> damaged = whole;
        std::fill_n(damaged.begin() + static_cast<std::ptrdiff_t>(at), 4, uint8_t{0xff});
        WriteFile(path, damaged);
        korvid::ReadTrackEdits(path);
        damaged.resize(at);   // and cut off there
        WriteFile(path, damaged);
        korvid::ReadTrackEdits(path);
    }
}

} // namespace
} // namespace enginetest
