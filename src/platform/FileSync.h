#pragma once
// Making written data reach the device, for copies to removable volumes: the kernel
// otherwise keeps it in memory, and a device pulled out after "done" loses it.

#include <QString>

class QFileDevice;

namespace platform {

// Waits until the data written to `file` so far is on its device.
bool SyncFileData(QFileDevice &file);
// Waits until the entries of `folder` (a file just renamed into it) are on its device.
bool SyncFolder(const QString &folder);

} // namespace platform
