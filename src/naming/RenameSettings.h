#pragma once
// The naming settings edited by the rename dialog and read by output naming, and
// their home while the program runs: the option variables g_Rename_Template,
// i_OutputPSPSerialNumber, i_FitDigi, g_b_Add1 and g_b_Add2.

#include <QString>

namespace naming {

struct RenameSettings {
    QString nameTemplate = QStringLiteral("#Name");  // g_Rename_Template
    int firstSerialNumber = 1;                       // i_OutputPSPSerialNumber
    int fixedDigits = 3;                             // i_FitDigi
    bool addDash = false;                            // g_b_Add1
    bool addUnderscore = false;                      // g_b_Add2
};

RenameSettings CurrentRenameSettings();
void StoreRenameSettings(const RenameSettings &settings);

} // namespace naming
