#pragma once
// The one transcoder behind every target entry point.

#include "ConvertJob.h"

#include <cstdint>

extern "C" {
#include "korvid.h"
}

namespace korvid {

// Converts one clip; 0 after success or a stop that kept a shorter file,
// KORVID_RESULT_STOPPED_EMPTY after a stop before anything was written, -1 on
// failure (FailureReason() says why). Blocks until done.
int32_t RunConversion(KorvidWindow *window, const TargetDefaults &target, const JobTexts &texts);

} // namespace korvid
