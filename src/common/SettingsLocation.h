#pragma once
#include <QString>

// Decides g_s_Application_Data_Path and refreshes the per-user settings files.
// The settings folder is the application-data folder + "Pelorin/" + the display
// title + "/"; when it cannot be made the settings stay in the program's folder.
// The default "Option.ini" and "PfSetting.ini" beside the program are copied in
// when the user has none, or over the user's copy once when the marker
// "ReplaceOption.ini" / "ReplacePfSetting.ini" lies beside the program; the
// markers are deleted. Runs once, before any settings file is read.
void LocateSettings();

// The per-user settings folder LocateSettings chooses, ending with "/".
QString UserSettingsFolder();
// For readers that must leave the settings alone (the command-line converter): the
// per-user settings folder when it exists, else the program's folder with the defaults.
// Nothing is made or copied.
QString ExistingSettingsFolder();

QString OptionFilePath();            // the settings folder's "Option.ini"
QString ProfileSettingsFilePath();   // the settings folder's "PfSetting.ini"
