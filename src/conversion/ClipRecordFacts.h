#pragma once
// The job facts of the main window's clip records.

#include "JobClip.h"
#include "RunInputs.h"
#include "VideoInfo.h"

#include <memory>
#include <vector>

namespace conversion {

JobClip JobClipOf(const TVideoInfo &clip);

// A lookup over the clip list. The run reads the list while its modal window keeps
// the main window from changing it; each clip is copied when its job is prepared.
ClipLookup ClipLookupOf(const std::vector<std::unique_ptr<TVideoInfo>> &clips);

} // namespace conversion
