#include "Volumes.h"

#include "MountTable.h"

#include <QFile>
#include <QTimer>

namespace platform {

namespace {

std::function<QList<Volume>()> &VolumeSourceOverride()
{
    static std::function<QList<Volume>()> source;
    return source;
}

QList<Volume> SystemVolumes()
{
    QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
    if (!mountInfo.open(QIODevice::ReadOnly))
        return {};
    return VolumesFromMountInfo(QString::fromUtf8(mountInfo.readAll()), SystemDeviceFacts());
}

QList<Volume> OpticalVolumes(const QList<Volume> &volumes)
{
    QList<Volume> optical;
    for (const Volume &volume : volumes) {
        if (volume.kind == Volume::Kind::Optical)
            optical.append(volume);
    }
    return optical;
}

bool ContainsMountPoint(const QList<Volume> &volumes, const Volume &wanted)
{
    return std::any_of(volumes.begin(), volumes.end(),
                       [&wanted](const Volume &volume) { return volume.mountPoint == wanted.mountPoint; });
}

constexpr int kPollIntervalMilliseconds = 2000;

} // namespace

QList<Volume> MountedVolumes()
{
    return VolumeSourceOverride() ? VolumeSourceOverride()() : SystemVolumes();
}

void SetVolumeSourceForTesting(std::function<QList<Volume>()> source)
{
    VolumeSourceOverride() = std::move(source);
}

VolumeWatcher::VolumeWatcher(QObject *parent)
    : QObject(parent), known_(OpticalVolumes(MountedVolumes()))
{
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &VolumeWatcher::CheckNow);
    timer->start(kPollIntervalMilliseconds);
}

void VolumeWatcher::CheckNow()
{
    const QList<Volume> current = OpticalVolumes(MountedVolumes());
    const QList<Volume> previous = std::exchange(known_, current);
    for (const Volume &volume : previous) {
        if (!ContainsMountPoint(current, volume))
            emit OpticalVolumeRemoved(volume);
    }
    for (const Volume &volume : current) {
        if (!ContainsMountPoint(previous, volume))
            emit OpticalVolumeArrived(volume);
    }
}

} // namespace platform
