#pragma once
// Where a whole run stands: its percent and remaining time, each clip weighted by the
// length it converts, so that a long clip counts for more than a short one.

#include <QList>
#include <QString>

#include <optional>

namespace conversion {

struct RunStanding {
    double share = 0;                         // 0 to 1
    int percent = 0;                          // 0 to 100
    std::optional<int> remainingSeconds;      // none until enough of the run is done
    QString clipOfClips;                      // "clip 2 of 7"
};

// `clipLengths` are the lengths in seconds of the run's clips in order (0 or less when
// unknown, which counts as one second); `clipIndex` is the clip converting now, with
// `secondsDoneInClip` of it done, `elapsedSeconds` after the run started.
RunStanding RunStandingOf(const QList<int> &clipLengths, int clipIndex, double secondsDoneInClip,
                          double elapsedSeconds);

// "clip 2 of 7, 34 % of the run, 00:12:00 left"; without an estimate yet, the time is left out.
QString RunStandingText(const RunStanding &standing);

} // namespace conversion
