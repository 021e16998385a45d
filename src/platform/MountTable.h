#pragma once
// Turning the kernel's mount table into volumes. Pure: the facts about devices
// come in as functions, so tests classify made-up tables.

#include "Volumes.h"

#include <QString>
#include <functional>

namespace platform {

struct DeviceFacts {
    std::function<bool(const QString &device)> isRemovable;   // e.g. /sys/block/<disk>/removable
    std::function<QString(const QString &device)> label;      // volume label, "" when none
};

// Parses the text of /proc/self/mountinfo. Only block devices count: optical
// (/dev/sr*, or an iso9660 / udf file system), removable (the device says so, or
// it is mounted under /media or /run/media) and fixed. Loop devices count only
// when they hold a disc image. A mount point mounted over keeps its last mount.
// Sorted by mount point.
QList<Volume> VolumesFromMountInfo(const QString &mountInfo, const DeviceFacts &facts);

// The facts of this machine, read from /sys/class/block and /dev/disk/by-label.
DeviceFacts SystemDeviceFacts();

} // namespace platform
