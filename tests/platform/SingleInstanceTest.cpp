#include "SingleInstance.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

using platform::SingleInstanceGuard;

namespace {

QString UniqueKey()
{
    return QStringLiteral("PelorinTest.%1.Main").arg(QCoreApplication::applicationPid());
}

int RunProbe(const QString &key)
{
    QProcess probe;
    probe.start(QStringLiteral(PROBE_PROGRAM), {key});
    if (!probe.waitForFinished(10000))
        return -1000;
    return probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -2000;
}

TEST(SingleInstance, SecondProcessFindsItselfNotFirstAndExitsWith255)
{
    const QString key = UniqueKey();
    {
        SingleInstanceGuard first(key);
        ASSERT_TRUE(first.IsFirst());
        EXPECT_EQ(RunProbe(key), 255);
        EXPECT_FALSE(SingleInstanceGuard(key).IsFirst());
    }
    EXPECT_EQ(RunProbe(key), 0) << "the guard must be free once the first copy ends";
}

TEST(SingleInstance, DifferentKeysDoNotMeet)
{
    SingleInstanceGuard first(UniqueKey());
    EXPECT_EQ(RunProbe(UniqueKey() + QStringLiteral(".Other")), 0);
}

TEST(SingleInstance, CopyThatDiedLeavesNoLockBehind)
{
    const QString key = UniqueKey() + QStringLiteral(".Killed");
    QProcess holder;
    holder.start(QStringLiteral(PROBE_PROGRAM), {key, QStringLiteral("hold")});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    EXPECT_EQ(holder.readAll().trimmed(), QByteArray("first"));
    EXPECT_FALSE(SingleInstanceGuard(key).IsFirst());
    holder.kill();
    holder.waitForFinished(10000);
    EXPECT_TRUE(SingleInstanceGuard(key).IsFirst());
}

} // namespace
