#include "ClipListStore.h"

#include "FileSync.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

ClipListStore::ClipListStore(const QString &folder) : path_(folder + kFileName) {}

ClipListStore::Reading ClipListStore::Read() const
{
    Reading reading;
    QFile file(path_);
    if (!file.exists())
        return reading;
    std::optional<StoredClipList> list;
    if (file.open(QIODevice::ReadOnly))
        list = Decode(file.readAll(), &reading.problem);
    else
        reading.problem = file.errorString();
    file.close();
    if (list)
        reading.list = std::move(*list);
    else
        reading.keptAs = KeepAside();
    return reading;
}

// The unusable file gets a name of its own, so that neither the next save nor a
// later unusable file replaces it.
QString ClipListStore::KeepAside() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = path_ + QStringLiteral(".unreadable-") + stamp;
    for (int number = 2; QFileInfo::exists(aside); ++number)
        aside = path_ + QStringLiteral(".unreadable-%1-%2").arg(stamp).arg(number);
    return QFile::rename(path_, aside) ? aside : QString();
}

bool ClipListStore::Write(const StoredClipList &list) const
{
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Encode(list));
    // commit() syncs the temporary file before it renames it; the folder entry follows.
    return file.commit() && platform::SyncFolder(QFileInfo(path_).absolutePath());
}
