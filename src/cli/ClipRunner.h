#pragma once
// The clips of a command line through the conversion run the window uses: one after the
// other on a worker thread, while this thread reports progress every half second and
// turns an interrupt into the engine's stop. A DVD folder run authors its clips at the end.

#include "RunInputs.h"
#include "RunReport.h"

namespace cli {

// The exit status of a run: 130 when interrupted, 1 when a clip failed, else 0.
int ExitStatusOf(const RunSummary &summary);

// Each clip's engine call, its job prepared as for converting; nothing is converted.
void ShowJobs(const conversion::RunSettings &settings, const conversion::ClipLookup &clipAt, RunReport &report);

// Converts every clip; the summary's failures are the clips that failed.
RunSummary ConvertClips(const conversion::RunSettings &settings, const conversion::ClipLookup &clipAt,
                        RunReport &report);

} // namespace cli
