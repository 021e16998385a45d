// The bar, the percentage and the per-tick figures of the progress window.

#include "ProgressFigures.h"

#include <gtest/gtest.h>

namespace conversion {
namespace {

TEST(ProgressFiguresTest, PositionNeverShowsAFullBarWhileConverting)
{
    struct Case {
        int position, shownLength, width;
        const char *percent;
    };
    const Case cases[] = {
        {0, 100, 0, "0"},     {50, 100, 135, "50"}, {99, 100, 268, "99"},  {100, 100, 268, "99"},
        {250, 100, 268, "99"}, {1, 3, 90, "33"},    {5, 0, 0, "0"},         {5, -2, 0, "0"},
        {-4, 100, 0, "0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.position << " of " << c.shownLength);
        const ProgressShown shown = ProgressForPosition(c.position, c.shownLength);
        EXPECT_EQ(shown.barWidth, c.width);
        EXPECT_EQ(shown.percent, QLatin1String(c.percent));
    }
}

TEST(ProgressFiguresTest, PlainPercentage)
{
    EXPECT_EQ(ProgressForPercent(100).barWidth, 271);
    EXPECT_EQ(ProgressForPercent(100).percent, QStringLiteral("100"));
    EXPECT_EQ(ProgressForPercent(50).barWidth, 135);
    EXPECT_EQ(ProgressForPercent(0).percent, QStringLiteral("0"));
    EXPECT_EQ(ProgressForPercent(-3).barWidth, 0);
}

TEST(ProgressFiguresTest, TickFigures)
{
    struct Case {
        int ticks, done, fps, producing, start, length;
        const char *currentTime, *shownFps, *remaining;
        bool repaint;
        const char *percent;
    };
    const Case cases[] = {
        {10, 25, 30, 1, 0, 100, "00:00:25", "30", "00:00:15", false, "25"},   // 5 s for a quarter
        {4, 30, 12, 1, 3600, 60, "01:00:30", "12", "00:00:02", false, "50"},
        {3, 0, 25, 1, 0, 100, "00:00:00", "25", "Seeking...", false, "0"},   // under 1 %
        {3, 10, 0, 1, 0, 100, "00:00:10", "Seeking...", "Seeking...", true, "10"},
        {3, 10, 25, 0, 0, 100, "00:00:10", "Seeking...", "Seeking...", true, "10"},
        {3, 10, 25, 1, 0, 0, "00:00:10", "25", "Seeking...", false, "0"},    // ShownLength 0
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.ticks << " ticks, " << c.done << " of " << c.length);
        ClipProgress progress;
        progress.engine = {c.done, c.fps, c.producing};
        progress.startSeconds = c.start;
        progress.shownLength = c.length;
        const InfoTickFigures figures = FiguresOfTick(c.ticks, progress);
        EXPECT_EQ(figures.currentTime, QLatin1String(c.currentTime));
        EXPECT_EQ(figures.fps, QLatin1String(c.shownFps));
        EXPECT_EQ(figures.remaining, QLatin1String(c.remaining));
        EXPECT_EQ(figures.repaintNow, c.repaint);
        EXPECT_EQ(figures.progress.percent, QLatin1String(c.percent));
    }
}

} // namespace
} // namespace conversion
