#pragma once
// The video side of a conversion: the encoder with its codec settings and the
// filter chain that turns decoded source frames into encoder frames.

#include "convert_job.h"
#include "global_settings.h"
#include "transcode_geometry.h"

#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace korvid {

const AVCodec *videoEncoderFor(const VideoJob &job);

// Opens the encoder; null with *error set when the encoder refuses the settings.
AVCodecContext *openVideoEncoder(const VideoJob &job, const VideoGeometry &geometry, const ConversionJob &conversion,
                                 const ConversionSettings &settings, bool globalHeader, std::string *error);

struct VideoChainInput {
    const AVFrame *firstFrame;       // size, format, sample aspect and chroma siting of the frames
    AVRational timeBase;             // of the pushed frames' timestamps
    bool deinterlace;
    double lengthSeconds;            // 0: no end
};

// Buffer source arguments and the chain from source frames to encoder frames.
std::string videoSourceArguments(const VideoChainInput &input);
std::string videoFilterChain(const VideoChainInput &input, const VideoJob &job, const VideoGeometry &geometry);

} // namespace korvid
