#pragma once
// Where a converted clip is written: a cleaned name in the target's folder, at a
// path that nothing occupies yet, so no existing file is ever overwritten.

#include <QString>

namespace naming {

// Replaces \ / * : ? " < > | (and NUL) by "_". A name that would be empty, "." or
// ".." becomes `fallbackName`, so the output always lands inside its folder.
QString CleanOutputName(const QString &outputName, const QString &fallbackName);

// True when a file, folder or (even dangling) link occupies the path.
bool PathIsTaken(const QString &path);

// folder + name, or the first free folder + n + "-" + name for n = 1, 2, 3, ...
// `folder` ends with "/". A name beyond 255 bytes is shortened before its extension.
QString UniqueOutputPath(const QString &folder, const QString &name);

// The output root followed by the target's sub-folder, ending with "/".
QString TargetOutputFolder(const QString &outputRoot, const QString &targetFolder);

// Creates the folder as needed (a folder that cannot be created is left to fail at
// write time) and returns the unique path of the cleaned name in it.
QString FinalOutputPathIn(const QString &folder, const QString &outputName, const QString &fallbackName);

} // namespace naming
