#include "RunSize.h"

#include "ClipJob.h"
#include "JobParameters.h"
#include "LeadingNumbers.h"
#include "TargetCatalogue.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace conversion {

namespace {

// Headers, indexes and packet overhead of the usual containers.
constexpr double kContainerShare = 1.02;
constexpr double kPcmBytesPerSample = 2 * 2;   // 16-bit stereo
constexpr double kFallbackFrameRate = 25.0;

// Bits per pixel per frame the engine writes for a job that gives no video bit rate,
// by engine codec: the engine aims at kUsualBitsPerPixel and each codec's rate control
// lands a little above it, most at small pictures. Measured by bench/size_ratio_bench.sh
// on 2026-12-11 (30 s of grainy 30 fps picture at 320x240, 640x480 and 1280x720; the
// mean of the sizes). A codec not measured is taken at the aim; DVD jobs always carry
// their bit rate.
struct MeasuredRatio {
    const char *codec;
    double bitsPerPixel;
};
constexpr MeasuredRatio kMeasuredBitsPerPixel[] = {
    {"h264", 0.101},  {"mpeg4", 0.105}, {"xvid", 0.105},  {"wmv2", 0.104},   {"flv", 0.105},
    {"mpeg1", 0.108}, {"mpeg2", 0.108}, {"mpeg2ts", 0.108},
};
constexpr double kUsualBitsPerPixel = 0.1;
// The engine keeps a job without a bit rate within these (kbit/s).
constexpr double kLeastChosenKbps = 200;
constexpr double kMostChosenKbps = 20000;

double MeasuredBitsPerPixel(const QString &codec)
{
    for (const MeasuredRatio &ratio : kMeasuredBitsPerPixel) {
        if (codec.compare(QLatin1String(ratio.codec), Qt::CaseInsensitive) == 0)
            return ratio.bitsPerPixel;
    }
    return kUsualBitsPerPixel;
}

// "30000/1001", "25", else the source's rate.
double FramesPerSecond(const ConvertJob &job)
{
    for (const QString &text : {job.VideoFrameRate, job.SourceFrameRate}) {
        const QStringList parts = text.split(QLatin1Char('/'));
        const double rate = parts.size() == 2 && parts[1].toDouble() > 0 ? parts[0].toDouble() / parts[1].toDouble()
                                                                         : text.toDouble();
        if (rate > 0)
            return rate;
    }
    return kFallbackFrameRate;
}

double EstimatedVideoKbps(const ConvertJob &job)
{
    const QStringList size = job.FrameSize.isEmpty() ? job.VideoResolution.split(QLatin1Char(':'))
                                                     : job.FrameSize.split(QLatin1Char(':'));
    const double pixels = size.size() == 2 ? size[0].toDouble() * size[1].toDouble() : 0;
    const double kbps = pixels * FramesPerSecond(job) * MeasuredBitsPerPixel(job.EngineCodec) / 1000;
    return std::clamp(kbps, kLeastChosenKbps, kMostChosenKbps);
}

// The sound's bytes per second; PCM has no bit rate but its sample rate.
double AudioBytesPerSecond(const ConvertJob &job)
{
    if (job.AudioCodec.compare(QLatin1String("pcm"), Qt::CaseInsensitive) == 0)
        return std::max(LeadingInteger(job.AudioSampleRate), 0) * kPcmBytesPerSample;
    return std::max(LeadingInteger(job.AudioBitrate), 0) * 1000.0 / 8;
}

} // namespace

PredictedSize &PredictedSize::operator+=(const PredictedSize &other)
{
    bytes += other.bytes;
    estimated = estimated || other.estimated;
    return *this;
}

PredictedSize PredictedOutputSize(const ConvertJob &job, bool soundOnly, double seconds)
{
    PredictedSize size;
    double videoKbps = 0;
    if (!soundOnly) {
        videoKbps = std::max(LeadingInteger(job.VideoBitRate), 0);
        if (videoKbps <= 0) {
            videoKbps = EstimatedVideoKbps(job);
            size.estimated = true;
        }
    }
    const double bytesPerSecond = videoKbps * 1000 / 8 + AudioBytesPerSecond(job);
    size.bytes = qint64(bytesPerSecond * std::max(seconds, 0.0) * kContainerShare);
    return size;
}

double ConvertedSeconds(const ConvertJob &job, const JobClip &clip)
{
    const int toEnd = std::max(clip.durationSeconds - clip.startSeconds, 0);
    return job.LengthSeconds > 0 ? std::min(job.LengthSeconds, toEnd) : toEnd;
}

RunPrediction PredictRun(const RunSettings &settings, const ClipLookup &clipAt)
{
    RunPrediction prediction;
    if (!settings.definitions || !clipAt)
        return prediction;
    ConvertJob job;
    ReadJobParameters(job, settings.target, settings.panel, *settings.definitions);
    const bool soundOnly = targets::IsMusicTarget(settings.target);
    for (int index = 0;; ++index) {
        const std::optional<JobClip> clip = clipAt(index);
        if (!clip)
            break;
        FillClipJob(job, index, settings, *clip);
        const PredictedSize size = PredictedOutputSize(job, soundOnly, ConvertedSeconds(job, *clip));
        prediction.clips.append(size);
        prediction.total += size;
    }
    return prediction;
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

QString PredictedSizeText(const PredictedSize &size)
{
    return (size.estimated ? QStringLiteral("≈") : QString()) + SizeText(size.bytes);
}

QString RunTotalText(const PredictedSize &total, std::optional<qint64> freeBytes)
{
    const QString text = QStringLiteral("Total ") + PredictedSizeText(total);
    return freeBytes ? text + QStringLiteral(" of %1 free").arg(SizeText(*freeBytes)) : text;
}

} // namespace conversion
