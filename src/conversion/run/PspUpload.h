#pragma once
// Copying converted files to a PSP attached as a removable volume: which volume is
// the PSP, where a file goes on it, and the copy of one file. No widgets.

#include "Volumes.h"

#include <QList>
#include <QString>

#include <functional>

namespace conversion {

// One clip of the list as the upload sees it.
struct UploadClip {
    bool checked = false;
    QString outputPath;   // the converted file
    QString outputName;   // shown while it is copied
};

// A folder of the options under `root` (which ends with "/"). The options may hold it
// with "\" separators, with or without a trailing one; the result ends with "/".
QString FolderUnder(const QString &root, const QString &folder);

// The mount point of the first removable volume, in the given order, under which
// `uploadFolder` exists; an empty folder takes the first removable volume. Empty when
// no volume qualifies.
QString FindPspRoot(const QList<platform::Volume> &volumes, const QString &uploadFolder);

// Where `fileName` goes on the PSP: names starting with "MAQ" into `avcFolder`, with
// "M4V" into `mp4Folder` (case-sensitive), any other straight into the root.
QString PspDestination(const QString &pspRoot, const QString &fileName, const QString &avcFolder,
                       const QString &mp4Folder);

// Bytes copied as a percentage of the file, 100 for an empty file.
int PercentCopied(qint64 copiedBytes, qint64 fileBytes);

struct FileCopyResult {
    bool copied = false;
    QString error;   // for the user, when not copied
};

// Copies `source` to `destination`, calling `progress` with the percentage copied after
// every block and with 100 at the end. The data goes into a temporary file beside the
// destination that takes the destination's name only once it is complete and on the
// device; after a failure the temporary file is removed and the destination is left
// as it was.
FileCopyResult CopyFileInBlocks(const QString &source, const QString &destination,
                                const std::function<void(int percent)> &progress);

} // namespace conversion
