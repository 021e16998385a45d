#pragma once
// Mounted volumes in a stable order, standing in for drive letters.

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

namespace platform {

struct Volume {
    enum class Kind { Fixed, Removable, Optical };
    QString mountPoint;   // ending with "/"
    QString label;
    Kind kind = Kind::Fixed;
};

// Sorted by mount point. Tests replace the source with SetVolumeSourceForTesting.
QList<Volume> MountedVolumes();
void SetVolumeSourceForTesting(std::function<QList<Volume>()> source);   // empty function restores the real one

// Reports optical volumes that appear or disappear: polls the mount table every
// two seconds; discs already present at construction are not reported.
class VolumeWatcher : public QObject {
    Q_OBJECT
public:
    explicit VolumeWatcher(QObject *parent = nullptr);
    void CheckNow();   // compares with the last known set and emits the changes

signals:
    void OpticalVolumeArrived(const platform::Volume &volume);
    void OpticalVolumeRemoved(const platform::Volume &volume);

private:
    QList<Volume> known_;   // optical volumes seen by the last check
};

} // namespace platform
