#pragma once
// The video side of a conversion: the encoder with its codec settings and the
// filter chain that turns decoded source frames into encoder frames.

#include "ConvertJob.h"
#include "GlobalSettings.h"
#include "PictureOrientation.h"
#include "TranscodeGeometry.h"

#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace korvid {

const AVCodec *VideoEncoderFor(const VideoJob &job);

// Opens the encoder; null with *error set when the encoder refuses the settings.
AVCodecContext *OpenVideoEncoder(const VideoJob &job, const VideoGeometry &geometry, const ConversionJob &conversion,
                                 const ConversionSettings &settings, bool globalHeader, std::string *error);

// Text subtitles drawn into the picture: the index-th subtitle stream of `file`.
struct SubtitleBurnIn {
    std::string file;
    int index = -1;                  // -1: none
    double offsetSeconds = 0;        // container time of the clip's second 0
};

// The stream index of the subtitle stream at position `subtitleTrack` among
// them; -1 when there is none.
int SubtitleStreamIndex(const AVFormatContext *format, int subtitleTrack);
bool IsTextSubtitle(const AVCodecParameters *parameters);

// The burn-in for `subtitleTrack` (position among the subtitle streams), or none
// when there is no such stream or it is not a text one.
SubtitleBurnIn SubtitleBurnInFor(const AVFormatContext *format, const std::string &file, int subtitleTrack,
                                 double offsetSeconds);

struct VideoChainInput {
    const AVFrame *firstFrame;       // size, format, sample aspect, chroma siting and start of the frames
    AVRational timeBase;             // of the pushed frames' timestamps
    bool deinterlace;
    double lengthSeconds;            // 0: no end
    SubtitleBurnIn subtitles;
    PictureOrientation orientation;  // turned upright before anything is drawn in
};

// Buffer source arguments and the chain from source frames to encoder frames.
std::string VideoSourceArguments(const VideoChainInput &input);
std::string VideoFilterChain(const VideoChainInput &input, const VideoJob &job, const VideoGeometry &geometry);

} // namespace korvid
