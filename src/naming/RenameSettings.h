#pragma once
// The naming settings' home while the program runs, until output naming is handed its
// options object: the option variables g_Rename_Template, i_OutputPSPSerialNumber,
// i_FitDigi, g_b_Add1 and g_b_Add2.

#include "ProgramOptions.h"

namespace naming {

RenameSettings CurrentRenameSettings();
void StoreRenameSettings(const RenameSettings &settings);

} // namespace naming
