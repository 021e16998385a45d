#pragma once
// Owning pointer for FFmpeg scaler contexts.

#include <memory>

extern "C" {
#include <libswscale/swscale.h>
}

namespace korvid {

struct ScalerDeleter {
    void operator()(SwsContext *context) const { sws_freeContext(context); }
};
using ScalerPointer = std::unique_ptr<SwsContext, ScalerDeleter>;

} // namespace korvid
