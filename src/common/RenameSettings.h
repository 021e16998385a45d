#pragma once
// The output-name template and its serial-number settings: the rename dialog's keys of
// "Option.ini", read by output naming.

#include <QString>

struct RenameSettings {
    QString nameTemplate = QStringLiteral("#Name");   // "Template"
    int firstSerialNumber = 1;                        // "OutputPSPSerialNumber"
    int fixedDigits = 3;                              // "FitDigi"
    bool addDash = false;                             // "Add1": tokens joined with "-"
    bool addUnderscore = false;                       // "Add2": tokens joined with "_"
};
