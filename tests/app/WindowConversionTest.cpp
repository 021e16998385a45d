// Conversions through the program's main window with the real engine and the real
// authoring library: a short generated clip is added with the add button, a category
// and a target are chosen with their buttons, the convert button runs it, and the
// output is read back with ffprobe (lsdvd for a DVD folder).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "ClipListPanel.h"
#include "LibraryLoader.h"
#include "MediaProbe.h"
#include "ProgramParts.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "TargetCatalogue.h"
#include "WaitUntil.h"
#include "forms/ProgramWindows.h"

namespace {

using namespace conversion::testing_support;

constexpr int kClipSeconds = 2;

QStringList FilesIn(const QString &folder)
{
    QStringList paths;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files))
        paths << file.absoluteFilePath();
    return paths;
}

class WindowConversionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sources_ = new QTemporaryDir;
        const QString path = sources_->path() + QStringLiteral("/holiday.mp4");
        if (MakeTestClip(path, kClipSeconds, 160, 120))
            sourceFile_ = path;
    }
    static void TearDownTestSuite()
    {
        delete sources_;
        sources_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_FALSE(sourceFile_.isEmpty()) << "the ffmpeg program could not make the source clip";
        platform::SetProgramFolderForTesting(QStringLiteral(PELORIN_PROGRAM_FOLDER "/"));
        windows_ = std::make_unique<ProgramWindows>(sandbox_.ProgramFolder());
        AttachProgramParts(*windows_);
        windows_->MainForm->show();
        QApplication::processEvents();
        windows_->Options.outputFolder = output_.path() + QStringLiteral("/");
        windows_->ProcessForm->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_OpenFolder"))->setChecked(false);

        auto *clipList = windows_->MainForm->findChild<ClipListPanel *>();
        questions_.AnswerOpenFiles({sourceFile_});
        Click("suiImageButton_OpenDir");
        ASSERT_TRUE(WaitUntil([clipList] { return !clipList->Model().Busy() && clipList->Model().Count() == 1; }));
    }

    void TearDown() override
    {
        windows_.reset();
        platform::SetProgramFolderForTesting(QString());
    }

    void Click(const char *buttonName)
    {
        auto *button = windows_->MainForm->findChild<QAbstractButton *>(QLatin1String(buttonName));
        ASSERT_NE(button, nullptr) << buttonName;
        button->click();
    }

    // Chooses the target with its category's and its own button, presses convert and
    // waits in the progress window until the run has ended.
    void ConvertTo(int target)
    {
        Click(targets::Category(targets::CategoryOfTarget(target)).buttonName);
        Click(targets::TargetButton(target).buttonName);
        ASSERT_EQ(windows_->MainForm->CurTargetType, target);
        questions_.AnswerExec([this](QDialog &dialog) {
            dialog.show();
            uploadShown_ = dialog.findChild<QWidget *>(QStringLiteral("suiCheckBox_Upload"))->isVisible();
            const int asked = questions_.Asked().size();
            EXPECT_TRUE(WaitUntil([&] { return !dialog.isVisible() || questions_.Asked().size() > asked; }, 60000))
                << "the run did not end within a minute";
            QApplication::processEvents();
            return dialog.result();
        });
        Click("suiImageButton_StartConvert");
        EXPECT_TRUE(questions_.Texts(ScriptedQuestions::Kind::Error).isEmpty());
    }

    QString TargetFolder(int target) const { return windows_->Options.outputFolder + targets::TargetFolder(target); }

    static inline QTemporaryDir *sources_ = nullptr;
    static inline QString sourceFile_;
    SettingsSandbox sandbox_;
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;
    QTemporaryDir output_;
    std::unique_ptr<ProgramWindows> windows_;
    bool uploadShown_ = false;
};

TEST_F(WindowConversionTest, ToAvi)
{
    ConvertTo(targets::TargetAVI);
    EXPECT_EQ(questions_.Texts(ScriptedQuestions::Kind::Information), QStringList{"Process Finished!"});
    EXPECT_FALSE(uploadShown_);
    const QStringList outputs = FilesIn(TargetFolder(targets::TargetAVI));
    ASSERT_EQ(outputs.size(), 1);
    const ProbedMedia media = ProbeMedia(outputs.first());
    ASSERT_TRUE(media.readable) << media.error.toStdString();
    EXPECT_TRUE(media.formatName.contains("avi")) << media.formatName.toStdString();
    EXPECT_FALSE(media.videoCodec.isEmpty());
    EXPECT_NEAR(media.durationSeconds, kClipSeconds, 0.4);
}

TEST_F(WindowConversionTest, ToPspOffersTheUpload)
{
    ConvertTo(targets::TargetPSP);
    EXPECT_TRUE(uploadShown_);
    EXPECT_EQ(questions_.Texts(ScriptedQuestions::Kind::Information),
              QStringList{"Process finished!\nYou can upload files to your PSP."});
    const QStringList outputs = FilesIn(TargetFolder(targets::TargetPSP));
    ASSERT_EQ(outputs.size(), 1);
    const ProbedMedia media = ProbeMedia(outputs.first());
    ASSERT_TRUE(media.readable) << media.error.toStdString();
    EXPECT_FALSE(media.videoCodec.isEmpty());
    EXPECT_FALSE(media.audioCodec.isEmpty());
    windows_->ProcessForm->close();
}

TEST_F(WindowConversionTest, ToAnAudioFormatOfTheMusicRow)
{
    ConvertTo(targets::TargetOGG);
    EXPECT_EQ(questions_.Texts(ScriptedQuestions::Kind::Information), QStringList{"Process Finished!"});
    const QStringList outputs = FilesIn(TargetFolder(targets::TargetOGG));
    ASSERT_EQ(outputs.size(), 1);
    const ProbedMedia media = ProbeMedia(outputs.first());
    ASSERT_TRUE(media.readable) << media.error.toStdString();
    EXPECT_TRUE(media.videoCodec.isEmpty());
    EXPECT_EQ(media.audioCodec, "vorbis");
    EXPECT_NEAR(media.durationSeconds, kClipSeconds, 0.4);
}

TEST_F(WindowConversionTest, ToADvdFolderWithThePalSettingsOfTheDvdPanel)
{
    Click("sb_DVD");
    windows_->MainForm->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_DVD_PAL"))->click();
    ConvertTo(targets::TargetDVD_Folder);
    EXPECT_EQ(questions_.Texts(ScriptedQuestions::Kind::Information), QStringList{"Process Finished!"});
    const QString dvd = TargetFolder(targets::TargetDVD_Folder) + QStringLiteral("DVD_DISC");
    ASSERT_TRUE(QFileInfo(dvd + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")).isFile());
    QProcess lsdvd;
    lsdvd.start(QStringLiteral("lsdvd"), {QStringLiteral("-v"), dvd});
    ASSERT_TRUE(lsdvd.waitForFinished(30000));
    const QByteArray listing = lsdvd.readAllStandardOutput();
    int titles = 0;
    for (const QByteArray &line : listing.split('\n'))
        titles += line.startsWith("Title: ");
    EXPECT_EQ(titles, 1) << listing.constData();
    EXPECT_TRUE(listing.contains("Format: PAL")) << listing.constData();
    const ProbedMedia vob = ProbeMedia(dvd + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB"));
    ASSERT_TRUE(vob.readable) << vob.error.toStdString();
    EXPECT_EQ(vob.videoCodec, "mpeg2video");
    EXPECT_EQ(vob.height, 576);
}

} // namespace
