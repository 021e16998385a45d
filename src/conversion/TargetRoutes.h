#pragma once
// Which entry point converts a clip for each target, and the job values some targets
// change first. A change stays in the job for the rest of the run.

#include "ConversionEngine.h"
#include "ConvertJob.h"

#include <optional>

namespace conversion {

// Applies the target's preparation to `job` and names its entry point; nothing for
// targets without one (the DVD disc and ISO targets, an unknown number, a Youtube
// profile with a codec the engine has no route for).
std::optional<EngineName> RouteTarget(int target, ConvertJob &job);

} // namespace conversion
