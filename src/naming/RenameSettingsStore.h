#pragma once
// The naming settings as the process holds them: the option variables g_Rename_Template,
// i_OutputPSPSerialNumber, i_FitDigi, g_b_Add1 and g_b_Add2.

#include "RenameSettings.h"

namespace naming {

RenameSettings CurrentRenameSettings();
void StoreRenameSettings(const RenameSettings &settings);

} // namespace naming
