#pragma once
// Writing a decoded picture as a JPEG file through FFmpeg's MJPEG encoder.

#include <string>

extern "C" {
#include <libavutil/frame.h>
}

namespace korvid {

// Scales `picture` to width x height (its own size when either is below 1).
bool WriteJpeg(const std::string &path, const AVFrame *picture, int width, int height);

} // namespace korvid
