#include "RunStanding.h"

#include "TimeText.h"

#include <algorithm>

namespace conversion {

namespace {

// Below this share of the run done, a remaining time would be a guess.
constexpr double kLeastShareForEstimate = 0.01;

double WeightOf(int lengthSeconds) { return std::max(lengthSeconds, 1); }

} // namespace

RunStanding RunStandingOf(const QList<int> &clipLengths, int clipIndex, double secondsDoneInClip,
                          double elapsedSeconds)
{
    RunStanding standing;
    const int count = int(clipLengths.size());
    if (count == 0)
        return standing;
    clipIndex = std::clamp(clipIndex, 0, count - 1);
    standing.clipOfClips = QStringLiteral("clip %1 of %2").arg(clipIndex + 1).arg(count);

    double total = 0;
    double done = 0;
    for (int i = 0; i < count; ++i) {
        const double weight = WeightOf(clipLengths[i]);
        total += weight;
        if (i < clipIndex)
            done += weight;
        else if (i == clipIndex)
            done += std::clamp(secondsDoneInClip, 0.0, weight);
    }
    const double share = done / total;
    standing.share = share;
    standing.percent = std::clamp(int(share * 100), 0, 100);
    if (share >= kLeastShareForEstimate && elapsedSeconds > 0)
        standing.remainingSeconds = int(elapsedSeconds / share - elapsedSeconds + 0.5);
    return standing;
}

QString RunStandingText(const RunStanding &standing)
{
    QString text = QStringLiteral("%1, %2 % of the run").arg(standing.clipOfClips).arg(standing.percent);
    if (standing.remainingSeconds)
        text += QStringLiteral(", ") + TimeText(*standing.remainingSeconds) + QStringLiteral(" left");
    return text;
}

} // namespace conversion
