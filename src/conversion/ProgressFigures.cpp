#include "ProgressFigures.h"

#include "TimeText.h"

namespace conversion {

namespace {

const QString kSeeking = QStringLiteral("Seeking...");

QString RemainingText(int tickCount, int secondsDone, int shownLength)
{
    const std::optional<int> remaining = RemainingSeconds(tickCount * 0.5, secondsDone, shownLength);
    return remaining ? TimeText(*remaining) : kSeeking;
}

} // namespace

std::optional<int> RemainingSeconds(double elapsedSeconds, int secondsDone, int shownLength)
{
    const double done = shownLength > 0 ? double(secondsDone) / shownLength : 0.0;
    if (done < 0.01)
        return std::nullopt;
    return int(elapsedSeconds / done - elapsedSeconds);
}

ProgressShown ProgressForPosition(int position, int shownLength)
{
    if (shownLength < 1)
        return {};
    if (position >= shownLength)
        position = shownLength - 1;
    if (position < 0)
        position = 0;
    return {position * kProgressBarWidth / shownLength, QString::number(position * 100 / shownLength)};
}

ProgressShown ProgressForPercent(int percent)
{
    if (percent <= 0)
        return {};
    return {percent * kProgressBarWidth / 100, QString::number(percent)};
}

InfoTickFigures FiguresOfTick(int tickCount, const ClipProgress &progress)
{
    const EngineProgress &engine = progress.engine;
    InfoTickFigures figures;
    figures.currentTime = TimeText(engine.secondsDone + progress.startSeconds);
    if (engine.producing != 0 && engine.framesPerSecond != 0) {
        figures.fps = QString::number(engine.framesPerSecond);
        figures.remaining = RemainingText(tickCount, engine.secondsDone, progress.shownLength);
    } else {
        figures.fps = figures.remaining = kSeeking;
        figures.repaintNow = true;
    }
    figures.progress = ProgressForPosition(engine.secondsDone, progress.shownLength);
    return figures;
}

} // namespace conversion
