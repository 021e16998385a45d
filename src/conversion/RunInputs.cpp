#include "RunInputs.h"

#include "OptionVariables.h"

namespace conversion {

RunSettings RunSettingsFromOptions(int target, const JobPanelValues &panel,
                                   const targets::ProfileDefinitions &definitions)
{
    return {target, panel, g_s_OutputFolder, i_MinDurationTime, &definitions};
}

} // namespace conversion
