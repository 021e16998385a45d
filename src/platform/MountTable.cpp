#include "MountTable.h"

#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

namespace platform {

namespace {

// mountinfo writes blanks, tabs, newlines and backslashes as octal escapes ("\040").
QString DecodeMountField(const QString &field)
{
    QString result;
    for (int index = 0; index < field.size(); ++index) {
        bool octal = false;
        if (field.at(index) == QLatin1Char('\\') && index + 3 < field.size()) {
            const int code = field.mid(index + 1, 3).toInt(&octal, 8);
            if (octal) {
                result += QChar(code);
                index += 3;
                continue;
            }
        }
        result += field.at(index);
    }
    return result;
}

struct MountLine {
    QString mountPoint;
    QString fileSystem;
    QString device;
};

// Fields: id parent major:minor root mount-point options [optional...] - fstype source super-options
bool ParseMountLine(const QString &line, MountLine &parsed)
{
    const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const qsizetype separator = fields.indexOf(QStringLiteral("-"), 6);
    if (fields.size() < 6 || separator < 0 || separator + 2 >= fields.size())
        return false;
    parsed.mountPoint = DecodeMountField(fields.at(4));
    parsed.fileSystem = fields.at(separator + 1);
    parsed.device = DecodeMountField(fields.at(separator + 2));
    return true;
}

bool IsDiscFileSystem(const QString &fileSystem)
{
    return fileSystem == QLatin1String("iso9660") || fileSystem == QLatin1String("udf");
}

bool IsOpticalDrive(const QString &device)
{
    static const QRegularExpression pattern(QStringLiteral("^/dev/(sr|scd)[0-9]+$"));
    return pattern.match(device).hasMatch();
}

bool IsUnderRemovableMountRoot(const QString &mountPoint)
{
    return mountPoint.startsWith(QLatin1String("/media/")) || mountPoint.startsWith(QLatin1String("/run/media/"));
}

bool CountsAsVolume(const MountLine &mount)
{
    if (!mount.device.startsWith(QLatin1String("/dev/")))
        return false;
    return !mount.device.startsWith(QLatin1String("/dev/loop")) || IsDiscFileSystem(mount.fileSystem);
}

Volume::Kind Classify(const MountLine &mount, const DeviceFacts &facts)
{
    if (IsOpticalDrive(mount.device) || IsDiscFileSystem(mount.fileSystem))
        return Volume::Kind::Optical;
    if (IsUnderRemovableMountRoot(mount.mountPoint) || (facts.isRemovable && facts.isRemovable(mount.device)))
        return Volume::Kind::Removable;
    return Volume::Kind::Fixed;
}

QString ReadFirstLine(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readLine()).trimmed() : QString();
}

// udev writes blanks and other characters of a label as "\x20".
QString DecodeUdevLabel(const QString &name)
{
    QString result;
    for (int index = 0; index < name.size(); ++index) {
        bool hex = false;
        const int code = name.mid(index + 2, 2).toInt(&hex, 16);
        if (name.mid(index, 2) == QLatin1String("\\x") && hex) {
            result += QChar(code);
            index += 3;
        } else {
            result += name.at(index);
        }
    }
    return result;
}

bool DeviceIsRemovable(const QString &device)
{
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    QString sysPath = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sysPath.isEmpty())
        return false;
    if (QFileInfo::exists(sysPath + QStringLiteral("/partition")))
        sysPath = QFileInfo(sysPath).path();
    return ReadFirstLine(sysPath + QStringLiteral("/removable")) == QLatin1String("1");
}

QMap<QString, QString> LabelsByDevice()
{
    QMap<QString, QString> labels;
    const QDir byLabel(QStringLiteral("/dev/disk/by-label"));
    for (const QFileInfo &link : byLabel.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        labels.insert(link.canonicalFilePath(), DecodeUdevLabel(link.fileName()));
    return labels;
}

} // namespace

QList<Volume> VolumesFromMountInfo(const QString &mountInfo, const DeviceFacts &facts)
{
    QMap<QString, Volume> byMountPoint;   // ordered by mount point; a later mount replaces an earlier one
    for (const QString &line : mountInfo.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        MountLine mount;
        if (!ParseMountLine(line, mount))
            continue;
        if (!CountsAsVolume(mount)) {
            byMountPoint.remove(WithTrailingSlash(mount.mountPoint));
            continue;
        }
        Volume volume;
        volume.mountPoint = WithTrailingSlash(mount.mountPoint);
        volume.kind = Classify(mount, facts);
        volume.label = facts.label ? facts.label(mount.device) : QString();
        byMountPoint.insert(volume.mountPoint, volume);
    }
    return byMountPoint.values();
}

DeviceFacts SystemDeviceFacts()
{
    const QMap<QString, QString> labels = LabelsByDevice();
    DeviceFacts facts;
    facts.isRemovable = DeviceIsRemovable;
    facts.label = [labels](const QString &device) {
        return labels.value(QFileInfo(device).canonicalFilePath());
    };
    return facts;
}

} // namespace platform
