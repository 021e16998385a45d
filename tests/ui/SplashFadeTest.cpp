// The splash window's fade values.

#include <gtest/gtest.h>

#include <QVector>

#include "forms/SplashFade.h"
#include "forms/TStartForm.h"

namespace {

QVector<int> Steps(int from, int to, int step)
{
    QVector<int> values;
    for (int value = from; step > 0 ? value <= to : value >= to; value += step)
        values << value;
    return values;
}

TEST(SplashFade, FadesInTo255ThenOutTo0WithTheirPauses)
{
    SplashFade fade;
    QVector<int> applied, pauses;
    const auto apply = [&](int alpha) { applied << alpha; };
    const auto pause = [&](int milliseconds) { pauses << milliseconds; };

    fade.Fade(apply, pause);
    QVector<int> fadeIn = Steps(10, 250, 10);
    fadeIn << 255;
    EXPECT_EQ(applied, fadeIn);
    EXPECT_EQ(pauses, QVector<int>(25, 20));
    EXPECT_FALSE(fade.FadingIn());

    applied.clear();
    pauses.clear();
    fade.Fade(apply, pause);
    EXPECT_EQ(applied, Steps(250, 0, -5));
    EXPECT_EQ(applied.size(), 51);
    EXPECT_EQ(pauses, QVector<int>(51, 10));
    EXPECT_EQ(fade.Alpha(), 0);
}

TEST(SplashFade, TheSplashWindowAppliesEveryValueAsItsOpacity)
{
    TStartForm splash;
    EXPECT_EQ(splash.size(), QSize(400, 220));
    EXPECT_DOUBLE_EQ(splash.windowOpacity(), 0.0);
    QVector<int> applied;
    QObject::connect(&splash, &TStartForm::OpacityApplied, [&](int alpha) { applied << alpha; });
    splash.show();
    splash.Fade();
    EXPECT_EQ(applied.size(), 26);
    EXPECT_EQ(applied.last(), 255);
    splash.Fade();
    EXPECT_EQ(applied.size(), 26 + 51);
    EXPECT_EQ(applied.last(), 0);
}

} // namespace
