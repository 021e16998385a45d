#pragma once
// The job facts of the main window's clip records.

#include "JobClip.h"
#include "RunInputs.h"
#include "VideoInfo.h"

#include <memory>
#include <vector>

namespace conversion {

JobClip JobClipOf(const TVideoInfo &clip);

// The clips a run to `target` converts, in list order: a target with pictures leaves
// out the clips that have sound only (the start checks asked the user about them).
using RunClips = std::shared_ptr<const std::vector<TVideoInfo *>>;
RunClips RunClipsOf(const std::vector<std::unique_ptr<TVideoInfo>> &clips, int target);

// A lookup over the run's clips. The run reads them while its modal window keeps the
// main window from changing the list; each clip is copied when its job is prepared.
ClipLookup ClipLookupOf(RunClips clips);

} // namespace conversion
