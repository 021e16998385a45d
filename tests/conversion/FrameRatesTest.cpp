#include "FrameRates.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

namespace conversion {
namespace {

TEST(FrameRateText, KnownRatesAndThreeDecimals)
{
    const struct {
        float rate;
        const char *text;
    } cases[] = {
        {60.0f, "60/1"}, {59.9995f, "60/1"}, {50.0f, "50/1"}, {30.0f, "30/1"},
        {29.970029f, "30000/1001"}, {29.97f, "30000/1001"}, {29.976f, "29.976"},
        {25.0f, "25/1"}, {24.0f, "24/1"}, {23.97f, "24000/1001"},
        {23.976024f, "23.976"},   // more than 0.001 away from the stored 23.97
        {20.0f, "20/1"}, {15.0f, "15/1"}, {12.5f, "12.500"}, {7.0f, "7.000"}, {0.0f, "0.000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FrameRateText(c.rate), QLatin1String(c.text)) << c.rate;
}

TEST(FrameRateText, WritesAPointWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FrameRateText(12.5f), QLatin1String("12.500"));
    QLocale::setDefault(before);
}

JobClip ClipOf(int containerKind, float frameRate)
{
    JobClip clip;
    clip.containerKind = containerKind;
    clip.frameRate = frameRate;
    return clip;
}

TEST(DecideSourceFrameRate, SourceRateTable)
{
    const float notUsable[] = {0.0f, 0.0009f, 150.5f, std::nanf("")};
    struct Case {
        JobClip clip;
        bool autoRate;
        const char *sourceRate;
        const char *videoRate;   // "profile" when unchanged
        bool forceSync;
    };
    std::vector<Case> cases = {
        {ClipOf(ContainerMatroska, 25.0f), true, "-1", "profile", true},
        {ClipOf(ContainerMatroska, 25.0f), false, "-1", "profile", true},
        {ClipOf(ContainerWindowsMedia, 25.0f), true, "-1", "30000/1001", false},
        {ClipOf(ContainerWindowsMedia, 25.0f), false, "-1", "profile", false},
        {ClipOf(ContainerOther, 25.0f), true, "25/1", "25/1", false},
        {ClipOf(ContainerTransportStream, 23.976024f), true, "23.976", "23.976", false},
        {ClipOf(ContainerOther, 25.0f), false, "25/1", "profile", false},
        {ClipOf(ContainerOther, 150.0f), true, "150.000", "150.000", false},
    };
    for (float rate : notUsable) {
        cases.push_back({ClipOf(ContainerOther, rate), true, "30000/1001", "30000/1001", false});
        cases.push_back({ClipOf(ContainerOther, rate), false, "30000/1001", "profile", false});
    }
    for (const Case &c : cases) {
        ConvertJob job;
        job.AutoFrameRate = c.autoRate;
        job.VideoFrameRate = c.autoRate ? QStringLiteral("Auto") : QStringLiteral("profile");
        job.ForceSync = true;
        DecideSourceFrameRate(job, c.clip);
        const QString expectedVideoRate = QLatin1String(c.videoRate) == QLatin1String("profile")
            ? (c.autoRate ? QStringLiteral("Auto") : QStringLiteral("profile"))
            : QLatin1String(c.videoRate);
        SCOPED_TRACE(testing::Message() << "container " << c.clip.containerKind << " rate " << c.clip.frameRate
                                        << " auto " << c.autoRate);
        EXPECT_EQ(job.SourceFrameRate, QLatin1String(c.sourceRate));
        EXPECT_EQ(job.VideoFrameRate, expectedVideoRate);
        EXPECT_EQ(job.ForceSync, c.forceSync);
    }
}

} // namespace
} // namespace conversion
