#pragma once
// Small helpers of the conversion tests: readable output for Qt texts and a window
// handle that ignores the engine's messages.

#include "JobClip.h"
#include "korvid.h"

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '[' << texts.join(QLatin1String(", ")).toStdString() << ']';
}

namespace conversion::testing_support {

// The engine posts from its own threads; this handle drops every message.
inline KorvidWindow *QuietWindow()
{
    static KorvidWindow window = {[](KorvidWindow *, uint32_t, uintptr_t, intptr_t) {}};
    return &window;
}

// A 25 frames-per-second clip of `seconds` seconds, selected whole, with a first video
// stream 1 and an audio stream 2.
inline JobClip VideoClip(const QString &fileName, int width, int height, int seconds)
{
    JobClip clip;
    clip.fileName = fileName;
    clip.durationSeconds = clip.endSeconds = seconds;
    clip.frameRate = 25.0f;
    clip.videoStreamId = 1;
    clip.audioRowCount = 1;
    clip.audioStreamId = 2;
    clip.width = width;
    clip.height = height;
    clip.aspectIndex = 2;   // square pixels
    return clip;
}

} // namespace conversion::testing_support
