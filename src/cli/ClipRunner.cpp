#include "ClipRunner.h"

#include "AddingReport.h"
#include "ClipJob.h"
#include "ConversionRun.h"
#include "ProgressFigures.h"
#include "RunStanding.h"
#include "StopSignal.h"
#include "TargetCatalogue.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <thread>

namespace cli {
namespace {

using namespace conversion;

// The engine posts its messages to a window; the command line has none to update.
KorvidWindow QuietWindow{[](KorvidWindow *, uint32_t, uintptr_t, intptr_t) {}};

constexpr auto TickInterval = std::chrono::milliseconds(500);

int ClipCount(const ClipLookup &clipAt)
{
    int count = 0;
    while (clipAt(count))
        ++count;
    return count;
}

QString AuthoringFailure(int result)
{
    switch (result) {
    case DvdLibraryUnavailable: return QStringLiteral("the authoring library cannot be loaded");
    case DvdTitleFileMissing: return QStringLiteral("a converted file is gone");
    default: return QStringLiteral("the authoring library reported a failure");
    }
}

// One run: the worker converts, the calling thread watches.
class Runner {
public:
    Runner(const RunSettings &settings, const ClipLookup &clipAt, RunReport &report)
        : settings_(settings), clipAt_(clipAt), report_(report), clipCount_(ClipCount(clipAt))
    {
        for (int index = 0; index < clipCount_; ++index)
            lengths_ << ShownLengthOf(*clipAt_(index));
        ProgressHooks hooks;
        hooks.clipPrepared = [this](int index) { ClipPrepared(index); };
        run_ = std::make_unique<ConversionRun>(&QuietWindow, hooks);
    }

    RunSummary Run()
    {
        runClock_.start();
        run_->Start(settings_, clipAt_);
        std::thread worker([this] {
            ConvertAll();
            if (settings_.target == targets::TargetDVD_Folder)
                AuthorIfWhole();
            const std::lock_guard lock(doneMutex_);
            done_ = true;
            doneChanged_.notify_all();
        });
        Watch();
        worker.join();
        summary_.interrupted = stop_.Requested();
        summary_.exitStatus = ExitStatusOf(summary_);
        return summary_;
    }

private:
    void ClipPrepared(int index)
    {
        clipStartMs_ = runClock_.elapsed();
        clipIndex_ = index;
        const ConvertJob &job = run_->Job();
        report_.ClipStarted(Place(index), job.SourceFile, job.TargetFile);
    }

    ClipPlace Place(int index) const { return {index + 1, clipCount_}; }

    // Worker thread. No new clip starts after an interrupt.
    void ConvertAll()
    {
        run_->RunFolderStep();
        for (int index = 0; index < clipCount_ && !stop_.Requested(); ++index) {
            const int result = run_->ConvertClip(index);
            if (result == RunComplete)
                break;
            if (result == EngineUnavailable) {
                for (int rest = index; rest < clipCount_; ++rest)
                    Failed(rest, clipAt_(rest)->fileName, QStringLiteral("the engine library cannot be loaded"));
                break;
            }
            ClipEnded(index, result);
        }
        run_->Finish(stop_.Requested());
    }

    void ClipEnded(int index, int result)
    {
        const ConvertJob &job = run_->Job();
        if (result != 0) {
            const QString reason = result == ClipFailed ? run_->FailureReason()
                                                        : QStringLiteral("the engine returned %1").arg(result);
            Failed(index, job.SourceFile, reason.isEmpty() ? QStringLiteral("the engine gave no reason") : reason);
        } else if (run_->ClipStopped()) {
            ++summary_.stopped;
            const bool written = QFileInfo::exists(job.TargetFile);
            report_.ClipEnded(Place(index), ClipOutcome::Stopped, written ? job.TargetFile : QString(), QString());
        } else {
            ++summary_.converted;
            report_.ClipEnded(Place(index), ClipOutcome::Converted, job.TargetFile, QString());
        }
    }

    void Failed(int index, const QString &source, const QString &reason)
    {
        summary_.failures << FileWithReason(source, reason);
        report_.ClipEnded(Place(index), ClipOutcome::Failed, QString(), reason);
    }

    // Worker thread: a DVD folder is made of every clip, so only a whole run is authored.
    void AuthorIfWhole()
    {
        if (stop_.Requested() || !summary_.failures.isEmpty() || summary_.converted == 0)
            return;
        report_.AuthoringStarted(run_->Job().JobFolder);
        authoring_ = true;
        const int result = run_->AuthorConvertedClips();
        authoring_ = false;
        if (result == DvdAuthored || result == DvdAuthoringStopped) {
            report_.AuthoringEnded(result == DvdAuthored, QStringLiteral("stopped"));
            return;
        }
        summary_.failures << FileWithReason(run_->Job().JobFolder, AuthoringFailure(result));
        report_.AuthoringEnded(false, AuthoringFailure(result));
    }

    // Calling thread, until the worker is done: stop requests, the stall watch, progress.
    void Watch()
    {
        std::unique_lock lock(doneMutex_);
        while (!doneChanged_.wait_for(lock, TickInterval, [this] { return done_; })) {
            lock.unlock();
            Tick();
            lock.lock();
        }
    }

    void Tick()
    {
        if (stop_.Requested() && !stopSent_)
            stopSent_ = authoring_ ? run_->StopAuthoring() : run_->StopEngine();   // retried until a clip is running
        if (authoring_) {
            if (const std::optional<int> percent = run_->AuthoringProgress())
                report_.AuthoringProgress(*percent);
            return;
        }
        run_->StopIfStalled(runClock_.elapsed());
        ClipProgress progress;
        if (run_->QueryProgress(progress))
            report_.Progress(TickOf(progress));
    }

    ProgressTick TickOf(const ClipProgress &progress) const
    {
        const EngineProgress &engine = progress.engine;
        ProgressTick tick;
        tick.place = Place(clipIndex_);
        tick.percent = ProgressForPosition(engine.secondsDone, progress.shownLength).percent.toInt();
        tick.framesPerSecond = engine.producing != 0 ? engine.framesPerSecond : 0;
        const double clipSeconds = (runClock_.elapsed() - clipStartMs_) / 1000.0;
        if (tick.framesPerSecond > 0)
            tick.remainingSeconds = RemainingSeconds(clipSeconds, engine.secondsDone, progress.shownLength);
        tick.run = RunStandingOf(lengths_, clipIndex_, engine.secondsDone, runClock_.elapsed() / 1000.0);
        return tick;
    }

    const RunSettings &settings_;
    const ClipLookup &clipAt_;
    RunReport &report_;
    const int clipCount_;
    QList<int> lengths_;
    std::unique_ptr<ConversionRun> run_;
    StopSignal stop_;
    QElapsedTimer runClock_;
    std::atomic<qint64> clipStartMs_{0};
    std::atomic<int> clipIndex_{0};
    std::atomic<bool> stopSent_{false};
    std::atomic<bool> authoring_{false};
    RunSummary summary_;   // worker thread until it is done

    std::mutex doneMutex_;
    std::condition_variable doneChanged_;
    bool done_ = false;
};

} // namespace

int ExitStatusOf(const RunSummary &summary)
{
    if (summary.interrupted)
        return 130;   // the shell's status for a process ended by SIGINT
    return summary.failures.isEmpty() ? 0 : 1;
}

void ShowJobs(const RunSettings &settings, const ClipLookup &clipAt, RunReport &report)
{
    ConversionRun run(&QuietWindow, {});
    run.Start(settings, clipAt);
    const int count = ClipCount(clipAt);
    for (int index = 0; index < count; ++index) {
        if (const std::optional<QString> call = run.PlannedEngineCall(index))
            report.Job({index + 1, count}, run.Job().SourceFile, *call);
    }
}

RunSummary ConvertClips(const RunSettings &settings, const ClipLookup &clipAt, RunReport &report)
{
    return Runner(settings, clipAt, report).Run();
}

} // namespace cli
