// The main window keeps its clip list: a start puts the kept list back (leaving out
// files that are gone) before the given files, and the list's edits reach the kept
// file at the next turn of the event loop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "ClipListPanel.h"
#include "ClipListStore.h"
#include "ClipListStorePrinters.h"
#include "MediaFixtures.h"
#include "ProgramParts.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "TestEngine.h"
#include "forms/ProgramWindows.h"

namespace {

class ClipListRestoreTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        media = new QTemporaryDir;
        twoAudioTracks = fixtures::Mp4WithTwoAudioTracks(media->filePath("two audio tracks.mp4"));
    }
    static void TearDownTestSuite() { delete media; }

    ClipListRestoreTest()
    {
        parts = AttachProgramParts(windows);
        windows.MainForm->show();
        QApplication::processEvents();
        clipList = parts.clipList;
    }

    // A copy of the two-track file (25 frames a second) that the engine's probe reads
    // as a minute long.
    QString Clip(const QString &name, float engineFrameRate = 25.0f)
    {
        const QString path = files.filePath(name);
        EXPECT_TRUE(QFile::copy(twoAudioTracks, path));
        engine.SetProbe(path, TestEngine::VideoInfo(60, engineFrameRate, 320, 240));
        return path;
    }

    ClipListStore Store() const { return ClipListStore(sandbox.SettingsFolder()); }

    QStringList Listed() const
    {
        QStringList names;
        for (const auto &clip : clipList->Model().Clips())
            names << clip->FileName;
        return names;
    }

    QLineEdit *Edit(const char *name) const { return windows.MainForm->findChild<QLineEdit *>(name); }

    static inline QTemporaryDir *media = nullptr;
    static inline QString twoAudioTracks;

    SettingsSandbox sandbox;
    TestEngine engine;
    ScriptedQuestions questions;
    RecordingDesktop desktop;
    QTemporaryDir files;
    ProgramWindows windows{sandbox.ProgramFolder()};
    ProgramParts parts;
    ClipListPanel *clipList = nullptr;
};

TEST_F(ClipListRestoreTest, AStartPutsTheKeptListBackBeforeTheGivenFilesAndNamesTheGoneOnesOnce)
{
    ASSERT_FALSE(twoAudioTracks.isEmpty());
    // a's two probes disagree: the user chose the engine's rate when it was first added.
    const QString a = Clip("a.mp4", 29.97f), b = Clip("b.mp4"), given = Clip("given.mp4");
    const QString gone = files.filePath("gone.mp4");
    StoredClipList kept;
    kept.clips = {{a, true, 10, 50, 1, 0, 29.97f}, {gone, true, 0, 60, 0, 0, 25.0f}, {b, false, 0, 60, 0, 1, 25.0f}};
    kept.currentIndex = 2;
    ASSERT_TRUE(Store().Write(kept));

    OpenStartFiles(parts, {given});
    ASSERT_TRUE(QTest::qWaitFor([this] { return Listed().size() == 3; }, 10000)) << Listed().join(", ").toStdString();
    EXPECT_EQ(Listed(), QStringList({a, b, given}));
    const TVideoInfo &first = *clipList->Model().Clips()[0];
    EXPECT_EQ(std::tuple(first.StartTime, first.EndTime, first.Checked), std::tuple(10, 50, true));
    ASSERT_EQ(first.AudioRows.size(), 2u);
    EXPECT_TRUE(first.AudioRows[1]->IsChecked());
    EXPECT_EQ(first.FrameRate, 29.97f);
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Exec), QStringList()) << "the frame rate was asked again";
    const TVideoInfo &second = *clipList->Model().Clips()[1];
    EXPECT_FALSE(second.Checked);
    EXPECT_EQ(second.SubtitleIndex, 1);
    EXPECT_EQ(clipList->Model().Current(), &second);
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information),
              QStringList{"These files of the last session's clip list no longer exist and were left out:\n\n" + gone});

    // The kept list now holds what the window shows, the gone file no more.
    QApplication::processEvents();
    const StoredClipList now = Store().Read().list;
    ASSERT_EQ(now.clips.size(), 3u);
    EXPECT_EQ(now.clips[0], kept.clips[0]);
    EXPECT_EQ(now.clips[1], kept.clips[2]);
    EXPECT_EQ(now.clips[2].fileName, given);
    EXPECT_EQ(now.currentIndex, 1);
}

TEST_F(ClipListRestoreTest, TrimAudioAndRemovalReachTheKeptListAtTheNextTurnOfTheLoop)
{
    const QString a = Clip("a.mp4"), b = Clip("b.mp4");
    OpenStartFiles(parts, {a, b});
    ASSERT_TRUE(QTest::qWaitFor([this] { return Listed().size() == 2; }, 10000));
    QApplication::processEvents();

    QLineEdit *start = Edit("suiEdit_Start");
    start->selectAll();
    QTest::keyClicks(start, "000012");
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(start, &leaving);
    auto *audioRow = static_cast<TInfoListItem *>(clipList->Model().Clips()[0]->AudioRows[1].get());
    QTest::mouseClick(audioRow->findChild<QLabel *>("CheckImage"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(Store().Read().list.clips.at(0), (StoredClip{a, true, 12, 60, 1, 0, 25.0f}));

    clipList->RemoveSelectedClips();
    QApplication::processEvents();
    const StoredClipList now = Store().Read().list;
    ASSERT_EQ(now.clips.size(), 1u);
    EXPECT_EQ(now.clips[0].fileName, b);
}

TEST_F(ClipListRestoreTest, AKeptListThatCannotBeReadStartsAnEmptyListAndIsKeptAside)
{
    sandbox.WriteSettingsFile("ClipList.json", "{\"format\": \"Pelorin clip list\", \"vers");
    OpenStartFiles(parts, {});
    QApplication::processEvents();
    EXPECT_TRUE(clipList->Model().Clips().empty());
    const QStringList told = questions.Texts(ScriptedQuestions::Kind::Information);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith("The clip list of the last session could not be read (not readable JSON"))
        << told[0].toStdString();
    const QString keptAs = told[0].section("The file is kept as ", 1).chopped(1);
    QFile kept(keptAs);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << keptAs.toStdString();
    EXPECT_EQ(kept.readAll(), "{\"format\": \"Pelorin clip list\", \"vers");
    EXPECT_EQ(Store().Read().problem, QString()) << "a new, empty list replaces it";
}

} // namespace
