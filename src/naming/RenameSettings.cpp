#include "RenameSettings.h"

#include "OptionVariables.h"

namespace naming {

RenameSettings CurrentRenameSettings()
{
    return RenameSettings{g_Rename_Template, i_OutputPSPSerialNumber, i_FitDigi, g_b_Add1, g_b_Add2};
}

void StoreRenameSettings(const RenameSettings &settings)
{
    g_Rename_Template = settings.nameTemplate;
    i_OutputPSPSerialNumber = settings.firstSerialNumber;
    i_FitDigi = settings.fixedDigits;
    g_b_Add1 = settings.addDash;
    g_b_Add2 = settings.addUnderscore;
}

} // namespace naming
