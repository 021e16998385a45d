// Adding real files through the real engine library and the real media library.

#include "ClipListPanel.h"
#include "LibraryLoader.h"
#include "MediaFixtures.h"
#include "QtPrinters.h"
#include "ScriptedQuestions.h"
#include "WaitUntil.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(RealEngine, AddsRealFilesWithTheirFactsThumbnailsAndAudioRows)
{
    if (!QFile::exists(platform::ProgramFolder() + platform::MapLibraryName("Korvid.dll")))
        GTEST_SKIP() << "no engine library in " << platform::ProgramFolder().toStdString();
    QTemporaryDir folder;
    const QString mkv = fixtures::MatroskaWithTwoLanguages(folder.path() + "/Film – two languages.mkv");
    ASSERT_FALSE(mkv.isEmpty());
    const QString garbage = folder.path() + "/not a video.avi";
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();

    ScriptedQuestions questions;
    ClipListPanel panel;
    panel.environment.settingsFolder = [&folder] { return folder.path() + QLatin1Char('/'); };
    panel.environment.localeLanguage = [] { return QStringLiteral("FRENCH"); };
    questions.AnswerOpenFiles({mkv, garbage});
    panel.suiImageButton_OpenDirClick();
    ASSERT_TRUE(WaitUntil([&panel] { return !panel.Model().Busy(); }));

    ASSERT_EQ(panel.Model().Clips().size(), 1u);
    const TVideoInfo &clip = *panel.Model().Clips().front();
    EXPECT_EQ(clip.Width, 320);
    EXPECT_EQ(clip.Height, 240);
    EXPECT_FLOAT_EQ(clip.FrameRate, 25.0f);
    EXPECT_EQ(clip.ContainerKind, 2);
    EXPECT_LE(clip.Duration, 1);
    EXPECT_EQ(clip.Thumbnail.size(), QSize(240, 180));
    EXPECT_NE(clip.Thumbnail.pixelColor(10, 10), clip.Thumbnail.pixelColor(230, 170));   // a picture, not a fill
    ASSERT_EQ(clip.AudioRows.size(), 2u);
    EXPECT_EQ(static_cast<const TInfoListItem &>(*clip.AudioRows[0]).Language(), "English");
    EXPECT_EQ(static_cast<const TInfoListItem &>(*clip.AudioRows[1]).Language(), "French");
    EXPECT_TRUE(clip.AudioRows[1]->IsChecked());
    EXPECT_EQ(clip.AudioStreamID, static_cast<const TInfoListItem &>(*clip.AudioRows[1]).StreamID());
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information),
              QStringList{"Some UNSUPPORTED file(s) format can not add in. \n\n" + garbage +
                          " (cannot open or recognise the file)\n"});
}

// A pipe without a writer would block whoever opens it: it is reported as
// unsupported at once, and the window's event loop never waits for it.
TEST(RealEngine, PipeIsReportedUnsupportedWithoutBlockingTheWindow)
{
    if (!QFile::exists(platform::ProgramFolder() + platform::MapLibraryName("Korvid.dll")))
        GTEST_SKIP() << "no engine library in " << platform::ProgramFolder().toStdString();
    QTemporaryDir folder;
    const QString pipe = folder.path() + "/stream.mp4";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    ScriptedQuestions questions;
    ClipListPanel panel;
    panel.environment.settingsFolder = [&folder] { return folder.path() + QLatin1Char('/'); };
    questions.AnswerOpenFiles({pipe});
    QElapsedTimer sinceLastTick;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceLastTick.restart());
    });
    QEventLoop loop;
    QTimer::singleShot(20, [&] { panel.suiImageButton_OpenDirClick(); });
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    sinceLastTick.start();
    ticker.start();
    loop.exec();

    EXPECT_LT(longestGap, 100);
    EXPECT_TRUE(panel.Model().Clips().empty());
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information),
              QStringList{"Some UNSUPPORTED file(s) format can not add in. \n\n" + pipe + " (not a regular file)\n"});
}

// An MP3 has no picture (an album cover is none either): the row says so and shows the
// file's real audio stream, and the clip keeps no made-up size.
TEST(RealEngine, AddsAnMp3AsASoundOnlyClip)
{
    if (!QFile::exists(platform::ProgramFolder() + platform::MapLibraryName("Korvid.dll")))
        GTEST_SKIP() << "no engine library in " << platform::ProgramFolder().toStdString();
    QTemporaryDir folder;
    const QString plain = fixtures::Mp3Song(folder.path() + "/song.mp3", false);
    const QString covered = fixtures::Mp3Song(folder.path() + "/covered song.mp3", true);
    ASSERT_FALSE(plain.isEmpty() || covered.isEmpty());

    ScriptedQuestions questions;
    ClipListPanel panel;
    panel.environment.settingsFolder = [&folder] { return folder.path() + QLatin1Char('/'); };
    questions.AnswerOpenFiles({plain, covered});
    panel.suiImageButton_OpenDirClick();
    ASSERT_TRUE(WaitUntil([&panel] { return !panel.Model().Busy(); }));

    ASSERT_EQ(panel.Model().Clips().size(), 2u);
    EXPECT_TRUE(questions.Texts(ScriptedQuestions::Kind::Information).isEmpty());
    for (const auto &clip : panel.Model().Clips()) {
        SCOPED_TRACE(clip->FileName.toStdString());
        EXPECT_TRUE(clip->AudioOnly);
        EXPECT_EQ(clip->Width, 0);
        EXPECT_EQ(clip->Height, 0);
        EXPECT_TRUE(clip->InfoText.contains("Video : none (audio only)")) << clip->InfoText.toStdString();
        const auto *row = static_cast<const QWidget *>(dynamic_cast<QWidget *>(clip->Row.get()));
        ASSERT_TRUE(row);
        EXPECT_EQ(row->findChild<QLabel *>("SizeLabel")->text(), "Audio only");
        EXPECT_EQ(row->findChild<QLabel *>("FpsLabel")->text(), "");
        ASSERT_EQ(clip->AudioRows.size(), 1u);
        const auto *audio = dynamic_cast<QWidget *>(clip->AudioRows[0].get());
        EXPECT_EQ(audio->findChild<QLabel *>("AudioLangLabel")->text(), "Audio track");
        EXPECT_EQ(audio->findChild<QLabel *>("AudioCodecLabel")->text(), "Codec:MPEG Audio 1CH");
        EXPECT_EQ(audio->findChild<QLabel *>("AudioRateLabel")->text(), "44.1KHz");
        EXPECT_EQ(audio->findChild<QLabel *>("AudioBitrateLabel")->text(), "Bitrate:128.0Kb");
    }
}
