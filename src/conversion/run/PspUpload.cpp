#include "PspUpload.h"

#include "FileSync.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>
#include <vector>

namespace conversion {

namespace {

// Large enough for a good copy speed, small enough that the window keeps up.
constexpr qint64 kBlockBytes = 256 * 1024;
// Written data is pushed to the device this often, so the percentage shown is what
// the device holds and a pulled-out device shows as an error soon.
constexpr qint64 kSyncIntervalBytes = 4 * 1024 * 1024;

const QString kTemporarySuffix = QStringLiteral(".part");
const QString kNotOnDevice = QStringLiteral("The data could not be written to the device.");

FileCopyResult ReadFailure(const QString &source, const QString &reason)
{
    return {false, QStringLiteral("Can not read srcfile : \n") + source + QLatin1Char('\n') + reason};
}

FileCopyResult WriteFailure(const QString &destination, const QString &reason)
{
    return {false, QStringLiteral("Can not write to PSP : \n") + destination + QLatin1Char('\n') + reason};
}

std::filesystem::path NativePath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Replaces `destination` by the complete temporary file in one step.
bool MoveIntoPlace(const QString &temporary, const QString &destination, QString &reason)
{
    std::error_code failure;
    std::filesystem::rename(NativePath(temporary), NativePath(destination), failure);
    if (failure) {
        reason = QString::fromStdString(failure.message());
        return false;
    }
    if (!platform::SyncFolder(QFileInfo(destination).absolutePath())) {
        reason = kNotOnDevice;
        return false;
    }
    return true;
}

} // namespace

QString FolderUnder(const QString &root, const QString &folder)
{
    QString relative = QString(folder).replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    if (!relative.isEmpty() && !relative.endsWith(QLatin1Char('/')))
        relative += QLatin1Char('/');
    return root + relative;
}

QString FindPspRoot(const QList<platform::Volume> &volumes, const QString &uploadFolder)
{
    for (const platform::Volume &volume : volumes) {
        if (volume.kind == platform::Volume::Kind::Removable && QFileInfo(FolderUnder(volume.mountPoint, uploadFolder)).isDir())
            return volume.mountPoint;
    }
    return {};
}

QString PspDestination(const QString &pspRoot, const QString &fileName, const QString &avcFolder,
                       const QString &mp4Folder)
{
    if (fileName.startsWith(QLatin1String("MAQ")))
        return FolderUnder(pspRoot, avcFolder) + fileName;
    if (fileName.startsWith(QLatin1String("M4V")))
        return FolderUnder(pspRoot, mp4Folder) + fileName;
    return pspRoot + fileName;
}

int PercentCopied(qint64 copiedBytes, qint64 fileBytes)
{
    if (fileBytes <= 0 || copiedBytes >= fileBytes)
        return 100;
    return int(copiedBytes * 100 / fileBytes);
}

FileCopyResult CopyFileInBlocks(const QString &source, const QString &destination,
                                const std::function<void(int percent)> &progress)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return ReadFailure(source, input.errorString());
    const qint64 fileBytes = input.size();
    QFile output(destination + kTemporarySuffix);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return WriteFailure(destination, output.errorString());
    const auto abandon = [&output](FileCopyResult failure) {
        output.remove();
        return failure;
    };

    std::vector<char> block(kBlockBytes);
    qint64 copiedBytes = 0;
    qint64 unsyncedBytes = 0;
    for (;;) {
        const qint64 read = input.read(block.data(), kBlockBytes);
        if (read < 0)
            return abandon(ReadFailure(source, input.errorString()));
        if (read == 0)
            break;
        if (output.write(block.data(), read) != read)
            return abandon(WriteFailure(destination, output.errorString()));
        copiedBytes += read;
        unsyncedBytes += read;
        if (unsyncedBytes >= kSyncIntervalBytes) {
            if (!platform::SyncFileData(output))
                return abandon(WriteFailure(destination, kNotOnDevice));
            unsyncedBytes = 0;
        }
        progress(std::min(PercentCopied(copiedBytes, fileBytes), 99));
    }
    if (!platform::SyncFileData(output))
        return abandon(WriteFailure(destination, kNotOnDevice));
    output.close();
    QString reason;
    if (!MoveIntoPlace(output.fileName(), destination, reason))
        return abandon(WriteFailure(destination, reason));
    progress(100);
    return {true, {}};
}

} // namespace conversion
