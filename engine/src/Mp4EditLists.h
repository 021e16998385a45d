#pragma once
// The edit lists of an MP4 or QuickTime file, read from its boxes before FFmpeg
// opens it, to tell whether FFmpeg's simple edit-list handling gives the file
// the same timeline as its full handling. The full handling rebuilds every
// track's sample index entry by entry when the file opens (about 35 ms of
// processor time per hour of video); the simple one only moves each track's
// start, which is all that most files' edit lists do: an encoder's B-frame
// delay, an audio encoder's priming, a track that starts late.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvid {

struct TrackEdits {
    uint32_t trackId = 0;                   // the stream's id in FFmpeg
    enum class Kind { Video, Audio, Other } kind = Kind::Other;
    // Its edit list starts the track at one media time and plays on at normal rate.
    bool onlyStartShift = false;
    int64_t mediaStart = 0;                 // that media time (0 without an edit list)
    // Video only: every sample lies inside that one edit, the first sample shown
    // starts it and is a keyframe, so the full handling neither drops nor marks one.
    bool keepsEverySample = false;
};

// Every track of the file; nothing when it is not an unfragmented MP4 or
// QuickTime file, or when its boxes cannot be read whole.
std::optional<std::vector<TrackEdits>> ReadTrackEdits(const std::string &path);

// The full handling can be left out for readers of the pictures and the timeline:
// the video tracks keep every sample and the audio tracks only start late or
// early. An audio track whose edit skips media (mediaStart > 0) gives the same
// start only for AAC, which FFmpeg then pads; the caller checks the codec.
bool SimpleEditListsSuffice(const std::vector<TrackEdits> &tracks);

} // namespace korvid
