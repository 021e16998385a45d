// The window and pelorin-convert with the real engine: the same choices made on the
// program's windows and given to the pelorin-convert program turn a short generated
// clip into outputs with the same container, streams, picture size and duration.

#include "LibraryLoader.h"
#include "MediaProbe.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "TargetCatalogue.h"
#include "WindowRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cli {
namespace {

using conversion::testing_support::MakeTestClip;
using conversion::testing_support::ProbedMedia;
using conversion::testing_support::ProbeMedia;
using testing_support::PanelChoices;
using testing_support::Setting;

constexpr int kClipSeconds = 2;

// The one file a run wrote into the target's folder under `outputRoot`, read back.
ProbedMedia OutputOf(const QString &outputRoot, const char *target)
{
    const QString folder = outputRoot + targets::TargetFolder(targets::TargetNumberOfName(QLatin1String(target)));
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    if (files.size() != 1) {
        ADD_FAILURE() << files.size() << " files in " << folder.toStdString();
        return {};
    }
    return ProbeMedia(files.first().absoluteFilePath());
}

class WindowParityRealEngine : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MakeTestClip(Source(), kClipSeconds, 160, 120)) << "the ffmpeg program could not make the source clip";
        platform::SetProgramFolderForTesting(QStringLiteral(PELORIN_PROGRAM_FOLDER "/"));
        // The window's profiles are the settings folder's copy of the shipped ones.
        QFile shipped(QStringLiteral(PELORIN_PROGRAM_FOLDER "/PfSetting.ini"));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        sandbox_.WriteSettingsFile(QStringLiteral("PfSetting.ini"), shipped.readAll());
    }

    void TearDown() override { platform::SetProgramFolderForTesting(QString()); }

    QString Source() const { return sources_.path() + QStringLiteral("/holiday.mp4"); }

    // The pelorin-convert program with a settings home of its own.
    void ConvertWithCommand(const PanelChoices &choices)
    {
        QProcess convert;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), commandHome_.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), commandHome_.path() + QStringLiteral("/config"));
        convert.setProcessEnvironment(environment);
        convert.start(QStringLiteral(PELORIN_PROGRAM_FOLDER "/pelorin-convert"),
                      testing_support::CommandArguments(choices, commandOutput_.path(), Source()));
        ASSERT_TRUE(convert.waitForFinished(120000));
        ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    }

    QTemporaryDir sources_;
    SettingsSandbox sandbox_;
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;
    QTemporaryDir windowOutput_;
    QTemporaryDir commandHome_;
    QTemporaryDir commandOutput_;
};

TEST_F(WindowParityRealEngine, SameChoicesGiveTheSameOutputs)
{
    const PanelChoices cases[] = {
        {"AVI", "Small Size", {Setting{"AudioCodec", "AC-3 (Dolby Digital)"}}},
        {"PSP", nullptr, {Setting{"VideoResolution", "368:208"}, Setting{"AudioBitrate", "96"}}},
        {"MP3", "High Quality", {Setting{"AudioSampleRate", "48000"}}},
    };
    for (const PanelChoices &choices : cases) {
        SCOPED_TRACE(choices.target);
        testing_support::ConvertInWindow(choices, Source(), windowOutput_.path() + QLatin1Char('/'), questions_, 120000);
        ConvertWithCommand(choices);
        const ProbedMedia window = OutputOf(windowOutput_.path() + QLatin1Char('/'), choices.target);
        const ProbedMedia command = OutputOf(commandOutput_.path() + QLatin1Char('/'), choices.target);
        ASSERT_TRUE(window.readable) << window.error.toStdString();
        ASSERT_TRUE(command.readable) << command.error.toStdString();
        EXPECT_EQ(command.formatName, window.formatName);
        EXPECT_EQ(command.videoCodec, window.videoCodec);
        EXPECT_EQ(command.audioCodec, window.audioCodec);
        EXPECT_EQ(QSize(command.width, command.height), QSize(window.width, window.height));
        EXPECT_NEAR(command.durationSeconds, window.durationSeconds, 0.1);
        EXPECT_NEAR(window.durationSeconds, kClipSeconds, 0.4) << "the whole clip";
    }
}

} // namespace
} // namespace cli
