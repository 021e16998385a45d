#pragma once
// Whether a converted file holds what its job asked for: the trimmed length, give or
// take a little, and the video and audio streams. A file that does not is kept for the
// user to inspect but never counted as converted.

#include <QString>

#include <functional>
#include <optional>

namespace conversion {

struct OutputStreams {
    double seconds = 0;
    bool video = false;
    bool audio = false;
};

// The reason the converted file `found` falls short of `expected` ("the output holds
// 12 s of 95 s", "the output has no video stream"), or nothing when it is whole. A file
// may be shorter by 2 % of the expected length, and by at least a second for short clips.
std::optional<QString> OutputShortfall(const OutputStreams &expected, const OutputStreams &found);

// Reads a converted file's length and streams; nothing when it cannot tell (no media library).
using OutputProbe = std::function<std::optional<OutputStreams>(const QString &file)>;
// The media library's answer for `file`: a file it cannot read has no streams.
std::optional<OutputStreams> ReadOutputStreams(const QString &file);

} // namespace conversion
