#pragma once
// One clip after the other through the engine: the job of each clip, the engine
// library loaded for that clip only, the global settings and the target's entry point.
// ConvertClip runs on the run's worker thread; EngineLoaded, QueryProgress and
// StopEngine may be called from the window thread meanwhile.

#include "ConversionEngine.h"
#include "ConvertJob.h"
#include "DvdAuthoring.h"
#include "EntryPoints.h"
#include "RunInputs.h"
#include "RunLog.h"
#include "StallWatch.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace conversion {

// ConvertClip's results besides the entry point's own.
enum ConvertClipResult : int {
    ClipFailed = -1,        // the conversion failed, or the target has no entry point
    RunComplete = 1,        // no clip at this index
    EngineUnavailable = 2,  // the engine library could not be loaded or bound
};

// What the progress window does for a clip; each is called on the worker thread.
// clipPrepared comes once the job holds the clip's values: the window shows them and
// stores the job's TargetFile as the clip's OutputPath.
struct ProgressHooks {
    std::function<void(int clipIndex)> clipPrepared;     // show the new clip's labels
    std::function<void()> repaint;                       // before the engine loads
    std::function<void(bool enabled)> setStopButtonEnabled;
    std::function<void(bool enabled)> setInfoTimerEnabled;
};

// What the progress window shows while a clip converts, taken together so that the
// window thread never reads a job the worker is rewriting.
struct ClipProgress {
    EngineProgress engine{};   // X_Get_Info: seconds done, frames per second, producing
    int startSeconds = 0;      // the clip's StartSeconds
    int shownLength = 0;       // the clip's ShownLength
};

// The thread count passed to the engine for the selected entry of the CPU list.
int EngineThreadCount(int cpuIndex);

class ConversionRun {
public:
    ConversionRun(KorvidWindow *window, ProgressHooks hooks);
    ~ConversionRun();

    // A new run: the panel and the profile are read again before its first clip.
    void Start(RunSettings settings, ClipLookup clipAt);

    // After the last clip, or when the run stops early: ends the run's log.
    void Finish(bool stopped);

    // Creates the output folders and, once per run, reads the run-wide job values.
    void RunFolderStep();

    // Converts clip `clipIndex`: RunComplete, EngineUnavailable, ClipFailed (FailureReason
    // says why when it knows: a clip stopped for making no progress, its partial file
    // removed, or a converted file shorter than asked or without an asked stream, kept) or the
    // entry point's result (0 after a finished or stopped clip, also one stopped before
    // anything was written, whose output path is then forgotten).
    int ConvertClip(int clipIndex);

    // The engine call clip `clipIndex` would get, its job prepared as ConvertClip prepares it
    // (output folders included) but without loading the engine; nothing past the end of the list.
    std::optional<QString> PlannedEngineCall(int clipIndex);

    // The job of the current or last clip. Read it on the worker thread, or on the
    // window thread once the run has ended.
    const ConvertJob &Job() const { return job_; }

    // Worker thread, after the last clip: authors every clip's output file of this run
    // into a DVD folder.
    int AuthorConvertedClips();
    // Any thread, while AuthorConvertedClips runs: its percent, and stopping it.
    std::optional<int> AuthoringProgress() const { return authoring_.Progress(); }
    bool StopAuthoring() { return authoring_.Stop(); }

    // Window thread, while ConvertClip runs: whether a clip is converting, its
    // progress, and the stop request. False when no engine is loaded.
    bool EngineLoaded() const;
    bool QueryProgress(ClipProgress &progress) const;
    bool StopEngine();
    // Window thread, on each progress Tick (`nowMs` on a steady clock): stops the clip
    // when it has made no progress for the run's stall timeout; true when it did.
    bool StopIfStalled(qint64 nowMs);
    // Worker thread, after ConvertClip: whether StopEngine stopped that clip.
    bool ClipStopped() const { return stopRequested_; }
    // Worker thread, after ConvertClip gave ClipFailed: why, or empty when unknown.
    QString FailureReason() const { return failureReason_; }
    // The log file of the current or last run; empty when the run keeps no log.
    QString LogFilePath() const { return logFilePath_; }

private:
    bool LoadEngine();
    void FreeEngine();
    void PassGlobalSettings() const;
    const EntryPoint *TargetEntryPoint();
    std::optional<int> TakeStall();
    std::optional<QString> OutputShortfallOf(int clipIndex) const;
    void LogClip(int clipIndex, int result, const QString &engineCall, double seconds);

    KorvidWindow *window_;
    ProgressHooks hooks_;
    RunSettings settings_;
    ClipLookup clipAt_;
    ConvertJob job_;
    bool parametersRead_ = false;
    QStringList outputPaths_;   // each prepared clip's TargetFile, in list order

    // Guards engine_; the worker changes job_ only while engine_ is null, so a reader
    // that finds the engine under this lock also sees a settled job.
    mutable std::mutex engineMutex_;
    std::unique_ptr<ConversionEngine> engine_;
    DvdAuthoring authoring_;

    // The stall watch of the converting clip: reset by the worker, fed by the poller.
    mutable std::mutex stallMutex_;
    StallWatch stallWatch_{0};
    std::optional<int> stalledAt_;   // the source second where the clip stalled
    QString failureReason_;          // worker thread only

    std::optional<RunLog> log_;      // worker thread only, like the counts
    QString logFilePath_;
    int convertedCount_ = 0;
    int failedCount_ = 0;
    std::atomic<bool> stopRequested_{false};   // StopEngine was called during this run
};

} // namespace conversion
