#include "OutputCheck.h"

#include "MediaInfoInterfa.h"

#include <algorithm>
#include <cmath>

namespace conversion {

namespace {

constexpr double kAllowedShortShare = 0.02;
constexpr double kAllowedShortSeconds = 1.0;

} // namespace

std::optional<OutputStreams> ReadOutputStreams(const QString &file)
{
    TMediaInfo info;
    TMediaInfoInterfa().GetMediaInfo(file, info);
    if (info.Format == QLatin1String(kMediaInfoUnavailableText))
        return std::nullopt;
    OutputStreams found;
    found.video = info.Video.Width > 0;
    found.audio = info.AudioStreamCount() > 0;
    int milliseconds = info.Video.Duration;
    for (const TAudioStream &audio : info.AudioStreams)
        milliseconds = std::max(milliseconds, int(audio.Duration));
    found.seconds = milliseconds / 1000.0;
    return found;
}

std::optional<QString> OutputShortfall(const OutputStreams &expected, const OutputStreams &found)
{
    if (expected.video && !found.video)
        return QStringLiteral("the output has no video stream");
    if (expected.audio && !found.audio)
        return QStringLiteral("the output has no audio stream");
    const double allowed = std::max(expected.seconds * kAllowedShortShare, kAllowedShortSeconds);
    if (expected.seconds > 0 && found.seconds < expected.seconds - allowed)
        return QStringLiteral("the output holds %1 s of %2 s")
            .arg(std::floor(std::max(found.seconds, 0.0)))
            .arg(std::round(expected.seconds));
    return std::nullopt;
}

} // namespace conversion
