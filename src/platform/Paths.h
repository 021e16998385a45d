#pragma once
#include <QString>

namespace platform {

// Folders are kept with a trailing "/" (the root stays "/").
inline QString WithTrailingSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace platform
