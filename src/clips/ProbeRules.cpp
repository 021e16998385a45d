#include "ProbeRules.h"

#include "FrameRateChoice.h"
#include "FrameRateText.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace probe {

int TransportStreamFlag(const QString &fileName, const QString &mediaFormat)
{
    const bool extensionSaysTs = QFileInfo(fileName).suffix().toUpper().contains(QLatin1String("TS"));
    const QString format = mediaFormat.toUpper();
    const bool formatDenies = format != QLatin1String("BDAV") && format.startsWith(QLatin1String("TS"));
    return extensionSaysTs && !formatDenies ? 1 : 0;
}

int ContainerKindOf(const QString &mediaFormat)
{
    if (mediaFormat == QLatin1String("Windows Media"))
        return 0;
    if (mediaFormat == QLatin1String("BDAV") || mediaFormat == QLatin1String("MPEG-TS"))
        return 1;
    if (mediaFormat == QLatin1String("Matroska"))
        return 2;
    return -1;
}

namespace {

bool Near(double rate, double standard) { return std::fabs(rate - standard) < 0.02; }

// A small disagreement is read as an NTSC rate that one side rounded.
float SnappedNtscRate(float mediaRate, float engineRate)
{
    if (Near(engineRate, kNtscRate) || Near(mediaRate, kNtscRate))
        return static_cast<float>(kNtscRate);
    if (Near(engineRate, kNtscFilmRate) || Near(mediaRate, kNtscFilmRate))
        return static_cast<float>(kNtscFilmRate);
    return engineRate;
}

} // namespace

float DecideFrameRate(const QString &mediaFormat, float mediaRate, float engineRate, const QString &fileName,
                      FrameRateQuestion &question)
{
    if (mediaFormat == QLatin1String("Windows Media"))
        return mediaRate > 0 ? mediaRate : (engineRate > 0 ? engineRate : 0.0f);
    if (!(mediaRate > 0))
        return engineRate > 0 ? engineRate : 0.0f;
    if (engineRate < 0)
        return mediaRate;
    const double difference = std::fabs(static_cast<double>(engineRate) - mediaRate);
    if (difference > 0.03)
        return ChooseFrameRate(fileName, mediaRate, engineRate, question);
    if (difference > 0.01)
        return SnappedNtscRate(mediaRate, engineRate);
    return engineRate;
}

int SizeWithFallback(int engineSize, int mediaSize, int defaultSize)
{
    if (engineSize >= 1)
        return engineSize;
    // A negative answer of the media library is as unknown as none.
    return mediaSize >= 1 ? mediaSize : defaultSize;
}

QString SizeText(int width, int height)
{
    return QStringLiteral("%1X%2").arg(width).arg(height);
}

namespace {

int RoundedUpToFour(int value)
{
    const int remainder = value % 4;
    return remainder == 0 ? value : value + 4 - remainder;
}

// At least 4 pixels, so that an absurd size still asks for a picture.
int ThumbnailSide(double exact, int limit)
{
    const int side = exact >= limit ? limit : RoundedUpToFour(static_cast<int>(exact));
    return std::clamp(side, 4, limit);
}

} // namespace

QSize ThumbnailSize(int width, int height, bool aspectFromCode, double displayAspect)
{
    if (aspectFromCode) {
        const double derived = std::floor(height * displayAspect);
        // An unknown aspect (0.0) would make the picture 0 wide: keep the coded width.
        if (derived >= 1)
            width = derived > 1e6 ? 1000000 : static_cast<int>(derived);
    }
    if (width < 1 || height < 1)
        return {kThumbnailBoxWidth, kThumbnailBoxHeight};
    const double ratio = static_cast<double>(width) / height;
    if (ratio < 4.0 / 3.0)
        return {ThumbnailSide(kThumbnailBoxHeight * ratio, kThumbnailBoxWidth), kThumbnailBoxHeight};
    return {kThumbnailBoxWidth, ThumbnailSide(kThumbnailBoxWidth / ratio, kThumbnailBoxHeight)};
}

QString InfoText(const QString &fileName, const QString &sizeText, float frameRate, const EngineFacts &facts)
{
    const QString rate = IsAutoFrameRate(frameRate) ? QStringLiteral(" , FPS Auto")
                                                    : QStringLiteral(" , FPS ") + FrameRateText(frameRate);
    const QString video = facts.audioOnly ? QStringLiteral("\nVideo : none (audio only)")
                                          : QStringLiteral("\nVideo : Size ") + sizeText + QStringLiteral(" , Bitrate ")
                                                + QString::number(facts.videoBitRate, 'f', 2) + rate;
    const QString audioBitRate =
        facts.audioBitRate > 0 ? QString::number(facts.audioBitRate, 'f', 2) : QStringLiteral("?");
    return QStringLiteral("Clip Name : ") + QFileInfo(fileName).fileName() + video
        + QStringLiteral("\nAudio : Bitrate ") + audioBitRate
        + QStringLiteral(", Samplerate ") + QString::number(facts.audioSampleRate);
}

QString RowNameText(const QString &fileName)
{
    return QStringLiteral("      ") + QFileInfo(fileName).fileName().left(30).leftJustified(30, QLatin1Char(' '));
}

} // namespace probe
