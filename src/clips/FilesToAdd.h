#pragma once
// The files an "add these" request stands for: files dropped on the window, given
// on the command line or handed over by a second copy. A folder stands for the
// media files directly inside it, in name order; a file stands for itself.

#include <QList>
#include <QStringList>
#include <QUrl>

// True when the name ends with the suffix of a container or audio format the engine reads.
bool IsMediaFileName(const QString &fileName);

// Absolute paths, folders replaced by their media files; relative paths are taken
// from `workingFolder`. Files that do not exist stay in the list (the adding pass
// reports them with the unsupported files).
QStringList FilesToAdd(const QStringList &paths, const QString &workingFolder);

// The local files among dropped or passed URLs ("file:" only).
QStringList LocalPathsOf(const QList<QUrl> &urls);
