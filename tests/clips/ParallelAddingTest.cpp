// The adding pass with its probes on worker threads: the same list, report and
// frame-rate questions as one probe after the other, Cancel, and a window thread
// that goes on answering while slow probes run.

#include "AddingPass.h"
#include "ClipListFixture.h"
#include "FrameRateChoice.h"
#include "QtPrinters.h"
#include "WaitUntil.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {

// Answers "the first rate" and notes the question among the pass's other events.
class NotedQuestion : public FrameRateQuestion {
public:
    explicit NotedQuestion(QStringList &events) : events_(events) {}
    FrameRateAnswer Ask(const QString &fileName, float, float) override
    {
        events_ << "asked " + QFileInfo(fileName).fileName();
        return {false, true};
    }

private:
    QStringList &events_;
};

struct PassResult {
    QStringList events;   // clips, rejections and questions in the order they happened
    QStringList report;
    QList<QRgb> thumbnailColours;
    qint64 milliseconds = 0;
};

} // namespace

class ParallelAdding : public ClipListFixture {
protected:
    // Copies of a 25 fps file, each with its own picture, that the engine reads as 25 fps.
    QStringList ReadableFiles(int count)
    {
        QStringList files;
        for (int index = 0; index < count; ++index) {
            const QString copy = QStringLiteral("%1/copy %2.mp4").arg(folder.path()).arg(index);
            QFile::copy(oneAudioMp4, copy);
            engine->SetProbe(copy, TestEngine::VideoInfo(60, 25.0f, 320, 240));
            engine->SetPicture(copy, 0x100000u * static_cast<uint32_t>(index + 1), 0x0000FF);
            files << copy;
        }
        return files;
    }

    // Readable files, every third of which the engine reads as 29.97 fps (a question),
    // one the engine cannot read, and one missing file.
    QStringList MixedFiles(int count)
    {
        QStringList files = ReadableFiles(count);
        for (int index = 0; index < count; index += 3)
            engine->SetProbe(files[index], TestEngine::VideoInfo(60, 29.97f, 320, 240));
        engine->SetProbe(files[4], EngineFileInfo{}, -1);
        files.insert(2, folder.path() + "/missing.mp4");
        return files;
    }

    PassResult RunPass(const QStringList &files, int workers)
    {
        PassResult result;
        NotedQuestion question(result.events);
        ClipProbeServices services;
        services.frameRateQuestion = &question;
        services.settingsFolder = settings.path() + QLatin1Char('/');
        std::vector<std::unique_ptr<TVideoInfo>> clips;
        AddingPass pass(files, services, [&](std::unique_ptr<TVideoInfo> clip) {
            result.events << "clip " + QFileInfo(clip->FileName).fileName();
            result.thumbnailColours << clip->Thumbnail.pixel(1, 1);
            clips.push_back(std::move(clip));
        });
        QObject::connect(&pass, &AddingPass::FileRejected, [&result](const QString &file, const QString &) {
            result.events << "rejected " + QFileInfo(file).fileName();
        });
        pass.SetWorkerCount(workers);
        QElapsedTimer clock;
        clock.start();
        pass.Start();
        pass.WaitForEnd();
        result.milliseconds = clock.elapsed();
        result.report = pass.Rejected();
        return result;
    }

    QTemporaryDir folder;
};

TEST_F(ParallelAdding, FourWorkersGiveTheListReportAndQuestionsOfOne)
{
    const QStringList files = MixedFiles(8);
    engine->SetEntryDelay("X_GetFileinfo_GetPic", 60);
    const PassResult serial = RunPass(files, 1);
    const PassResult parallel = RunPass(files, 4);

    EXPECT_EQ(parallel.events, serial.events);
    EXPECT_EQ(parallel.report, serial.report);
    EXPECT_EQ(parallel.thumbnailColours, serial.thumbnailColours) << "each clip shows its own file's picture";
    EXPECT_EQ(serial.events.filter("clip ").size(), 7);
    EXPECT_EQ(serial.events.filter("asked ").size(), 3);
    EXPECT_EQ(serial.report.size(), 2);
    EXPECT_EQ(QSet<QRgb>(serial.thumbnailColours.cbegin(), serial.thumbnailColours.cend()).size(), 7);
    // The same events as a serial pass, in a fraction of its time.
    EXPECT_LT(parallel.milliseconds * 10, serial.milliseconds * 7) << parallel.milliseconds << " against " << serial.milliseconds;
}

TEST_F(ParallelAdding, CancelKeepsTheClipsProbedSoFar)
{
    const QStringList files = ReadableFiles(5);
    engine->SetEntryDelay("X_GetFileinfo_GetPic", 150);
    ClipProbeServices services;
    services.settingsFolder = settings.path() + QLatin1Char('/');
    QStringList taken;
    AddingPass pass(files, services, [&taken](std::unique_ptr<TVideoInfo> clip) { taken << clip->FileName; });
    pass.SetWorkerCount(2);
    QObject::connect(&pass, &AddingPass::Progress, &pass, [&pass](int done, int) {
        if (done >= 1)
            pass.Cancel();
    });
    pass.Start();
    pass.WaitForEnd();

    EXPECT_TRUE(pass.WasCancelled());
    ASSERT_GE(taken.size(), 1);
    EXPECT_LT(taken.size(), files.size() - 1);
    for (qsizetype index = 1; index < taken.size(); ++index)
        EXPECT_LT(files.indexOf(taken[index - 1]), files.indexOf(taken[index])) << "list order";
    EXPECT_TRUE(pass.Rejected().isEmpty()) << "files left out are not reported";
    const qsizetype kept = taken.size();
    QTest::qWait(400);   // the probes still running finish and are dropped
    EXPECT_EQ(taken.size(), kept);
}

TEST_F(ParallelAdding, TheWindowAnswersWhileSlowProbesRunAndCancelEndsThePass)
{
    const QStringList files = ReadableFiles(5);
    engine->SetEntryDelay("X_GetFileinfo_GetPic", 300);
    questions->AnswerOpenFiles(files);
    QElapsedTimer sinceLastTick;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceLastTick.restart()); });
    sinceLastTick.start();
    ticker.start();
    panel->suiImageButton_OpenDirClick();
    ASSERT_TRUE(panel->Model().Busy());
    ASSERT_TRUE(WaitUntil([this] { return panel->Model().Count() >= 1 || !panel->Model().Busy(); }));
    panel->findChild<QAbstractButton *>("Button_CancelAdding")->click();
    ASSERT_TRUE(WaitUntil([this] { return !panel->Model().Busy(); }));
    ticker.stop();

    EXPECT_LT(longestGap, 100);
    EXPECT_GE(panel->Model().Count(), 1);
    EXPECT_LT(panel->Model().Count(), files.size());
    EXPECT_FALSE(panel->findChild<QWidget *>("Panel_AddProgress")->isVisible());
    EXPECT_EQ(panel->Model().Current(), panel->Model().At(0)) << "the first clip is selected as after any pass";
}
