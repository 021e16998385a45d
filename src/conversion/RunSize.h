#pragma once
// How big a run's files will be, from the job's bit rates and each clip's converted
// length, and whether they fit on the output folder's drive.

#include "ConvertJob.h"
#include "JobClip.h"
#include "RunInputs.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace conversion {

// A file's predicted size; `estimated` when the job gives no bit rate for a stream and
// the size comes from what the engine was measured to write instead.
struct PredictedSize {
    qint64 bytes = 0;
    bool estimated = false;

    PredictedSize &operator+=(const PredictedSize &other);
};

// Bytes of `seconds` of output of a prepared clip job: the video at the job's bit rate
// (kbit/s texts such as "1000" or "128k") or, without one, at the engine's measured
// bits per pixel for the codec, frame size and rate; the sound at its bit rate, PCM at
// its sample rate. Music targets carry sound only. Containers add a little.
PredictedSize PredictedOutputSize(const ConvertJob &job, bool soundOnly, double seconds);

// The seconds of the source a prepared job converts: its length, or up to the source's
// end when the job converts to the end.
double ConvertedSeconds(const ConvertJob &job, const JobClip &clip);

// Each clip's predicted file, in the run's order, and their sum.
struct RunPrediction {
    QList<PredictedSize> clips;
    PredictedSize total;
};

// The run's clips each with the job the run would give it.
RunPrediction PredictRun(const RunSettings &settings, const ClipLookup &clipAt);

// Free bytes on the drive of `folder` (or of its nearest existing parent); nothing when
// the system cannot tell.
std::optional<qint64> FreeBytesFor(const QString &folder);

// "2.4 GB", "350 MB"
QString SizeText(qint64 bytes);
// "≈350 MB" for an estimate, else as SizeText.
QString PredictedSizeText(const PredictedSize &size);
// "Total 1.2 GB of 35.0 GB free"; without the free part when it is unknown.
QString RunTotalText(const PredictedSize &total, std::optional<qint64> freeBytes);

} // namespace conversion
