// Ctrl+C in the middle of a clip: a real process whose scripted engine converts slowly
// gets SIGINT; the engine is told to stop, the clip ends as stopped and the process ends
// with status 130. A second interrupt is not needed.

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(Interrupt, StopsTheClipThroughTheEngineAndEnds)
{
    QProcess convert;
    convert.start(QStringLiteral(SLOW_CONVERSION), {QStringLiteral("--json")});
    ASSERT_TRUE(convert.waitForStarted());
    QByteArray out;
    while (!out.contains("\"event\":\"progress\"") && convert.waitForReadyRead(10000))
        out += convert.readAllStandardOutput();
    ASSERT_TRUE(out.contains("\"event\":\"progress\"")) << "no progress before the interrupt: " << out.toStdString();
    EXPECT_TRUE(out.contains("\"percent\":25")) << out.toStdString();

    ::kill(pid_t(convert.processId()), SIGINT);
    ASSERT_TRUE(convert.waitForFinished(10000)) << "the process went on after the interrupt";
    out += convert.readAllStandardOutput();
    const QByteArray err = convert.readAllStandardError();
    EXPECT_EQ(convert.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(convert.exitCode(), 130);
    EXPECT_TRUE(err.contains("stop calls: 1")) << err.toStdString();
    EXPECT_TRUE(out.contains("\"result\":\"stopped\"")) << out.toStdString();
    EXPECT_TRUE(out.contains("\"interrupted\":true")) << out.toStdString();
}

} // namespace
