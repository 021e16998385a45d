// The rules that let a user follow and trust a run: the whole run's standing, the
// check of a converted file, the stall watch and the run log.

#include "OutputCheck.h"
#include "RunLog.h"
#include "RunStanding.h"
#include "StallWatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace conversion;

TEST(RunStanding, WeighsEachClipByItsLength)
{
    struct Case {
        QList<int> lengths;
        int clip;
        double doneInClip;
        double elapsed;
        int percent;
        std::optional<int> remaining;
        const char *clipOfClips;
    };
    const Case cases[] = {
        {{60, 240}, 0, 30, 10, 10, 90, "clip 1 of 2"},      // a tenth of the run in 10 s
        {{60, 240}, 1, 0, 20, 20, 80, "clip 2 of 2"},       // the short clip done
        {{60, 240}, 1, 240, 100, 100, 0, "clip 2 of 2"},
        {{60, 240}, 1, 999, 100, 100, 0, "clip 2 of 2"},    // an engine running past the end
        {{100}, 0, 0.5, 3, 0, std::nullopt, "clip 1 of 1"}, // too little done to guess
        {{0, 0}, 1, 0, 5, 50, 5, "clip 2 of 2"},            // unknown lengths count a second each
        {{10, 10}, 7, 5, 15, 75, 5, "clip 2 of 2"},         // an index past the end is the last clip
    };
    for (const Case &c : cases) {
        const RunStanding standing = RunStandingOf(c.lengths, c.clip, c.doneInClip, c.elapsed);
        EXPECT_EQ(standing.percent, c.percent) << c.clipOfClips << " " << c.doneInClip;
        EXPECT_EQ(standing.remainingSeconds, c.remaining) << c.clipOfClips << " " << c.doneInClip;
        EXPECT_EQ(standing.clipOfClips, QString::fromLatin1(c.clipOfClips));
    }
    EXPECT_EQ(RunStandingOf({}, 0, 0, 0).percent, 0);

    EXPECT_EQ(RunStandingText(RunStandingOf({60, 240}, 1, 0, 20)), QStringLiteral("clip 2 of 2, 20 % of the run, 00:01:20 left"));
    EXPECT_EQ(RunStandingText(RunStandingOf({100}, 0, 0.5, 3)), QStringLiteral("clip 1 of 1, 0 % of the run"));
}

TEST(OutputCheck, ShortOrIncompleteFilesGiveTheirReason)
{
    struct Case {
        OutputStreams expected;
        OutputStreams found;
        std::optional<QString> reason;
    };
    const Case cases[] = {
        {{95, true, true}, {95, true, true}, std::nullopt},
        {{95, true, true}, {93.2, true, true}, std::nullopt},      // within 2 %
        {{95, true, true}, {92.9, true, true}, QStringLiteral("the output holds 92 s of 95 s")},
        {{95, true, true}, {12.4, true, true}, QStringLiteral("the output holds 12 s of 95 s")},
        {{10, true, true}, {9.1, true, true}, std::nullopt},       // short clips may lose a second
        {{10, true, true}, {8.9, true, true}, QStringLiteral("the output holds 8 s of 10 s")},
        {{95, true, true}, {95, false, true}, QStringLiteral("the output has no video stream")},
        {{95, true, true}, {95, true, false}, QStringLiteral("the output has no audio stream")},
        {{95, false, true}, {95, false, true}, std::nullopt},      // a music target asks no video
        {{0, true, false}, {3, true, false}, std::nullopt},        // unknown length: streams only
        {{95, true, true}, {-1, true, true}, QStringLiteral("the output holds 0 s of 95 s")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(OutputShortfall(c.expected, c.found), c.reason) << c.found.seconds;
}

TEST(StallWatch, StallsOnlyAfterTheTimeoutWithoutProgress)
{
    StallWatch watch(60);
    EXPECT_FALSE(watch.Stalled(0, 0));
    EXPECT_FALSE(watch.Stalled(5, 30'000));
    EXPECT_FALSE(watch.Stalled(5, 89'999));        // 59.999 s since the last move
    EXPECT_TRUE(watch.Stalled(5, 90'000));
    EXPECT_TRUE(watch.Stalled(4, 95'000));         // going back is no progress
    EXPECT_FALSE(watch.Stalled(6, 96'000));        // moving again starts the timeout anew

    StallWatch never(0);
    EXPECT_FALSE(never.Stalled(1, 0));
    EXPECT_FALSE(never.Stalled(1, 10'000'000));
    EXPECT_EQ(StallReason(3723), QStringLiteral("the engine stopped making progress at 01:02:03"));
}

namespace {

QString ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(RunLog, AppendsTheRunToTodaysFileAndDropsOldOnes)
{
    QTemporaryDir settings;
    QDateTime now(QDate(2026, 12, 10), QTime(21, 55, 3));
    RunLog log(settings.path(), [&] { return now; });
    const QDir logs(settings.filePath(QStringLiteral("logs")));
    ASSERT_TRUE(QDir().mkpath(logs.path()));
    for (const char *name : {"2026-11-10.log", "2026-11-11.log", "notes.txt"})
        QFile(logs.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);

    log.RunStarted(QStringLiteral("iPod"), 2, QStringLiteral("/out/"));
    log.ClipEnded({1, QStringLiteral("/in/a b.mp4"), QStringLiteral("/out/a b.mp4"), QStringLiteral("X_Convert_iPod(...)"),
                   QStringLiteral("converted"), {}, 20, 60});
    now = now.addSecs(30);
    log.ClipEnded({2, QStringLiteral("/in/c.avi"), QStringLiteral("/out/c.mp4"), QStringLiteral("X_Convert_iPod(...)"),
                   QStringLiteral("failed"), QStringLiteral("no video stream"), 0, 0});
    log.RunEnded(1, 1, false);

    EXPECT_EQ(log.FilePath(), logs.filePath(QStringLiteral("2026-12-10.log")));
    EXPECT_EQ(ReadAll(log.FilePath()),
              QStringLiteral("21:55:03 run started: target iPod, 2 clip(s), output folder /out/\n"
                             "21:55:03 clip 1: source /in/a b.mp4\n"
                             "21:55:03 clip 1: output /out/a b.mp4\n"
                             "21:55:03 clip 1: engine X_Convert_iPod(...)\n"
                             "21:55:03 clip 1: converted in 20.0 s, speed 3.00x\n"
                             "21:55:33 clip 2: source /in/c.avi\n"
                             "21:55:33 clip 2: output /out/c.mp4\n"
                             "21:55:33 clip 2: engine X_Convert_iPod(...)\n"
                             "21:55:33 clip 2: failed (no video stream) in 0.0 s, speed -\n"
                             "21:55:33 run ended: 1 converted, 1 failed\n"));
    // Thirty days are kept: 11 November is the oldest day left on 10 December.
    EXPECT_FALSE(logs.exists(QStringLiteral("2026-11-10.log")));
    EXPECT_TRUE(logs.exists(QStringLiteral("2026-11-11.log")));
    EXPECT_TRUE(logs.exists(QStringLiteral("notes.txt")));
}

TEST(RunLog, AnUnwritableFolderLosesTheLogButNotTheRun)
{
    QTemporaryDir settings;
    QFile blocker(settings.filePath(QStringLiteral("logs")));   // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RunLog log(settings.path());
    log.RunStarted(QStringLiteral("AVI"), 1, QStringLiteral("/out/"));
    log.RunEnded(0, 0, true);
    EXPECT_FALSE(QFile::exists(log.FilePath()));
}
