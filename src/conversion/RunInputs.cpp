#include "RunInputs.h"

#include "ProgramOptions.h"

namespace conversion {

RunSettings RunSettingsFromOptions(int target, const JobPanelValues &panel,
                                   const targets::ProfileDefinitions &definitions, const ProgramOptions &options)
{
    return {target,
            panel,
            options.outputFolder,
            options.minDurationSeconds,
            &definitions,
            options.stallTimeoutSeconds,
            options.SettingsFolder(),
            &ReadOutputStreams,
            options.SettingsFolder()};
}

} // namespace conversion
