// Files from outside the add-files dialog: dropped on the main window, given on
// the command line, handed over while the list cannot take them yet.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>

#include "ClipListPanel.h"
#include "FileOpener.h"
#include "ProgramParts.h"
#include "RecordingDesktop.h"
#include "WaitUntil.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "TestEngine.h"
#include "forms/ProgramWindows.h"

namespace {

class FileOpenerTest : public ::testing::Test {
protected:
    FileOpenerTest()
    {
        AttachProgramParts(windows);
        windows.MainForm->show();
        QApplication::processEvents();
        clipList = windows.MainForm->findChild<ClipListPanel *>();
        opener = windows.MainForm->findChild<FileOpener *>();
    }

    // An empty file the test engine accepts (or, with `accepted` false, rejects).
    QString Clip(const QString &relativePath, bool accepted = true)
    {
        const QString path = media.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        if (accepted)
            engine.SetProbe(path, TestEngine::VideoInfo(30, 25.0f, 320, 240));
        return path;
    }

    // Drags the paths over the clip list and drops them, as a file manager would;
    // true when the window took the drag.
    bool Drop(const QStringList &paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        const QPoint point = clipList->mapTo(windows.MainForm.get(), clipList->rect().center());
        QWidget *under = windows.MainForm->childAt(point);
        QWidget *receiver = under ? under : windows.MainForm.get();
        const QPoint local = receiver->mapFrom(windows.MainForm.get(), point);
        QDragEnterEvent enter(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(receiver, &enter);
        QDropEvent dropped(QPointF(local), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(receiver, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    }

    QStringList Listed() const
    {
        QStringList files;
        for (const auto &clip : clipList->Model().Clips())
            files << clip->FileName;
        return files;
    }

    SettingsSandbox sandbox;
    TestEngine engine;
    ScriptedQuestions questions;
    RecordingDesktop desktop;
    QTemporaryDir media;
    ProgramWindows windows{sandbox.ProgramFolder()};
    ClipListPanel *clipList = nullptr;
    FileOpener *opener = nullptr;
};

TEST_F(FileOpenerTest, DroppedFilesAndFolderGoThroughTheAddingPass)
{
    const QString single = Clip("single.mp4");
    const QString unknown = Clip("unknown.avi", false);
    const QString first = Clip("holiday/A beach.mov");
    const QString second = Clip("holiday/b dinner.mkv");
    Clip("holiday/notes.txt");
    Clip("holiday/more/c deeper.avi");

    ASSERT_TRUE(Drop({single, unknown, media.filePath("holiday")}));
    ASSERT_TRUE(WaitUntil([this] { return Listed().size() == 3 && !clipList->Model().Busy(); }));
    EXPECT_EQ(Listed(), QStringList({single, first, second}));
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information),
              QStringList{"Some UNSUPPORTED file(s) format can not add in. \n\n" + unknown + " (the engine cannot read it)\n"});
    EXPECT_EQ(clipList->Model().Current(), clipList->Model().Clips().front().get()) << "the first row is selected";
}

TEST_F(FileOpenerTest, ADropIsRefusedWhileTheListIsBusyOrARunIsShown)
{
    const QString file = Clip("refused.mp4");
    const std::vector<std::pair<const char *, std::function<void(bool)>>> states{
        {"adding", [this](bool on) { clipList->Model().SetBusy(on); }},
        {"converting", [this](bool on) { windows.ProcessForm->setVisible(on); }},
    };
    for (const auto &[name, set] : states) {
        set(true);
        EXPECT_FALSE(Drop({file})) << name;
        QApplication::processEvents();
        set(false);
        EXPECT_TRUE(Listed().isEmpty()) << name;
    }
    EXPECT_FALSE(Drop({})) << "a drag without local files";
    ASSERT_TRUE(Drop({file}));
    EXPECT_TRUE(WaitUntil([this] { return Listed().size() == 1; }));
}

// Given files (command line, second copy) wait while the list adds or a run goes on.
TEST_F(FileOpenerTest, GivenFilesWaitUntilTheListIsFree)
{
    const QString file = Clip("later.mp4");
    windows.ProcessForm->show();
    opener->Open({file});
    for (int round = 0; round < 20; ++round)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(Listed().isEmpty());
    windows.ProcessForm->hide();
    EXPECT_TRUE(WaitUntil([&] { return Listed() == QStringList{file}; }));
}

TEST(FileArguments, TakesFilesAndLeavesQtOptionsOut)
{
    const struct {
        QStringList arguments;
        QStringList files;
    } cases[] = {
        {{"prog"}, {}},
        {{"prog", "a.mp4", "/videos/b c.avi"}, {"a.mp4", "/videos/b c.avi"}},
        {{"prog", "-platform", "offscreen", "a.mp4", "-reverse"}, {"a.mp4"}},
        {{"prog", "--", "-dash.mp4"}, {"-dash.mp4"}},
        {{"prog", "file:///videos/d%20e.mkv"}, {"/videos/d e.mkv"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileArguments(c.arguments), c.files) << c.arguments.join(' ').toStdString();
}

} // namespace
