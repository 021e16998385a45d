#pragma once
// The one transcoder behind every target entry point.

#include "convert_job.h"

#include <cstdint>

extern "C" {
#include "korvid.h"
}

namespace korvid {

// Converts one clip; 0 after success or a stop, -1 on failure. Blocks until done.
int32_t runConversion(KorvidWindow *window, const TargetDefaults &target, const JobTexts &texts);

} // namespace korvid
