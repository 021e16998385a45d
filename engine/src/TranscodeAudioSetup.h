#pragma once
// The audio side of a conversion: the encoder (rate, channels and bit rate that
// the codec and the container allow) and the filter chain from decoded frames.

#include "ConvertJob.h"
#include "GlobalSettings.h"

#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace korvid {

// Opens the encoder for a source decoder; null with *error set on failure.
AVCodecContext *OpenAudioEncoder(const ConversionJob &job, const AVCodecContext *decoder, bool globalHeader,
                                 std::string *error);

struct AudioChainInput {
    const AVFrame *firstFrame;   // rate, format and channel layout of the frames
    bool forceSync;              // stretch to the timestamps, not only fill and trim
    double volumeDb;
    double lengthSeconds;        // 0: no end
    bool startsAtZero;           // pad or trim the start to the clip's second 0
};

// Timestamps pushed into the chain count samples of the source rate.
std::string AudioSourceArguments(const AudioChainInput &input);
std::string AudioFilterChain(const AudioChainInput &input, const AVCodecContext *encoder);

} // namespace korvid
