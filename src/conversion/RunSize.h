#pragma once
// How big a run's files will be, from the job's bit rates and each clip's length, and
// whether they fit on the output folder's drive.

#include "ConvertJob.h"
#include "RunInputs.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace conversion {

// Bytes of `seconds` of output at the job's video and audio bit rates (kbit/s texts such
// as "1000" or "128k"); music targets carry sound only. Containers add a little.
qint64 PredictedOutputBytes(const ConvertJob &job, bool soundOnly, double seconds);

// The bytes the run's clips will take: the job of the run's settings for each clip.
qint64 PredictedRunBytes(const RunSettings &settings, const ClipLookup &clipAt);

// Free bytes on the drive of `folder` (or of its nearest existing parent); nothing when
// the system cannot tell.
std::optional<qint64> FreeBytesFor(const QString &folder);

// "2.4 GB", "350 MB"
QString SizeText(qint64 bytes);

} // namespace conversion
