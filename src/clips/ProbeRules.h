#pragma once
// The decisions of adding one file, from the engine's and the media library's
// answers: transport-stream flag, container kind, frame rate, size, thumbnail
// size and the clip's information text.

#include <QSize>
#include <QString>

class FrameRateQuestion;

namespace probe {

inline constexpr double kNtscRate = 30000.0 / 1001.0;
inline constexpr double kNtscFilmRate = 24000.0 / 1001.0;
inline constexpr int kDefaultWidth = 720;
inline constexpr int kDefaultHeight = 480;
inline constexpr int kThumbnailBoxWidth = 240;
inline constexpr int kThumbnailBoxHeight = 180;

// 1 when the extension holds "TS" (".ts", ".m2ts", ".mts"), unless the media
// library names a format other than "BDAV" that begins with "TS".
int TransportStreamFlag(const QString &fileName, const QString &mediaFormat);

// -1 other, 0 Windows Media, 1 BDAV or MPEG transport stream, 2 Matroska.
int ContainerKindOf(const QString &mediaFormat);

// The clip's frame rate from the media probe's rate and the engine's; 0 when
// neither knows. Clear disagreements go to ChooseFrameRate.
float DecideFrameRate(const QString &mediaFormat, float mediaRate, float engineRate, const QString &fileName,
                      FrameRateQuestion &question);

// The engine's size when known, else the media library's, else the default.
int SizeWithFallback(int engineSize, int mediaSize, int defaultSize);
QString SizeText(int width, int height);   // "720X480"

// The box the first picture is fitted into: 240 wide or 180 high, the other
// side rounded up to a multiple of 4. displayAspect is the display-aspect
// table's value, used when the width is derived from the height.
QSize ThumbnailSize(int width, int height, bool aspectFromCode, double displayAspect);

struct EngineFacts {
    float videoBitRate = 0;
    float audioBitRate = 0;   // 0: unknown, shown as "?"
    int audioSampleRate = 0;
    bool audioOnly = false;   // the video line says so instead of giving a size
};
QString InfoText(const QString &fileName, const QString &sizeText, float frameRate, const EngineFacts &facts);

// Six blanks, then the file name without folder cut or filled to 30 characters.
QString RowNameText(const QString &fileName);

} // namespace probe
