#pragma once
// Every text a clip-list row shows, in the words of the row.

#include <QString>

namespace rowtext {

QString PictureSize(int width, int height, const QString &aspect); // "(WxH)720x480(16:9)"
QString AudioOnly();                                               // in place of the picture facts
QString Start(int hours, int minutes, int seconds);                // "Beginning" at 0
QString End(int hours, int minutes, int seconds, int durationSeconds);   // "Ending" at the duration
QString AudioLanguage(const QString &language, int id);            // "Audio:English", "Audio ID:192", "Audio track"
QString AudioFormat(const QString &codec, int channels);           // "Codec:AC-3 6CH"
QString SamplingRate(int hertz);                                   // "48.0KHz"
QString BitRate(int bitsPerSecond);                                // "Bitrate:448.0Kb"; "Bitrate:?" unknown

} // namespace rowtext
