// A second copy of the real program refuses to start while the first one runs.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "LibraryLoader.h"

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
        for (QProcess *copy : {&first_, &second_}) {
            copy->setProcessEnvironment(environment);
            copy->setProgram(platform::ProgramFolder() + "PelorinVideoConverter");
        }
    }

    void TearDown() override
    {
        first_.kill();
        first_.waitForFinished(5000);
    }

    // The first copy has taken the guard once it has made its settings folder.
    bool waitUntilFirstCopyRuns()
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

    QTemporaryDir home_;
    QProcess first_;
    QProcess second_;
};

TEST_F(ProgramCopies, SecondCopyEndsWithStatus255AndShowsNothing)
{
    first_.start();
    ASSERT_TRUE(first_.waitForStarted(10000));
    ASSERT_TRUE(waitUntilFirstCopyRuns()) << first_.readAllStandardError().constData();

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
    ASSERT_TRUE(waitUntilFirstCopyRuns());
    first_.kill();
    first_.waitForFinished(5000);

    second_.start();
    ASSERT_TRUE(second_.waitForStarted(10000));
    EXPECT_FALSE(second_.waitForFinished(3000)) << "exit code " << second_.exitCode();
    second_.kill();
    second_.waitForFinished(5000);
}

} // namespace
