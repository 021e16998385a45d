#pragma once
// Owning pointer for FFmpeg frames.

#include <memory>

extern "C" {
#include <libavutil/frame.h>
}

namespace korvid {

struct FrameDeleter {
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
using FramePointer = std::unique_ptr<AVFrame, FrameDeleter>;

} // namespace korvid
