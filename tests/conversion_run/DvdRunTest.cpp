// Runs to the DVD folder target through the progress window, offscreen, with the
// recording test engine and the scripted authoring library: when a DVD is authored,
// from which files, and what the user is told when it cannot be.

#include "ProcessRun.h"

#include "IniFile.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "ProgramOptions.h"
#include "SettingsSandbox.h"
#include "TargetCatalogue.h"
#include "TestAuthoring.h"
#include "TestEngine.h"
#include "TestHelpers.h"
#include "forms/TProcessForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace conversion {
namespace {

const QString kDvdEntry = QStringLiteral("X_SetPar_D2MPEG");
const QString kMissingText =
    QStringLiteral("Some converted file(s) can not be found, no DVD was created!\nPlease convert the clips again.");
const QString kFailedText =
    QStringLiteral("DVD authoring failed, no DVD was created!\nPlease check the free disk space and try again.");

JobClip Clip(const QString &name)
{
    JobClip clip = testing_support::VideoClip(QStringLiteral("/videos/") + name + QStringLiteral(".avi"), 720, 576, 30);
    clip.outputName = name + QStringLiteral(".mpg");
    return clip;
}

class DvdRunTest : public testing::Test {
protected:
    DvdRunTest()
    {
        QDir().mkpath(options_.SettingsFolder());
        form_ = std::make_unique<TProcessForm>(options_);
        run_ = new ProcessRun(*form_, options_);
        const QString section = QLatin1String("Ostrel-") + targets::TargetName(targets::TargetDVD_Folder);
        for (const char *key : {"OutputFormatText0", "VideoCodecText0", "AudioCodecText0", "VideoFrameRateText0",
                                "AudioBitrateText0", "AudioSampleRateText0", "VideoAspectText0"})
            document_.SetValue(section, QLatin1String(key), QStringLiteral("1"));
        definitions_ = targets::ProfileDefinitions(document_);
        clips_ = {Clip(QStringLiteral("first")), Clip(QStringLiteral("second")), Clip(QStringLiteral("third"))};
        form_->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_PowerOff"))->setChecked(false);
        form_->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_OpenFolder"))->setChecked(false);
    }

    ~DvdRunTest() override
    {
        engine_.WaitForPosts();
        form_.reset();
    }

    // A whole run; `during` acts while the window is shown.
    void Run(const std::function<void()> &during = {})
    {
        RunRequest request;
        request.settings.target = targets::TargetDVD_Folder;
        request.settings.outputFolder = output_.path() + QLatin1String("/Output/");
        request.settings.definitions = &definitions_;
        request.settings.scratchFolder = options_.SettingsFolder();   // as the window's run has it
        request.clipAt = [this](int index) -> std::optional<JobClip> {
            return index < int(clips_.size()) ? std::optional<JobClip>(clips_[index]) : std::nullopt;
        };
        request.storeTargetFile = [this](int, const QString &file) { targetFiles_ << file; };
        questions_.AnswerExec([this, during](QDialog &dialog) {
            dialog.show();
            if (during)
                during();
            QDeadlineTimer deadline(30000);   // generous for the sanitizer builds; a run ends long before
            while (run_->Converting() && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            EXPECT_FALSE(run_->Converting()) << "the run did not end";
            QCoreApplication::processEvents();
            return dialog.result();
        });
        run_->StartConversion(request);
    }

    QStringList Messages(ScriptedQuestions::Kind kind) const { return questions_.Texts(kind); }

    SettingsSandbox sandbox_;
    ProgramOptions options_ = sandbox_.StartOptions();
    TestEngine engine_;
    TestAuthoring authoring_;   // beside the test engine, in the program's folder
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;
    QTemporaryDir output_;
    platform::IniDocument document_;
    targets::ProfileDefinitions definitions_;
    std::vector<JobClip> clips_;
    QStringList targetFiles_;
    std::unique_ptr<TProcessForm> form_;
    ProcessRun *run_;
};

TEST_F(DvdRunTest, EveryConvertedClipBecomesATitleInListOrder)
{
    Run();
    EXPECT_EQ(Messages(ScriptedQuestions::Kind::Information), QStringList{QStringLiteral("Process Finished!")});
    ASSERT_EQ(authoring_.Calls(), 1);
    EXPECT_EQ(authoring_.LastPath(), options_.SettingsFolder() + QStringLiteral("author.xml"));
    EXPECT_FALSE(QFile::exists(authoring_.LastPath())) << "the description is deleted after authoring";
    ASSERT_EQ(targetFiles_.size(), 3);
    const QByteArray description = authoring_.LastDescription();
    EXPECT_TRUE(description.startsWith("<dvdauthor dest=\"" + output_.path().toUtf8() + "/Output/DVD/.DVD_DISC-"));
    EXPECT_TRUE(QDir(output_.path() + "/Output/DVD/DVD_DISC").exists());
    const qsizetype first = description.indexOf(targetFiles_[0].toUtf8());
    const qsizetype second = description.indexOf(targetFiles_[1].toUtf8());
    const qsizetype third = description.indexOf(targetFiles_[2].toUtf8());
    EXPECT_TRUE(first > 0 && first < second && second < third) << description.constData();
}

TEST_F(DvdRunTest, NoDvdAfterAFailedClip)
{
    engine_.SetEntryResult(kDvdEntry, -1);
    clips_.resize(1);
    Run();
    EXPECT_EQ(authoring_.Calls(), 0);
    EXPECT_EQ(Messages(ScriptedQuestions::Kind::Information).last(), QStringLiteral("Process Finished!"));
}

TEST_F(DvdRunTest, NoDvdAfterAStopInTheLastClip)
{
    clips_.resize(1);
    engine_.SetEntryDelay(kDvdEntry, -1);
    questions_.AnswerConfirm(true);
    Run([this] {
        ASSERT_TRUE(engine_.WaitForCalls(kDvdEntry));
        QDeadlineTimer deadline(30000);   // generous for the sanitizer builds
        auto *stop = form_->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_StopConvert"));
        while (!(run_->InfoTimer()->isActive() && stop->isEnabled()) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        stop->click();
    });
    EXPECT_EQ(authoring_.Calls(), 0);
    EXPECT_EQ(Messages(ScriptedQuestions::Kind::Information), QStringList{QStringLiteral("Stop process by user!")});
}

TEST_F(DvdRunTest, AuthoringShowsItsProgressAndStopsWithoutLeavingAFolder)
{
    clips_.resize(1);
    authoring_.HoldUntilStopped(37);
    questions_.AnswerConfirm(true);
    Run([this] {
        ASSERT_TRUE(authoring_.WaitUntilRunning(30000));
        QDeadlineTimer deadline(30000);   // generous for the sanitizer builds
        auto *percent = form_->findChild<QLabel *>(QStringLiteral("Label_Percent"));
        while (percent->text() != "37" && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(percent->text(), "37");
        EXPECT_EQ(form_->findChild<QLabel *>(QStringLiteral("Label_TitleName"))->text(), "Authoring DVD\u2026");
        EXPECT_TRUE(run_->AuthorTimer()->isActive());
        auto *stop = form_->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_StopConvert"));
        EXPECT_TRUE(stop->isEnabled());
        stop->click();
    });
    EXPECT_EQ(questions_.Texts(ScriptedQuestions::Kind::Confirm), QStringList{"Do you want to stop the process?"});
    EXPECT_EQ(Messages(ScriptedQuestions::Kind::Information), QStringList{QStringLiteral("Stop process by user!")});
    const QDir dvdFolder(output_.path() + "/Output/DVD/");
    EXPECT_EQ(dvdFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});
    EXPECT_FALSE(run_->AuthorTimer()->isActive());
}

TEST_F(DvdRunTest, WhatTheUserIsToldWhenNoDvdCanBeMade)
{
    engine_.SetWriteTargetFiles(false);
    Run();
    EXPECT_EQ(authoring_.Calls(), 0) << "a converted file is missing";
    EXPECT_EQ(Messages(ScriptedQuestions::Kind::Error), QStringList{kMissingText});

    engine_.SetWriteTargetFiles(true);
    authoring_.SetResult(-1);
    Run();
    EXPECT_EQ(authoring_.Calls(), 1);
    EXPECT_EQ(Messages(ScriptedQuestions::Kind::Error), (QStringList{kMissingText, kFailedText}));
    EXPECT_TRUE(Messages(ScriptedQuestions::Kind::Information).isEmpty()) << "never \"Process Finished!\"";
    EXPECT_FALSE(form_->isVisible());
}

} // namespace
} // namespace conversion
