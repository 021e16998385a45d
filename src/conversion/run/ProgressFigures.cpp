#include "ProgressFigures.h"

#include "TimeText.h"

namespace conversion {

namespace {

const QString kSeeking = QStringLiteral("Seeking...");

QString RemainingText(int tickCount, int secondsDone, int shownLength)
{
    const double done = shownLength > 0 ? double(secondsDone) / shownLength : 0.0;
    if (done < 0.01)
        return kSeeking;
    const double elapsed = tickCount * 0.5;
    return TimeText(int(elapsed / done - elapsed));
}

} // namespace

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
