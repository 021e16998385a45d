#pragma once
// What a conversion run is given when it starts: the target, the parameter panel's
// values, the options it reads, the profile definitions, and the clip list.

#include "JobClip.h"
#include "JobPanelValues.h"
#include "OutputCheck.h"
#include "ProfileDefinitions.h"

#include <QString>
#include <functional>
#include <optional>

class ProgramOptions;

namespace conversion {

struct RunSettings {
    int target = -1;
    JobPanelValues panel;
    QString outputFolder;          // the output root, ends with "/"
    int minDurationSeconds = 0;    // a conversion's minimum length; 0 or less: none
    const targets::ProfileDefinitions *definitions = nullptr;   // the main window's open reader
    int stallTimeoutSeconds = 0;   // a clip without progress this long is stopped; 0: never
    QString logFolder;             // the settings folder, whose logs/ takes the run log; empty: none
    OutputProbe probeOutput;       // checks each converted file; empty: no check
    QString scratchFolder;         // the DVD description while authoring, ends with "/"
};

// The settings of a window's run from the program's options: the output root, the
// minimum length and the stall timeout; the log and the DVD description go to the
// settings folder.
RunSettings RunSettingsFromOptions(int target, const JobPanelValues &panel,
                                   const targets::ProfileDefinitions &definitions, const ProgramOptions &options);

// The clip at a list index, or nothing past the end of the list.
using ClipLookup = std::function<std::optional<JobClip>(int index)>;

} // namespace conversion
