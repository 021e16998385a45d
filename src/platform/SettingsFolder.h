#pragma once
#include <QString>

namespace platform {

// $XDG_CONFIG_HOME (or ~/.config), ending with "/": stands for the application-data folder.
QString ApplicationDataFolder();

// The user's videos folder, ending with "/": stands for the first fixed disk.
QString UserVideosFolder();

// The user's pictures folder (XDG), ending with "/"; the home folder while it does not exist.
QString UserPicturesFolder();

// English name of the locale's language ("English", "German", ...).
QString LocaleEnglishLanguageName();

} // namespace platform
