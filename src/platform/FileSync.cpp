#include "FileSync.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool SyncFileData(QFileDevice &file)
{
    return file.flush() && ::fdatasync(file.handle()) == 0;
}

bool SyncFolder(const QString &folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    // Some file systems cannot sync a folder (EINVAL); their entries are written anyway.
    const bool synced = ::fsync(descriptor) == 0 || errno == EINVAL;
    ::close(descriptor);
    return synced;
}

} // namespace platform
