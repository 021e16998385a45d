// Whole runs through the progress window with the real engine and the real authoring
// library: two short generated clips to iPod files that ffprobe reads, and two to a DVD
// folder that lsdvd reads back with two titles.

#include "ProcessRun.h"

#include "LibraryLoader.h"
#include "MediaProbe.h"
#include "OutputExtension.h"
#include "ProfileDefinitions.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "ProgramOptions.h"
#include "SettingsSandbox.h"
#include "TargetCatalogue.h"
#include "TargetPanel.h"
#include "TestHelpers.h"
#include "forms/TProcessForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace conversion {
namespace {

using namespace testing_support;

constexpr int kClipSeconds = 2;

// The titles that lsdvd lists for a DVD folder.
int TitlesOf(const QString &dvdFolder)
{
    QProcess lsdvd;
    lsdvd.start(QStringLiteral("lsdvd"), {dvdFolder});
    if (!lsdvd.waitForFinished(30000))
        return -1;
    int titles = 0;
    for (const QByteArray &line : lsdvd.readAllStandardOutput().split('\n'))
        titles += line.startsWith("Title: ");
    return titles;
}

class RunEndToEnd : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sources_ = new QTemporaryDir;
        for (const char *name : {"/morning.mp4", "/evening.mp4"}) {
            const QString path = sources_->path() + QLatin1String(name);
            if (MakeTestClip(path, kClipSeconds, 160, 120))
                sourceFiles_ << path;
        }
    }

    static void TearDownTestSuite()
    {
        delete sources_;
        sources_ = nullptr;
    }

    RunEndToEnd()
    {
        QDir().mkpath(options_.SettingsFolder());
        options_.outputFolder = output_.path() + QStringLiteral("/Output/");
        platform::SetProgramFolderForTesting(QStringLiteral(PELORIN_PROGRAM_FOLDER "/"));
        form_ = std::make_unique<TProcessForm>(options_);
        run_ = new ProcessRun(*form_, options_);
        form_->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_PowerOff"))->setChecked(false);
        form_->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_OpenFolder"))->setChecked(false);
    }

    ~RunEndToEnd() override
    {
        form_.reset();
        platform::SetProgramFolderForTesting(QString());
    }

    static const targets::ProfileDefinitions &Definitions()
    {
        static const targets::ProfileDefinitions definitions =
            targets::ProfileDefinitions::Load(QStringLiteral(PELORIN_PROGRAM_FOLDER "/PfDef.dll"));
        return definitions;
    }

    // Both source clips through the progress window for `target`, as the start button hands
    // them over with the panel as the target leaves it; the clips' output paths are returned.
    QStringList Convert(int target)
    {
        std::vector<JobClip> clips;
        for (const QString &source : sourceFiles_)
            clips.push_back(VideoClip(source, 160, 120, kClipSeconds));
        const TargetPanel targetPanel(Definitions(), target, QSize(clips.front().width, clips.front().height));
        const JobPanelValues panel = targetPanel.JobValues();
        for (JobClip &clip : clips)
            clip.outputName = QFileInfo(clip.fileName).baseName() + naming::OutputExtension(targetPanel.OutputValues());

        RunRequest request;
        request.settings = RunSettingsFromOptions(target, panel, Definitions(), options_);
        request.clipAt = [clips](int index) {
            return index < int(clips.size()) ? std::optional<JobClip>(clips[index]) : std::nullopt;
        };
        QStringList outputPaths;
        request.storeTargetFile = [&outputPaths](int, const QString &file) { outputPaths << file; };
        questions_.AnswerExec([this](QDialog &dialog) {
            dialog.show();
            QDeadlineTimer deadline(60000);
            while (run_->Converting() && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            EXPECT_FALSE(run_->Converting()) << "the run did not end within a minute";
            QCoreApplication::processEvents();
            return dialog.result();
        });
        run_->StartConversion(request);
        return outputPaths;
    }

    QStringList Informations() const { return questions_.Texts(ScriptedQuestions::Kind::Information); }

    static inline QTemporaryDir *sources_ = nullptr;
    static inline QStringList sourceFiles_;
    SettingsSandbox sandbox_;
    ProgramOptions options_ = sandbox_.StartOptions();
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;   // no notification or sleep lock reaches the real desktop
    QTemporaryDir output_;
    std::unique_ptr<TProcessForm> form_;
    ProcessRun *run_;
};

TEST_F(RunEndToEnd, TwoClipsToIPod)
{
    ASSERT_EQ(sourceFiles_.size(), 2) << "the ffmpeg program could not make the source clips";
    const QStringList outputs = Convert(targets::TargetiPod);
    EXPECT_EQ(Informations(), QStringList{QStringLiteral("Process Finished!")});
    ASSERT_EQ(outputs.size(), 2);
    for (const QString &output : outputs) {
        SCOPED_TRACE(output.toStdString());
        EXPECT_TRUE(output.startsWith(options_.outputFolder + targets::TargetFolder(targets::TargetiPod)));
        const ProbedMedia media = ProbeMedia(output);
        ASSERT_TRUE(media.readable) << media.error.toStdString();
        EXPECT_FALSE(media.videoCodec.isEmpty());
        EXPECT_FALSE(media.audioCodec.isEmpty());
        EXPECT_NEAR(media.durationSeconds, kClipSeconds, 0.4);
    }
}

// The engine's own words for a failure reach the failed-files report.
TEST_F(RunEndToEnd, AnOutputFolderThatCannotBeMadeIsReportedWithTheEnginesReason)
{
    ASSERT_EQ(sourceFiles_.size(), 2) << "the ffmpeg program could not make the source clips";
    QFile blocker(output_.filePath(QStringLiteral("blocker")));   // a file where a folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    options_.outputFolder = blocker.fileName() + QStringLiteral("/Output/");
    questions_.AnswerConfirm(false);   // the offer of the run log
    Convert(targets::TargetiPod);
    const QStringList reports = questions_.Texts(ScriptedQuestions::Kind::Confirm);
    ASSERT_EQ(reports.size(), 1);
    const QString report = reports.first();
    for (const QString &source : sourceFiles_) {
        const qsizetype at = report.indexOf(source + QStringLiteral(" ("));
        ASSERT_GE(at, 0) << report.toStdString();
        EXPECT_GT(report.indexOf(QLatin1Char(')'), at), at + source.size() + 3) << "a reason is given: " << report.toStdString();
    }
}

TEST_F(RunEndToEnd, TwoClipsToADvdFolderWithTwoTitles)
{
    ASSERT_EQ(sourceFiles_.size(), 2) << "the ffmpeg program could not make the source clips";
    options_.outputFolder = output_.path() + QStringLiteral("/Tom & Jerry's \"<DVD>\"/");   // markup in every path
    const QStringList outputs = Convert(targets::TargetDVD_Folder);
    EXPECT_EQ(Informations(), QStringList{QStringLiteral("Process Finished!")});
    EXPECT_TRUE(questions_.Texts(ScriptedQuestions::Kind::Error).isEmpty());
    EXPECT_EQ(outputs.size(), 2);
    const QString dvd = options_.outputFolder + QStringLiteral("DVD/DVD_DISC");
    EXPECT_TRUE(QFileInfo(dvd + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")).isFile());
    EXPECT_EQ(TitlesOf(dvd), 2);
    const ProbedMedia vob = ProbeMedia(dvd + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB"));
    EXPECT_TRUE(vob.readable) << vob.error.toStdString();
    EXPECT_EQ(vob.videoCodec, QStringLiteral("mpeg2video"));
    EXPECT_FALSE(QFileInfo::exists(options_.SettingsFolder() + QStringLiteral("author.xml")));
}

} // namespace
} // namespace conversion
