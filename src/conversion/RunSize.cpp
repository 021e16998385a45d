#include "RunSize.h"

#include "ClipJob.h"
#include "JobParameters.h"
#include "LeadingNumbers.h"
#include "TargetCatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace conversion {

namespace {

// Headers, indexes and packet overhead of the usual containers.
constexpr double kContainerShare = 1.02;

} // namespace

qint64 PredictedOutputBytes(const ConvertJob &job, bool soundOnly, double seconds)
{
    const double videoKbps = soundOnly ? 0 : std::max(LeadingInteger(job.VideoBitRate), 0);
    const double audioKbps = std::max(LeadingInteger(job.AudioBitrate), 0);
    return qint64((videoKbps + audioKbps) * 1000 / 8 * std::max(seconds, 0.0) * kContainerShare);
}

qint64 PredictedRunBytes(const RunSettings &settings, const ClipLookup &clipAt)
{
    if (!settings.definitions || !clipAt)
        return 0;
    ConvertJob job;
    ReadJobParameters(job, settings.target, settings.panel, *settings.definitions);
    const bool soundOnly = targets::IsMusicTarget(settings.target);
    qint64 total = 0;
    for (int index = 0;; ++index) {
        const std::optional<JobClip> clip = clipAt(index);
        if (!clip)
            break;
        total += PredictedOutputBytes(job, soundOnly, ShownLengthOf(*clip));
    }
    return total;
}

std::optional<qint64> FreeBytesFor(const QString &folder)
{
    QFileInfo existing(folder);
    while (!existing.exists() && !existing.isRoot() && existing.absolutePath() != existing.absoluteFilePath())
        existing = QFileInfo(existing.absolutePath());
    const QStorageInfo storage(existing.absoluteFilePath());
    if (!storage.isValid() || !storage.isReady())
        return std::nullopt;
    return storage.bytesAvailable();
}

QString SizeText(qint64 bytes)
{
    constexpr double kMegabyte = 1000.0 * 1000.0;
    if (bytes >= 1000 * kMegabyte)
        return QString::number(bytes / (1000 * kMegabyte), 'f', 1) + QStringLiteral(" GB");
    return QString::number(qMax<qint64>(1, qint64(bytes / kMegabyte + 0.5))) + QStringLiteral(" MB");
}

} // namespace conversion
