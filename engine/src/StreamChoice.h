#pragma once
// Which streams of an opened file to use, from the identifiers the host knows
// (MediaInfo's numbering). See MediaInput.h for the rules.

extern "C" {
#include <libavformat/avformat.h>
}

namespace korvid {

// Index of the video stream to use, or -1 when the file has none.
int ChooseVideoStream(const AVFormatContext *format, int videoStreamId);
// Index of the audio stream to use, or -1 when the file has none.
int ChooseAudioStream(const AVFormatContext *format, int audioTrack);

} // namespace korvid
