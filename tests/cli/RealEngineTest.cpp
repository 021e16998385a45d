// The program itself with the real engine: short generated clips converted by the
// pelorin-convert binary, read back with ffprobe; an interrupted clip stays a valid file.

#include "MediaProbe.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using conversion::testing_support::MakeTestClip;
using conversion::testing_support::ProbeMedia;
using conversion::testing_support::ProbedMedia;

class RealEngine : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestClip(Source(), 4, 160, 120)) << "the ffmpeg program could not make the source clip";
    }

    // Starts the program on the source clip with a settings home of its own, so that a
    // developer's settings do not count.
    void Start(const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), work_.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), work_.path() + QStringLiteral("/config"));
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(PELORIN_PROGRAM_FOLDER "/pelorin-convert"),
                       arguments + QStringList{QStringLiteral("--output-dir"), Output(), Source()});
    }

    QString Source() const { return work_.path() + QStringLiteral("/source.mp4"); }
    QString Output() const { return work_.path() + QStringLiteral("/out"); }

    QProcess &Convert(const QStringList &arguments)
    {
        Start(arguments);
        EXPECT_TRUE(process_.waitForFinished(120000));
        return process_;
    }

    QTemporaryDir work_;
    QProcess process_;
};

TEST_F(RealEngine, TrimmedClipToIPod)
{
    QProcess &convert = Convert({QStringLiteral("--target"), QStringLiteral("iPod"), QStringLiteral("--end"),
                                 QStringLiteral("00:00:01"), QStringLiteral("--audio-track"), QStringLiteral("1")});
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    const ProbedMedia media = ProbeMedia(Output() + QStringLiteral("/iPod/source.mp4"));
    ASSERT_TRUE(media.readable) << media.error.toStdString();
    EXPECT_EQ(media.videoCodec, QStringLiteral("h264"));
    EXPECT_EQ(media.audioCodec, QStringLiteral("aac"));
    EXPECT_EQ(QSize(media.width, media.height), QSize(640, 480)) << "the Standard profile's 640:480";
    EXPECT_NEAR(media.durationSeconds, 1.0, 0.3);
}

TEST_F(RealEngine, MusicTargetWithJsonEvents)
{
    QProcess &convert = Convert({QStringLiteral("--json"), QStringLiteral("--target"), QStringLiteral("MP3"),
                                 QStringLiteral("--set"), QStringLiteral("AudioBitrate=64")});
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    const QList<QByteArray> lines = convert.readAllStandardOutput().trimmed().split('\n');
    QJsonObject end;
    for (const QByteArray &line : lines) {
        QJsonParseError error;
        const QJsonDocument event = QJsonDocument::fromJson(line, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        end = event.object();
    }
    EXPECT_EQ(end.value(QStringLiteral("event")).toString(), QStringLiteral("run-end"));
    EXPECT_EQ(end.value(QStringLiteral("converted")).toInt(), 1);
    const ProbedMedia media = ProbeMedia(Output() + QStringLiteral("/MP3/source.mp3"));
    ASSERT_TRUE(media.readable) << media.error.toStdString();
    EXPECT_EQ(media.audioCodec, QStringLiteral("mp3"));
    EXPECT_TRUE(media.videoCodec.isEmpty());
    EXPECT_NEAR(media.durationSeconds, 4.0, 0.4);
}

// Ctrl+C in the middle of a clip: the engine stops, and what it wrote is a valid, shorter file.
TEST_F(RealEngine, InterruptLeavesAValidShorterFile)
{
    ASSERT_TRUE(MakeTestClip(Source(), 60, 1280, 720)) << "the ffmpeg program could not make the long clip";
    Start({QStringLiteral("--json"), QStringLiteral("--target"), QStringLiteral("iPod")});
    QByteArray out;
    while (!out.contains("\"event\":\"progress\"") && process_.waitForReadyRead(30000))
        out += process_.readAllStandardOutput();
    ASSERT_TRUE(out.contains("\"event\":\"progress\"")) << out.toStdString();
    ::kill(pid_t(process_.processId()), SIGINT);
    ASSERT_TRUE(process_.waitForFinished(30000));
    out += process_.readAllStandardOutput();
    EXPECT_EQ(process_.exitCode(), 130) << out.toStdString();
    EXPECT_TRUE(out.contains("\"result\":\"stopped\"")) << out.toStdString();
    const ProbedMedia media = ProbeMedia(Output() + QStringLiteral("/iPod/source.mp4"));
    ASSERT_TRUE(media.readable) << media.error.toStdString();
    EXPECT_EQ(media.videoCodec, QStringLiteral("h264"));
    EXPECT_GT(media.durationSeconds, 0.0);
    EXPECT_LT(media.durationSeconds, 55.0);
}

} // namespace
