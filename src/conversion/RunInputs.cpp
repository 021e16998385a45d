#include "RunInputs.h"

#include "OptionVariables.h"
#include "OptionsFile.h"

namespace conversion {

RunSettings RunSettingsFromOptions(int target, const JobPanelValues &panel,
                                   const targets::ProfileDefinitions &definitions)
{
    return {target, panel, g_s_OutputFolder, i_MinDurationTime, &definitions, ReadStallTimeoutOption(),
            g_s_Application_Data_Path, &ReadOutputStreams, QString()};
}

} // namespace conversion
