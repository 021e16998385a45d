#include "FilesToAdd.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// The suffixes of the shipped add-files filter: the video containers and the
// audio formats the engine reads.
const QSet<QString> &MediaSuffixes()
{
    static const QSet<QString> suffixes{
        "avi", "divx", "div", "xvid", "mp4", "m4v", "mov", "qt",  "mkv", "webm", "wmv", "asf", "flv", "f4v",
        "swf", "mpg", "mpeg", "mpe", "m1v", "m2v", "vob", "ts", "m2ts", "mts", "m2t", "tp",  "trp", "3gp",
        "3g2", "dat", "rm",  "rmvb", "ogv", "ogm", "dv",  "mxf", "mod", "tod", "evo", "mp3", "wav", "wma",
        "aac", "m4a", "ac3", "ogg", "flac"};
    return suffixes;
}

QStringList MediaFilesIn(const QDir &folder)
{
    QStringList files;
    const QFileInfoList entries =
        folder.entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo &entry : entries) {
        if (IsMediaFileName(entry.fileName()))
            files << entry.absoluteFilePath();
    }
    return files;
}

} // namespace

bool IsMediaFileName(const QString &fileName)
{
    return MediaSuffixes().contains(QFileInfo(fileName).suffix().toLower());
}

QStringList FilesToAdd(const QStringList &paths, const QString &workingFolder)
{
    QStringList files;
    const QDir base(workingFolder);
    for (const QString &path : paths) {
        if (path.isEmpty())
            continue;
        const QFileInfo entry(base, path);
        if (entry.isDir())
            files << MediaFilesIn(QDir(entry.absoluteFilePath()));
        else
            files << QDir::cleanPath(entry.absoluteFilePath());
    }
    return files;
}

QStringList LocalPathsOf(const QList<QUrl> &urls)
{
    QStringList paths;
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}
