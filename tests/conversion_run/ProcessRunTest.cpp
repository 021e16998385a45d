// Whole runs through the progress window, offscreen, with the recording test engine:
// the labels of each clip, failed clips, a stop, the stop button, progress, the end.

#include "ProcessRun.h"

#include "IniFile.h"
#include "RecordingDesktop.h"
#include "WaitUntil.h"
#include "ScriptedQuestions.h"
#include "ProgramOptions.h"
#include "SettingsSandbox.h"
#include "ShutdownCountdown.h"
#include "TargetCatalogue.h"
#include "TestEngine.h"
#include "forms/TProcessForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace conversion {
namespace {

const QString kEntry = QStringLiteral("X_SetPar_D2IPOD_VIDEO");

JobClip Clip(const QString &name, int seconds)
{
    JobClip clip;
    clip.fileName = QStringLiteral("/videos/") + name + QStringLiteral(".avi");
    clip.outputName = name + QStringLiteral(".mp4");
    clip.durationSeconds = clip.endSeconds = seconds;
    clip.frameRate = 25.0f;
    clip.videoStreamId = 1;
    clip.audioRowCount = 1;
    clip.audioStreamId = 2;
    clip.width = 640;
    clip.height = 480;
    clip.aspectIndex = 2;
    return clip;
}

class ProcessRunTest : public testing::Test {
protected:
    ProcessRunTest()
    {
        engine_.emplace();
        engine_->SetEntryDelay(kEntry, -1);
        form_ = std::make_unique<TProcessForm>(options_);
        run_ = new ProcessRun(*form_, options_);
        run_->InfoTimer()->setInterval(60000);   // the test ticks by hand
        const QString section = QLatin1String("Ostrel-") + targets::TargetName(targets::TargetiPod);
        for (const char *key : {"OutputFormatText0", "VideoCodecText0", "AudioCodecText0", "VideoFrameRateText0",
                                "AudioBitrateText0", "AudioSampleRateText0", "VideoAspectText0"})
            document_.SetValue(section, QLatin1String(key), QStringLiteral("1"));
        definitions_ = targets::ProfileDefinitions(document_);
        clips_ = {Clip(QStringLiteral("first"), 100), Clip(QStringLiteral("second"), 60),
                  Clip(QStringLiteral("third"), 30)};
        Choose("suiCheckBox_PowerOff", false);
        Choose("suiCheckBox_OpenFolder", false);
    }

    ~ProcessRunTest() override
    {
        // The engine's delayed posts go to the window's handle: let them land before it goes.
        engine_->FinishRunning();
        EXPECT_TRUE(WaitUntil([this] { return !run_->Converting(); }));
        engine_->WaitForPosts();
        form_.reset();
    }

    RunRequest Request(int target = targets::TargetiPod)
    {
        RunRequest request;
        request.settings.target = target;
        request.settings.outputFolder = output_.path() + QLatin1String("/Output/");
        request.settings.definitions = &definitions_;
        request.settings.panel.outputFormatIndex = request.settings.panel.videoCodecIndex = 0;
        request.settings.panel.audioCodecIndex = request.settings.panel.aspectIndex = 0;
        request.settings.panel.videoFrameRateIndex = request.settings.panel.audioBitRateIndex = 0;
        request.settings.panel.audioSampleRateIndex = 0;
        request.settings.panel.videoWidth = 320;
        request.settings.panel.videoHeight = 240;
        request.settings.stallTimeoutSeconds = stallTimeoutSeconds_;
        request.settings.logFolder = logFolder_;
        request.settings.probeOutput = probeOutput_;
        request.clipAt = [this](int index) -> std::optional<JobClip> {
            return index < int(clips_.size()) ? std::optional<JobClip>(clips_[index]) : std::nullopt;
        };
        request.storeTargetFile = [this](int index, const QString &file) { targetFiles_[index] = file; };
        return request;
    }

    // Starts a run; `during` drives it while the window is shown, the run then must end.
    void RunWith(const std::function<void()> &during, int target = targets::TargetiPod)
    {
        questions_.AnswerExec([this, during](QDialog &dialog) {
            dialog.show();
            during();
            EXPECT_TRUE(WaitUntil([this] { return !run_->Converting(); })) << "the run did not end";
            QCoreApplication::processEvents();
            return dialog.result();
        });
        run_->StartConversion(Request(target));
    }

    // Waits until clip `index` is in the engine, with its labels shown and the stop button enabled.
    void WaitForClip(int index)
    {
        ASSERT_TRUE(engine_->WaitForCalls(kEntry, index + 1));
        const QString title = clips_[index].fileName.section(QLatin1Char('/'), -1);
        ASSERT_TRUE(WaitUntil([this, title] {
            return Text("Label_TitleName") == title && run_->InfoTimer()->isActive() && StopButton()->isEnabled();
        })) << "clip " << index << " is not shown as converting";
        EXPECT_EQ(Text("Label_DesName"), clips_[index].outputName);
    }

    void Choose(const char *name, bool on) { form_->findChild<QCheckBox *>(QLatin1String(name))->setChecked(on); }
    QString Text(const char *name) const { return form_->findChild<QLabel *>(QLatin1String(name))->text(); }
    QAbstractButton *StopButton() const
    {
        return form_->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_StopConvert"));
    }
    QStringList Informations() const { return questions_.Texts(ScriptedQuestions::Kind::Information); }

    SettingsSandbox sandbox_;
    ProgramOptions options_ = sandbox_.StartOptions();
    std::optional<TestEngine> engine_;
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;
    QTemporaryDir output_;
    platform::IniDocument document_;
    targets::ProfileDefinitions definitions_;
    std::vector<JobClip> clips_;
    std::map<int, QString> targetFiles_;
    int stallTimeoutSeconds_ = 0;
    QString logFolder_;   // no run log unless a test asks
    OutputProbe probeOutput_;   // no output check unless a test asks
    std::unique_ptr<TProcessForm> form_;
    ProcessRun *run_;
};

TEST_F(ProcessRunTest, ThreeClipsWhereOneFails)
{
    Choose("suiCheckBox_OpenFolder", true);
    RunWith([this] {
        WaitForClip(0);
        EXPECT_EQ(Text("Label_StopTime"), QStringLiteral("00:01:40"));
        engine_->FinishRunning();
        WaitForClip(1);
        EXPECT_EQ(Text("Label_Length"), QStringLiteral("00:01:00"));
        EXPECT_EQ(Text("Label_Percent"), QStringLiteral("0"));
        engine_->SetEntryResult(kEntry, -1);
        engine_->SetLastError(QStringLiteral("no video stream"));
        engine_->FinishRunning();
        WaitForClip(2);
        engine_->SetEntryResult(kEntry, 0);
        engine_->FinishRunning();
    });
    EXPECT_EQ(Informations(), QStringList{QStringLiteral(
                                  "Some UNSUPPORTED file(s) format can not be converted correctly.\nWe suggest you "
                                  "select AVI format and try again.\n\n/videos/second.avi (no video stream)\n")});
    ASSERT_EQ(targetFiles_.size(), 3u);
    EXPECT_TRUE(targetFiles_[2].endsWith(QLatin1String("third.mp4"))) << targetFiles_[2].toStdString();
    EXPECT_EQ(desktop_.Calls(), QStringList{QStringLiteral("showFileInFolder|") + targetFiles_[2]});
    EXPECT_EQ(Text("Label_Percent"), QStringLiteral("100"));
    EXPECT_FALSE(form_->isVisible());
    // The desktop: no sleep while it ran, one notification at the end.
    const QString folder = QFileInfo(targetFiles_[2]).absolutePath();
    EXPECT_EQ(desktop_.RunCalls(), QStringList({QStringLiteral("inhibitSleep|Converting 3 clip(s) to iPod"),
                                                QStringLiteral("releaseSleep"),
                                                QStringLiteral("notify|1 of 3 failed|2 files converted to iPod|") + folder}));
}

// The whole run's figures weigh each clip by its length, in the window and on the task bar.
TEST_F(ProcessRunTest, TheWholeRunIsShownByClipLengthsAndTheTaskBarIsClearedAtItsEnd)
{
    clips_.resize(2);   // 100 and 60 seconds
    QStringList runTexts;
    RunWith([this, &runTexts] {
        WaitForClip(0);
        engine_->AddProgress(50, 25);   // half of the first clip
        run_->Timer_InfoTimer();
        runTexts << Text("Label_RunProgress");
        engine_->FinishRunning();
        WaitForClip(1);
        engine_->AddProgress(30, 25);   // half of the second clip
        run_->Timer_InfoTimer();
        runTexts << Text("Label_RunProgress");
        engine_->FinishRunning();
    });
    ASSERT_EQ(runTexts.size(), 2);
    EXPECT_TRUE(runTexts[0].startsWith(QStringLiteral("clip 1 of 2, 31 % of the run"))) << runTexts[0].toStdString();
    EXPECT_TRUE(runTexts[1].startsWith(QStringLiteral("clip 2 of 2, 81 % of the run"))) << runTexts[1].toStdString();
    const QList<double> shown = desktop_.TaskbarProgress();
    const QList<double> expected = {0.0, 0.0, 50.0 / 160, 100.0 / 160, 130.0 / 160};
    ASSERT_EQ(shown.size(), expected.size() + 1);
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(shown[i], expected[i], 0.001) << i;
    EXPECT_LT(shown.last(), 0) << "hidden at the end";
}

// A clip on which the engine makes no progress is stopped after the timeout, its partial
// file removed and reported with the reason, and the run goes on with the next clip.
TEST_F(ProcessRunTest, AStalledClipIsStoppedAndReportedAndTheNextOneConverts)
{
    clips_.resize(2);
    clips_[0].startSeconds = 62;
    stallTimeoutSeconds_ = 1;
    logFolder_ = output_.path();
    questions_.AnswerConfirm(true);
    RunWith([this] {
        WaitForClip(0);
        QFile partial(targetFiles_[0]);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(partial).path()) && partial.open(QIODevice::WriteOnly));
        partial.close();
        engine_->AddProgress(3, 25);
        run_->Timer_InfoTimer();            // the watch starts at the first position
        run_->Timer_InfoTimer();
        EXPECT_EQ(engine_->CallCount(QStringLiteral("X_StopConvert")), 0) << "still within the timeout";
        QTest::qWait(1100);
        run_->Timer_InfoTimer();            // no progress for a second: stopped
        WaitForClip(1);
        engine_->FinishRunning();
    });
    EXPECT_EQ(engine_->CallCount(QStringLiteral("X_StopConvert")), 1);
    EXPECT_FALSE(QFile::exists(targetFiles_[0]));
    EXPECT_EQ(engine_->CallCount(kEntry), 2);
    // The failed clips with their reasons and the offer of the run log, then the end of the run.
    const QStringList reports = questions_.Texts(ScriptedQuestions::Kind::Confirm);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].endsWith(QStringLiteral("\n/videos/first.avi (the engine stopped making progress at "
                                                   "00:01:05)\n\nThe run log tells more about each file. Open it?")))
        << reports[0].toStdString();
    EXPECT_EQ(Informations().size(), 1);

    // The run log tells the same story, with each clip's engine call; the user's yes opened it.
    const QDir logs(output_.filePath(QStringLiteral("logs")));
    const QStringList logFiles = logs.entryList({QStringLiteral("*.log")});
    ASSERT_EQ(logFiles.size(), 1);
    EXPECT_TRUE(desktop_.Calls().contains(QStringLiteral("openUrl|") +
                                          QUrl::fromLocalFile(logs.filePath(logFiles[0])).toString()))
        << desktop_.Calls().join(QLatin1Char(' ')).toStdString();
    QFile logFile(logs.filePath(logFiles[0]));
    ASSERT_TRUE(logFile.open(QIODevice::ReadOnly));
    const QString log = QString::fromUtf8(logFile.readAll());
    for (const QString &line : {QStringLiteral("run started: target iPod, 2 clip(s)"),
                                QStringLiteral("clip 1: source /videos/first.avi"),
                                QStringLiteral("clip 1: engine X_SetPar_D2IPOD_VIDEO(window, 2, \"/videos/first.avi\", "),
                                QStringLiteral("clip 1: failed (the engine stopped making progress at 00:01:05) in "),
                                QStringLiteral("clip 2: converted in "), QStringLiteral("run ended: 1 converted, 1 failed")})
        EXPECT_TRUE(log.contains(line)) << line.toStdString() << "\n" << log.toStdString();
}

// A converted file that is much shorter than the clip, or lacks a stream the job asked
// for, is reported as failed with the reason and kept for the user to look at.
TEST_F(ProcessRunTest, ConvertedFilesThatFallShortAreReportedAndKept)
{
    clips_.resize(3);   // 100, 60 and 30 seconds
    QMap<QString, OutputStreams> outputs;
    probeOutput_ = [&outputs](const QString &file) -> std::optional<OutputStreams> {
        return outputs.value(QFileInfo(file).completeBaseName(), OutputStreams{});
    };
    outputs[QStringLiteral("first")] = {12.4, true, true};
    outputs[QStringLiteral("second")] = {59.5, true, true};   // within the tolerance
    outputs[QStringLiteral("third")] = {30, false, true};
    engine_->SetEntryDelay(kEntry, 0);
    RunWith([] {});
    ASSERT_EQ(targetFiles_.size(), 3u);
    ASSERT_FALSE(Informations().isEmpty());
    EXPECT_TRUE(Informations()[0].endsWith(QStringLiteral("\n/videos/first.avi (the output holds 12 s of 100 s)\n"
                                                          "/videos/third.avi (the output has no video stream)\n")))
        << Informations()[0].toStdString();
    for (const auto &[index, file] : targetFiles_)
        EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
}

// Without a file manager or a folder handler the run still ends with a word.
TEST_F(ProcessRunTest, AnOutputFolderThatCannotBeShownIsNamed)
{
    clips_.resize(1);
    Choose("suiCheckBox_OpenFolder", true);
    engine_->SetEntryDelay(kEntry, 0);
    desktop_.SetResult(false);
    RunWith([] {});
    ASSERT_EQ(targetFiles_.size(), 1u);
    EXPECT_EQ(Informations(), QStringList{QStringLiteral("Process Finished!\n\n") +
                                          QFileInfo(targetFiles_[0]).absolutePath()});
}

TEST_F(ProcessRunTest, AStoppedRunIsNotifiedAndTheOptionTurnsNotificationsOff)
{
    clips_.resize(1);
    questions_.AnswerConfirm(true);
    RunWith([this] {
        WaitForClip(0);
        StopButton()->click();
    });
    EXPECT_EQ(desktop_.RunCalls().last(), QStringLiteral("notify|Conversion stopped|Stopped by the user|"));

    options_.notify = false;
    engine_->SetEntryDelay(kEntry, 0);
    RunWith([] {});
    EXPECT_EQ(desktop_.RunCalls().last(), QStringLiteral("releaseSleep"));
}

TEST_F(ProcessRunTest, StopInTheLastClipWithProgressAndRefusedClose)
{
    clips_.resize(2);
    questions_.AnswerConfirm(true);
    RunWith([this] {
        WaitForClip(0);
        engine_->FinishRunning();
        WaitForClip(1);
        engine_->AddProgress(15, 24);
        run_->Timer_InfoTimer();
        EXPECT_EQ(Text("Label_CurrentTime"), QStringLiteral("00:00:15"));
        EXPECT_EQ(Text("Label_FPS"), QStringLiteral("24"));
        EXPECT_EQ(Text("Label_CurrentFrame"), QStringLiteral("00:00:01"));   // a quarter in half a second
        EXPECT_EQ(Text("Label_Percent"), QStringLiteral("25"));
        engine_->AddProgress(60, 24);
        run_->Timer_InfoTimer();
        EXPECT_EQ(Text("Label_Percent"), QStringLiteral("98")) << "59 of 60 seconds while converting";

        form_->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Close"))->click();
        form_->close();
        EXPECT_TRUE(form_->isVisible());
        EXPECT_EQ(Informations(), QStringList{QStringLiteral("Please stop conversion process first!")});

        StopButton()->click();
        EXPECT_TRUE(run_->StopRequested());
        EXPECT_FALSE(run_->InfoTimer()->isActive());
    });
    EXPECT_EQ(questions_.Texts(ScriptedQuestions::Kind::Confirm), QStringList{QStringLiteral("Do you want to stop the process?")});
    EXPECT_EQ(Informations().last(), QStringLiteral("Stop process by user!"));
    EXPECT_EQ(engine_->Calls(QStringLiteral("X_StopConvert")).size(), 1);
    EXPECT_TRUE(desktop_.Calls().isEmpty());
    EXPECT_FALSE(form_->isVisible());
}

// An engine stopped before it wrote anything says so with its own result; the run
// ends as any stopped run does.
TEST_F(ProcessRunTest, StopBeforeAnythingWasWrittenEndsAsAStop)
{
    clips_.resize(2);
    engine_->SetEntryResult(kEntry, KORVID_RESULT_STOPPED_EMPTY);
    questions_.AnswerConfirm(true);
    RunWith([this] {
        WaitForClip(0);
        StopButton()->click();
    });
    EXPECT_EQ(Informations(), QStringList{QStringLiteral("Stop process by user!")});
    EXPECT_EQ(engine_->CallCount(kEntry), 1);
    EXPECT_FALSE(form_->isVisible());
}

TEST_F(ProcessRunTest, StopAfterTheLastClipIsPressedTooLate)
{
    clips_.resize(1);
    RunWith([this] {
        WaitForClip(0);
        engine_->FinishRunning();
    });
    StopButton()->click();   // no engine loaded: no question
    EXPECT_TRUE(questions_.Texts(ScriptedQuestions::Kind::Confirm).isEmpty());
    EXPECT_EQ(Informations(), QStringList{QStringLiteral("Process Finished!")});
}

TEST_F(ProcessRunTest, PspWithoutUploadStaysOpenAndShowsItsLabels)
{
    clips_.resize(1);
    const QString section = QLatin1String("Ostrel-") + targets::TargetName(targets::TargetPSP);
    for (const char *key : {"OutputFormatText0", "VideoCodecText0", "AudioCodecText0", "VideoFrameRateText0",
                            "AudioBitrateText0", "AudioSampleRateText0", "VideoAspectText0"})
        document_.SetValue(section, QLatin1String(key), QStringLiteral("1"));
    definitions_ = targets::ProfileDefinitions(document_);
    Choose("suiCheckBox_Upload", false);
    RunWith([this] {
        ASSERT_TRUE(WaitUntil([this] { return !run_->Converting(); }));
        EXPECT_TRUE(form_->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_Upload"))->isVisibleTo(form_.get()));
        EXPECT_FALSE(form_->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_OpenFolder"))->isVisibleTo(form_.get()));
    }, targets::TargetPSP);
    EXPECT_EQ(Informations(), QStringList{QStringLiteral("Process finished!\nYou can upload files to your PSP.")});
    EXPECT_TRUE(form_->isVisible());
    EXPECT_TRUE(form_->findChild<QLabel *>(QStringLiteral("Label_Upload"))->isEnabled());
    form_->reject();
    EXPECT_FALSE(form_->isVisible()) << "closing is allowed once the run ended";
}

TEST_F(ProcessRunTest, FinishRunRowsThatEndWithAMessage)
{
    struct Case {
        int result;
        ScriptedQuestions::Kind kind;
        const char *text;
    };
    const Case cases[] = {
        {2, ScriptedQuestions::Kind::Error, "Can not initial conversion function!\nRe-install software may fix this problem!"},
        {0, ScriptedQuestions::Kind::Information, "Stop process by user!"},
        {-1, ScriptedQuestions::Kind::Error, "Conversion wrong, please check parameter and try again!"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.result);
        ScriptedQuestions questions;
        Choose("suiCheckBox_PowerOff", true);   // acts only after a finished run
        form_->show();
        run_->FinishRun(c.result);
        EXPECT_EQ(questions.Texts(c.kind), QStringList{QLatin1String(c.text)});
        EXPECT_FALSE(form_->isVisible());
        EXPECT_NE(Text("Label_Percent"), QStringLiteral("100"));
    }
    form_->show();
    run_->FinishRun(5);
    EXPECT_TRUE(form_->isVisible()) << "an unknown result leaves the window open";
    EXPECT_TRUE(desktop_.Calls().isEmpty());
}

TEST_F(ProcessRunTest, AnIncompleteEngineEndsTheRunAtTheFirstClip)
{
    engine_.reset();
    engine_.emplace(QStringLiteral("test-engine-missing"));   // lacks one entry point
    Choose("suiCheckBox_PowerOff", true);
    RunWith([] {});
    EXPECT_EQ(questions_.Texts(ScriptedQuestions::Kind::Error),
              QStringList{QStringLiteral("Can not initial conversion function!\nRe-install software may fix this problem!")});
    EXPECT_TRUE(Informations().isEmpty()) << "no failed-clip list";
    EXPECT_TRUE(targetFiles_.size() <= 1u);
    EXPECT_TRUE(desktop_.Calls().isEmpty());
    EXPECT_FALSE(form_->isVisible());
}

// The countdown answers: Cancel keeps the machine on, time-out and "Shut down now" shut it down.
TEST_F(ProcessRunTest, PowerOffComesFirstAfterACountdown)
{
    const struct {
        const char *name;
        std::function<void(ShutdownCountdown &)> answer;
        bool shutsDown;
    } cases[] = {
        {"cancel", [](ShutdownCountdown &countdown) {
             countdown.findChild<QAbstractButton *>(QStringLiteral("Button_Cancel"))->click();
         }, false},
        {"now", [](ShutdownCountdown &countdown) {
             countdown.findChild<QAbstractButton *>(QStringLiteral("Button_ShutDownNow"))->click();
         }, true},
        {"time-out", [](ShutdownCountdown &countdown) {
             countdown.SetSecondsLeft(1);
             EXPECT_TRUE(WaitUntil([&countdown] { return !countdown.isVisible(); }));
         }, true},
    };
    clips_.resize(1);
    Choose("suiCheckBox_PowerOff", true);
    Choose("suiCheckBox_OpenFolder", true);
    engine_->SetEntryDelay(kEntry, 0);
    for (const auto &c : cases) {
        const qsizetype callsBefore = desktop_.Calls().size();
        int secondsAtStart = 0;
        RunWith([&] {
            questions_.AnswerExec([&](QDialog &dialog) {
                auto &countdown = static_cast<ShutdownCountdown &>(dialog);
                secondsAtStart = countdown.SecondsLeft();
                countdown.show();
                c.answer(countdown);
                return countdown.result();
            });
        });
        EXPECT_EQ(secondsAtStart, 60) << c.name;
        EXPECT_EQ(desktop_.Calls().mid(callsBefore), c.shutsDown ? QStringList{QStringLiteral("powerOff")} : QStringList()) << c.name;
        EXPECT_TRUE(Informations().isEmpty()) << c.name;
        EXPECT_TRUE(form_->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_PowerOff"))->isChecked()) << c.name;
    }
}

} // namespace
} // namespace conversion
