// A second copy of the real program refuses to start while the first one runs,
// and hands the files it was given to the first.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "FileHandOver.h"
#include "LibraryLoader.h"
#include "MediaFixtures.h"
#include "ProductTexts.h"
#include "SingleInstance.h"

#include <QSignalSpy>

namespace {

class ProgramCopies : public ::testing::Test {
protected:
    void SetUp() override
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", home_.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", home_.filePath("runtime"));
        environment.insert("HOME", home_.path());
        QDir().mkpath(home_.filePath("runtime"));
        QFile::setPermissions(home_.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // This process meets the copies on the same per-user socket and lock.
        savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", home_.filePath("runtime").toLocal8Bit());
        for (QProcess *copy : {&first_, &second_}) {
            copy->setProcessEnvironment(environment);
            copy->setProgram(platform::ProgramFolder() + "PelorinVideoConverter");
        }
    }

    void TearDown() override
    {
        first_.kill();
        first_.waitForFinished(5000);
        qputenv("XDG_RUNTIME_DIR", savedRuntime_);
    }

    QString SettingsFile(const char *name) const
    {
        return home_.filePath(QStringLiteral("config/Pelorin/Pelorin Video Converter/") + QLatin1String(name));
    }

    // The engine writes the thumbnail "2.bmp" into the settings folder for each file it adds.
    bool WaitForThumbnail()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000 && first_.state() == QProcess::Running) {
            if (QFileInfo(SettingsFile("2.bmp")).size() > 0)
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    // The first copy has taken the guard once it has made its settings folder.
    bool WaitUntilFirstCopyRuns()
    {
        QElapsedTimer clock;
        clock.start();
        const QString settings = home_.filePath("config/Pelorin/Pelorin Video Converter");
        while (clock.elapsed() < 20000 && first_.state() == QProcess::Running) {
            if (QDir(settings).exists())
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    QByteArray savedRuntime_;
    QTemporaryDir home_;
    QProcess first_;
    QProcess second_;
};

TEST_F(ProgramCopies, SecondCopyEndsWithStatus255AndShowsNothing)
{
    first_.start();
    ASSERT_TRUE(first_.waitForStarted(10000));
    ASSERT_TRUE(WaitUntilFirstCopyRuns()) << first_.readAllStandardError().constData();

    second_.start();
    ASSERT_TRUE(second_.waitForFinished(20000));
    EXPECT_EQ(second_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second_.exitCode(), 255);
    EXPECT_EQ(first_.state(), QProcess::Running);
}

TEST_F(ProgramCopies, TheFirstCopyStartsAgainAfterTheOtherEnded)
{
    first_.start();
    ASSERT_TRUE(first_.waitForStarted(10000));
    ASSERT_TRUE(WaitUntilFirstCopyRuns());
    first_.kill();
    first_.waitForFinished(5000);

    second_.start();
    ASSERT_TRUE(second_.waitForStarted(10000));
    EXPECT_FALSE(second_.waitForFinished(3000)) << "exit code " << second_.exitCode();
    second_.kill();
    second_.waitForFinished(5000);
}

// The test holds the guard as a running copy would; the real program is the second copy.
TEST_F(ProgramCopies, SecondCopyHandsItsFilesOverAsAbsolutePaths)
{
    platform::SingleInstanceGuard guard(kInternalWindowName);
    ASSERT_TRUE(guard.IsFirst());
    platform::FileHandOverServer server(kInternalWindowName);
    ASSERT_TRUE(server.IsListening());
    QSignalSpy handedOver(&server, &platform::FileHandOverServer::FilesHandedOver);

    second_.setWorkingDirectory(home_.path());
    second_.setArguments({"b.mp4", home_.filePath("c d.mkv")});
    second_.start();
    ASSERT_TRUE(handedOver.wait(20000));
    EXPECT_EQ(handedOver.first().first().toStringList(), QStringList({home_.filePath("b.mp4"), home_.filePath("c d.mkv")}));
    ASSERT_TRUE(second_.waitForFinished(20000));
    EXPECT_EQ(second_.exitCode(), 255);

    second_.setArguments({});
    second_.start();   // without files: only "come to the front"
    ASSERT_TRUE(handedOver.wait(20000));
    EXPECT_EQ(handedOver.last().first().toStringList(), QStringList());
    ASSERT_TRUE(second_.waitForFinished(20000));
}

// Both copies real: the first adds a clip from its command line, then the one a second copy gives it.
TEST_F(ProgramCopies, FirstCopyAddsItsOwnFilesAndThoseOfASecondCopy)
{
    const QString a = fixtures::VideoOnly(home_.filePath("a.mp4"), "160x120");
    const QString b = fixtures::VideoOnly(home_.filePath("b.mp4"), "160x120");
    ASSERT_FALSE(a.isEmpty() || b.isEmpty());
    // A socket file left by a copy that crashed does not stand in the way.
    QFile stale(platform::PerUserRuntimePath(kInternalWindowName, ".socket"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    first_.setWorkingDirectory(home_.path());
    first_.setArguments({"a.mp4"});
    first_.start();
    ASSERT_TRUE(first_.waitForStarted(10000));
    ASSERT_TRUE(WaitForThumbnail()) << first_.readAllStandardError().constData();
    QThread::msleep(300);   // the pass ends after the thumbnail
    QFile::remove(SettingsFile("2.bmp"));

    second_.setArguments({b});
    second_.start();
    ASSERT_TRUE(second_.waitForFinished(20000));
    EXPECT_EQ(second_.exitCode(), 255);
    EXPECT_TRUE(WaitForThumbnail()) << "the handed-over file was not added";
    EXPECT_EQ(first_.state(), QProcess::Running);
}

} // namespace
