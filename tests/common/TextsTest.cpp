#include "FrameRateText.h"
#include "TimeText.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(TimeText, ShowsHoursMinutesAndSecondsWithTwoDigits)
{
    const std::pair<int, const char *> cases[] = {
        {0, "00:00:00"}, {9, "00:00:09"}, {59, "00:00:59"}, {60, "00:01:00"}, {3599, "00:59:59"},
        {3725, "01:02:05"}, {86399, "23:59:59"}, {360000, "100:00:00"}, {-5, "00:00:00"},
    };
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(TimeText(seconds), QString::fromLatin1(text)) << seconds;
    EXPECT_EQ(TimeText(1, 2, 5), QStringLiteral("01:02:05"));
    EXPECT_EQ(TimeText(123, 0, 7), QStringLiteral("123:00:07"));
}

TEST(FrameRateText, SubtractsHalfAHundredthBeforeShowingTwoDecimals)
{
    const std::pair<double, const char *> cases[] = {
        {double(29.97f), "FPS:29.96"},   // single precision lies just below 29.97
        {30000.0 / 1001.0, "FPS:29.97"},
        {25.0, "FPS:25.00"},
        {23.976, "FPS:23.97"},
        {150.0, "FPS:150.00"},
        {0.0, "FPS:Auto"},
        {0.0009, "FPS:Auto"},
        {150.01, "FPS:Auto"},
        {200.0, "FPS:Auto"},
        {-1.0, "FPS:Auto"},
        {std::nan(""), "FPS:Auto"},
    };
    for (const auto &[rate, text] : cases)
        EXPECT_EQ(ClipRowFrameRateText(rate), QString::fromLatin1(text)) << rate;
    EXPECT_EQ(FrameRateText(double(29.97f)), QStringLiteral("29.96"));
    EXPECT_EQ(FrameRateText(0.004), QStringLiteral("0.00"));
}

} // namespace
