#include "TrimRules.h"

#include "TimeText.h"
#include "VideoInfo.h"

namespace trim {

namespace {

int DigitAt(const QString &text, int position)
{
    const int index = position - 1;
    if (index >= text.size() || !text[index].isDigit() || text[index].unicode() > '9')
        return 0;
    return text[index].unicode() - '0';
}

} // namespace

int SecondsOfText(const QString &shownText)
{
    return 36000 * DigitAt(shownText, 1) + 3600 * DigitAt(shownText, 2) + 600 * DigitAt(shownText, 4)
        + 60 * DigitAt(shownText, 5) + 10 * DigitAt(shownText, 7) + DigitAt(shownText, 8);
}

bool StartOutOfRange(int startSeconds, const TVideoInfo &clip)
{
    return startSeconds < 0 || startSeconds > clip.EndTime;
}

bool EndOutOfRange(int endSeconds, const TVideoInfo &clip)
{
    return endSeconds > clip.Duration || endSeconds < clip.StartTime;
}

} // namespace trim
