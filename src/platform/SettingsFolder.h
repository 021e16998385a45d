#pragma once
#include <QString>

namespace platform {

// $XDG_CONFIG_HOME (or ~/.config), ending with "/": stands for the application-data folder.
QString ApplicationDataFolder();

// The user's videos folder, ending with "/": stands for the first fixed disk.
QString UserVideosFolder();

// English name of the locale's language ("English", "German", ...).
QString LocaleEnglishLanguageName();

} // namespace platform
