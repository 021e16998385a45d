#include "TimeText.h"

namespace {

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString TimeText(int totalSeconds)
{
    const int seconds = std::max(totalSeconds, 0);
    return TimeText(seconds / 3600, seconds / 60 % 60, seconds % 60);
}

QString TimeText(int hours, int minutes, int seconds)
{
    if (hours < 0 || minutes < 0 || seconds < 0)
        return TimeText(0);
    return TwoDigits(hours) + QLatin1Char(':') + TwoDigits(minutes) + QLatin1Char(':') + TwoDigits(seconds);
}
