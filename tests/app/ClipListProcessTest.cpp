// The clip list outlives a program killed without warning: a session adds clips,
// trims one and picks its other audio track, is killed with SIGKILL as soon as it
// waits again, and the next start shows the same list.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "ClipListStore.h"
#include "ClipListStorePrinters.h"
#include "MediaFixtures.h"

namespace {

class ClipListProcess : public ::testing::Test {
protected:
    ClipListProcess()
    {
        QDir().mkpath(home_.filePath("runtime"));
        QFile::setPermissions(home_.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment_.insert("QT_QPA_PLATFORM", "offscreen");
        environment_.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        environment_.insert("XDG_RUNTIME_DIR", home_.filePath("runtime"));
        environment_.insert("HOME", home_.path());
    }

    void start(QProcess &session, const QStringList &arguments)
    {
        session.setProcessEnvironment(environment_);
        session.start(QStringLiteral(CLIP_LIST_SESSION), arguments);
        ASSERT_TRUE(session.waitForStarted(10000));
    }

    QTemporaryDir home_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
};

TEST_F(ClipListProcess, AListEditedJustBeforeTheProgramIsKilledComesBackAtTheNextStart)
{
    const QString a = fixtures::Mp4WithTwoAudioTracks(home_.filePath("a.mp4"));
    ASSERT_FALSE(a.isEmpty());
    const QString b = home_.filePath("b c.mp4");
    ASSERT_TRUE(QFile::copy(a, b));

    QProcess editing;
    start(editing, {"edit", a, b});
    QByteArray out;
    while (!out.contains("edited\n") && editing.waitForReadyRead(60000))
        out += editing.readAllStandardOutput();
    ASSERT_TRUE(out.contains("edited\n")) << editing.readAllStandardError().toStdString();
    editing.kill();   // SIGKILL: no clean-up, no quitting signal
    ASSERT_TRUE(editing.waitForFinished(10000));
    EXPECT_EQ(editing.exitStatus(), QProcess::CrashExit);

    QProcess next;
    start(next, {"report", a, b});
    ASSERT_TRUE(next.waitForFinished(60000));
    ASSERT_EQ(next.exitCode(), 0) << next.readAllStandardError().toStdString();
    const QByteArray report = next.readAllStandardOutput();
    const qsizetype listEnd = report.lastIndexOf('}') + 1;
    QString whyNot;
    const std::optional<StoredClipList> shown = ClipListStore::Decode(report.left(listEnd), &whyNot);
    ASSERT_TRUE(shown) << whyNot.toStdString() << "\n" << report.toStdString();
    ASSERT_EQ(shown->clips.size(), 2u);
    EXPECT_EQ(shown->clips[0], (StoredClip{a, true, 12, 60, 1, 0, 25.0f}));
    EXPECT_EQ(shown->clips[1], (StoredClip{b, true, 0, 60, 0, 0, 25.0f}));
    EXPECT_EQ(shown->currentIndex, 0);
    EXPECT_EQ(report.mid(listEnd).trimmed(), QByteArray()) << "no message at the start";
}

} // namespace
