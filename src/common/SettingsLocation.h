#pragma once
#include <QString>

// Decides the settings folder and refreshes the per-user settings files; returns the
// folder (ending with "/"). The settings folder is the application-data folder +
// "Pelorin/" + the display title + "/"; when it cannot be made the settings stay in
// the program's folder. The default "Option.ini" and "PfSetting.ini" beside the
// program are copied in when the user has none, or over the user's copy once when the
// marker "ReplaceOption.ini" / "ReplacePfSetting.ini" lies beside the program; the
// markers are deleted. The program runs it once, before any settings file is read.
QString LocateSettings(const QString &programFolder);

// The per-user settings folder LocateSettings chooses, ending with "/".
QString UserSettingsFolder();

// The settings folder a start of the program would use, found without making,
// copying or deleting anything: the per-user folder when it exists, else the program's
// folder (ending with "/").
QString ExistingSettingsFolder(const QString &programFolder);
