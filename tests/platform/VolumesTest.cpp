#include "MountTable.h"
#include "Volumes.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using platform::Volume;

namespace {

// Lines in the kernel's format: id parent major:minor root mount-point options [optional...] - type source super-options
const char *const kMountInfo =
    "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
    "23 22 0:21 / /proc rw,nosuid - proc proc rw\n"
    "24 22 0:5 / /dev rw - devtmpfs udev rw,size=100k\n"
    "30 22 8:3 / /home rw,relatime shared:2 master:1 - ext4 /dev/sda3 rw\n"
    "31 22 0:40 / /tmp rw - tmpfs tmpfs rw\n"
    "40 22 11:0 / /media/user/MY\\040DISC ro - iso9660 /dev/sr0 ro\n"
    "41 22 8:17 / /media/user/STICK rw - vfat /dev/sdb1 rw\n"
    "42 22 8:33 / /mnt/backup rw - ext4 /dev/sdc1 rw\n"
    "43 22 7:0 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
    "44 22 7:1 / /mnt/image ro - udf /dev/loop1 ro\n"
    "45 22 8:49 / /data rw - xfs /dev/sdd1 rw\n"
    "46 22 0:50 / /data rw - tmpfs tmpfs rw\n"   // mounted over: /data is no volume any more
    "47 22 8:65 / /run/media/user/CARD rw - exfat /dev/sde1 rw\n"
    "broken line\n";

platform::DeviceFacts FakeFacts()
{
    platform::DeviceFacts facts;
    facts.isRemovable = [](const QString &device) { return device == QLatin1String("/dev/sdc1"); };
    facts.label = [](const QString &device) { return device == QLatin1String("/dev/sr0") ? QStringLiteral("MY DISC") : QString(); };
    return facts;
}

QString Describe(const Volume &volume)
{
    static const char *const kKinds[] = {"fixed", "removable", "optical"};
    return volume.mountPoint + QLatin1Char(' ') + QLatin1String(kKinds[int(volume.kind)])
           + (volume.label.isEmpty() ? QString() : QLatin1Char(' ') + volume.label);
}

TEST(Volumes, MountTableIsClassifiedAndSortedByMountPoint)
{
    QStringList described;
    for (const Volume &volume : platform::VolumesFromMountInfo(QString::fromLatin1(kMountInfo), FakeFacts()))
        described.append(Describe(volume));
    EXPECT_EQ(described, (QStringList{
        QStringLiteral("/ fixed"),
        QStringLiteral("/home/ fixed"),
        QStringLiteral("/media/user/MY DISC/ optical MY DISC"),
        QStringLiteral("/media/user/STICK/ removable"),
        QStringLiteral("/mnt/backup/ removable"),
        QStringLiteral("/mnt/image/ optical"),
        QStringLiteral("/run/media/user/CARD/ removable"),
    }));
}

TEST(Volumes, WorksWithoutDeviceFacts)
{
    const QList<Volume> volumes = platform::VolumesFromMountInfo(QString::fromLatin1(kMountInfo), {});
    ASSERT_EQ(volumes.size(), 7);
    EXPECT_EQ(volumes.at(4).kind, Volume::Kind::Fixed);   // /mnt/backup: nothing says removable
}

TEST(Volumes, TheMachinesOwnTableParses)
{
    platform::SetVolumeSourceForTesting({});
    for (const Volume &volume : platform::MountedVolumes())
        EXPECT_TRUE(volume.mountPoint.endsWith(QLatin1Char('/'))) << volume.mountPoint.toStdString();
}

TEST(Volumes, WatcherReportsDiscsThatComeAndGo)
{
    QList<Volume> mounted = {Volume{QStringLiteral("/"), QString(), Volume::Kind::Fixed},
                             Volume{QStringLiteral("/media/a/OLD/"), QStringLiteral("OLD"), Volume::Kind::Optical}};
    platform::SetVolumeSourceForTesting([&mounted] { return mounted; });
    platform::VolumeWatcher watcher;
    QSignalSpy arrived(&watcher, &platform::VolumeWatcher::OpticalVolumeArrived);
    QSignalSpy removed(&watcher, &platform::VolumeWatcher::OpticalVolumeRemoved);

    watcher.CheckNow();
    EXPECT_EQ(arrived.count(), 0) << "a disc present at the start is not new";
    mounted.append(Volume{QStringLiteral("/media/a/NEW/"), QStringLiteral("NEW"), Volume::Kind::Optical});
    mounted.append(Volume{QStringLiteral("/media/a/STICK/"), QString(), Volume::Kind::Removable});
    mounted.removeAt(1);
    watcher.CheckNow();
    ASSERT_EQ(arrived.count(), 1);
    EXPECT_EQ(arrived.first().first().value<Volume>().label, QStringLiteral("NEW"));
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.first().first().value<Volume>().mountPoint, QStringLiteral("/media/a/OLD/"));
    watcher.CheckNow();
    EXPECT_EQ(arrived.count(), 1);
    platform::SetVolumeSourceForTesting({});
}

} // namespace
