// What the converter prints while it works: a terminal's one progress line rewritten in
// place and given up for the next line, a pipe's line each tenth of a clip.

#include "RunReport.h"

#include <gtest/gtest.h>

namespace cli {
namespace {

struct Printed {
    QString out;
    QString err;
};

RunReport ReportInto(Printed &printed, bool terminal)
{
    return RunReport({[&printed](const QString &text) { printed.out += text; },
                      [&printed](const QString &text) { printed.err += text; }, terminal},
                     false);
}

void ConvertOneClip(RunReport &report)
{
    report.ClipStarted({1, 2}, QStringLiteral("/in/a.avi"), QStringLiteral("/out/a.mp4"));
    for (int percent : {0, 4, 12, 18, 55}) {
        ProgressTick tick;
        tick.place = {1, 2};
        tick.percent = percent;
        tick.framesPerSecond = percent > 0 ? 30 : 0;
        tick.remainingSeconds = 70;
        tick.run = {0.1, percent / 2, 140, QStringLiteral("clip 1 of 2")};
        report.Progress(tick);
    }
    report.ClipEnded({1, 2}, ClipOutcome::Converted, QStringLiteral("/out/a.mp4"), QString());
}

TEST(RunReport, PipeGetsALineEachTenthOfAClip)
{
    Printed printed;
    RunReport report = ReportInto(printed, false);
    ConvertOneClip(report);
    EXPECT_EQ(printed.out, QStringLiteral("clip 1 of 2: /in/a.avi -> /out/a.mp4\n"
                                          "  0 %, seeking | clip 1 of 2, 0 % of the run, 00:02:20 left\n"
                                          "  12 %, 30 fps, 00:01:10 left | clip 1 of 2, 6 % of the run, 00:02:20 left\n"
                                          "  55 %, 30 fps, 00:01:10 left | clip 1 of 2, 27 % of the run, 00:02:20 left\n"
                                          "  converted: /out/a.mp4\n"));
}

TEST(RunReport, TerminalRewritesOneLineAndEndsItWithTheResult)
{
    Printed printed;
    RunReport report = ReportInto(printed, true);
    ConvertOneClip(report);
    const QStringList lines = printed.out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << printed.out.toStdString();
    EXPECT_EQ(lines[1].count(QStringLiteral("\r\x1b[K")), 6) << "five ticks and the result, each over the last";
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("\r\x1b[K  converted: /out/a.mp4")));
}

TEST(RunReport, FailuresGoToStandardErrorWithTheirReasons)
{
    Printed printed;
    RunReport report = ReportInto(printed, false);
    report.RunEnded({1, 0, {QStringLiteral("/in/b.avi (the disk is full)")}, false, 1});
    EXPECT_EQ(printed.out, QStringLiteral("1 converted, 0 stopped, 1 failed\n"));
    EXPECT_EQ(printed.err, QStringLiteral("pelorin-convert: these files were not converted:\n  /in/b.avi (the disk is full)\n"));
}

} // namespace
} // namespace cli
