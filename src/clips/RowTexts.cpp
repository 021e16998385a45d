#include "RowTexts.h"

#include "TimeText.h"

namespace rowtext {

namespace {

int TotalSeconds(int hours, int minutes, int seconds)
{
    return 3600 * hours + 60 * minutes + seconds;
}

} // namespace

QString PictureSize(int width, int height, const QString &aspect)
{
    const QString suffix = aspect.contains(QLatin1Char(':')) ? QStringLiteral(")") : QStringLiteral(":1)");
    return QStringLiteral("(WxH)%1x%2(").arg(width).arg(height) + aspect + suffix;
}

QString Start(int hours, int minutes, int seconds)
{
    if (TotalSeconds(hours, minutes, seconds) == 0)
        return QStringLiteral("Beginning");
    return TimeText(hours, minutes, seconds);
}

QString End(int hours, int minutes, int seconds, int durationSeconds)
{
    if (TotalSeconds(hours, minutes, seconds) == durationSeconds)
        return QStringLiteral("Ending");
    return TimeText(hours, minutes, seconds);
}

QString AudioOnly()
{
    return QStringLiteral("Audio only");
}

QString AudioLanguage(const QString &language, int id)
{
    if (!language.isEmpty())
        return QStringLiteral("Audio:") + language;
    if (id < 0)
        return QStringLiteral("Audio track");   // the file names neither language nor identifier
    return QStringLiteral("Audio ID:") + QString::number(id);
}

QString AudioFormat(const QString &codec, int channels)
{
    return QStringLiteral("Codec:%1 %2CH").arg(codec, QString::number(channels));
}

QString SamplingRate(int hertz)
{
    return QString::asprintf("%0.1fKHz", static_cast<uint32_t>(hertz) * 0.001);
}

QString BitRate(int bitsPerSecond)
{
    if (bitsPerSecond <= 0)
        return QStringLiteral("Bitrate:?");
    return QString::asprintf("Bitrate:%0.1fKb", bitsPerSecond * 0.001);
}

} // namespace rowtext
