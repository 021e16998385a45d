#pragma once
// The output picture of a conversion: frame and picture size, sample aspect,
// frame rate and bit rate, decided from the job and the source. Codec limits
// (DVD sizes and rates, H.263 sizes, MPEG rates and aspects) are applied here.

#include "ConvertJob.h"

extern "C" {
#include <libavutil/rational.h>
}

struct AVCodec;

namespace korvid {

struct SourcePicture {
    int width = 0;
    int height = 0;
    AVRational sampleAspect{0, 1};   // 0/1: unknown, taken as square
    AVRational frameRate{0, 1};      // 0/1: unknown
};

struct VideoGeometry {
    int frameWidth = 0;
    int frameHeight = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    AVRational sampleAspect{1, 1};
    AVRational frameRate{25, 1};
    int64_t bitRate = 0;             // bits per second
    bool pal = false;                // for DVD: 25 Hz PAL, else 29.97 Hz NTSC
};

VideoGeometry DecideGeometry(const VideoJob &job, const SourcePicture &source, const AVCodec *encoder);

// The source's rate: the work file's text when it gives one, else what the stream says.
AVRational SourceFrameRate(const std::string &workFileRateText, AVRational streamRate);

} // namespace korvid
