#pragma once
// What the progress window shows: the bar and the percentage for a position in the
// clip, and the figures of one Timer_Info tick. Plain rules, no widgets.

#include "ConversionRun.h"

#include <QString>

#include <optional>

namespace conversion {

inline constexpr int kProgressBarWidth = 271;   // Panel_Progress at its widest

struct ProgressShown {
    int barWidth = 0;
    QString percent = QStringLiteral("0");
};

// Position in seconds of a clip shown `shownLength` seconds long; stays below 100 %.
ProgressShown ProgressForPosition(int position, int shownLength);
// A plain percentage (the end of a run, the upload).
ProgressShown ProgressForPercent(int percent);

struct InfoTickFigures {
    QString currentTime;     // Label_CurrentTime
    QString fps;             // Label_FPS
    QString remaining;       // Label_CurrentFrame
    bool repaintNow = false; // the engine is not producing yet
    ProgressShown progress;
};

// The seconds a clip still needs at the pace so far: `secondsDone` of `shownLength` in
// `elapsedSeconds`; nothing before 1 % of it is done.
std::optional<int> RemainingSeconds(double elapsedSeconds, int secondsDone, int shownLength);

// One tick: `tickCount` ticks of half a second since the clip started.
InfoTickFigures FiguresOfTick(int tickCount, const ClipProgress &progress);

} // namespace conversion
