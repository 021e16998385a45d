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

namespace conversion {

struct RunSettings {
    int target = -1;
    JobPanelValues panel;
    QString outputFolder;          // g_s_OutputFolder, ends with "/"
    int minDurationSeconds = 0;    // i_MinDurationTime
    const targets::ProfileDefinitions *definitions = nullptr;   // the main window's open reader
    int stallTimeoutSeconds = 0;   // a clip without progress this long is stopped; 0: never
    QString logFolder;             // the settings folder, whose logs/ takes the run log; empty: none
    OutputProbe probeOutput;       // checks each converted file; empty: no check
    QString scratchFolder;         // the DVD description while authoring, ends with "/"; empty: the settings folder
};

// The settings of a run from the process-wide options g_s_OutputFolder and i_MinDurationTime
// and the stall timeout of Option.ini.
RunSettings RunSettingsFromOptions(int target, const JobPanelValues &panel,
                                   const targets::ProfileDefinitions &definitions);

// The clip at a list index, or nothing past the end of the list.
using ClipLookup = std::function<std::optional<JobClip>(int index)>;

} // namespace conversion
