#include "ConversionRun.h"

#include "ClipJob.h"
#include "EntryPoints.h"
#include "JobParameters.h"
#include "TargetCatalogue.h"
#include "TargetRoutes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <array>
#include <utility>

namespace conversion {
namespace {

const QString NoEntryPointText = QStringLiteral("(no entry point)");

template <typename Hook, typename... Arguments>
void Notify(const Hook &hook, Arguments... arguments)
{
    if (hook)
        hook(arguments...);
}

} // namespace

int EngineThreadCount(int cpuIndex)
{
    return std::clamp(cpuIndex + 3, 4, 8);
}

ConversionRun::ConversionRun(KorvidWindow *window, ProgressHooks hooks)
    : window_(window), hooks_(std::move(hooks))
{
}

ConversionRun::~ConversionRun() = default;

void ConversionRun::Start(RunSettings settings, ClipLookup clipAt)
{
    settings_ = std::move(settings);
    clipAt_ = std::move(clipAt);
    parametersRead_ = false;
    outputPaths_.clear();
    convertedCount_ = failedCount_ = 0;
    log_.reset();
    logFilePath_.clear();
    if (!settings_.logFolder.isEmpty()) {
        int clipCount = 0;
        while (clipAt_ && clipAt_(clipCount))
            ++clipCount;
        log_.emplace(settings_.logFolder);
        log_->RunStarted(targets::TargetName(settings_.target), clipCount, settings_.outputFolder);
        logFilePath_ = log_->FilePath();
    }
}

void ConversionRun::Finish(bool stopped)
{
    if (log_)
        log_->RunEnded(convertedCount_, failedCount_, stopped);
    log_.reset();
}

void ConversionRun::RunFolderStep()
{
    QDir().mkpath(settings_.outputFolder);
    job_.JobFolder = settings_.outputFolder + targets::TargetFolder(settings_.target);
    QDir().mkpath(job_.JobFolder);
    if (!parametersRead_) {
        parametersRead_ = true;
        const targets::ProfileDefinitions noDefinitions;
        ReadJobParameters(job_, settings_.target, settings_.panel,
                          settings_.definitions ? *settings_.definitions : noDefinitions);
    }
}

int ConversionRun::ConvertClip(int clipIndex)
{
    RunFolderStep();
    if (!PrepareClipJob(job_, clipIndex, settings_, clipAt_))
        return RunComplete;
    outputPaths_ << job_.TargetFile;
    // The target's preparation changes the job, so it comes before the engine is loaded.
    const EntryPoint *entry = TargetEntryPoint();
    Notify(hooks_.clipPrepared, clipIndex);
    Notify(hooks_.repaint);
    if (!LoadEngine())
        return EngineUnavailable;
    PassGlobalSettings();
    Notify(hooks_.setStopButtonEnabled, false);   // the engine's ready message enables it again
    failureReason_.clear();
    {
        const std::lock_guard lock(stallMutex_);
        stallWatch_ = StallWatch(settings_.stallTimeoutSeconds);
        stalledAt_.reset();
        stopRequested_ = false;
    }
    Notify(hooks_.setInfoTimerEnabled, true);
    const EngineArgumentValues values(job_, window_);
    QElapsedTimer clock;
    clock.start();
    int result = entry ? CallEntryPoint(*entry, *engine_, values) : ClipFailed;
    if (result == ClipFailed)
        failureReason_ = entry ? engine_->LastError() : QStringLiteral("the target has no conversion in this engine");
    Notify(hooks_.setInfoTimerEnabled, false);
    FreeEngine();
    if (const std::optional<int> stalledAt = TakeStall()) {
        // A stalled clip's partial file is no use to anyone; the run goes on without it.
        QFile::remove(outputPaths_.takeLast());
        failureReason_ = StallReason(*stalledAt);
        result = ClipFailed;
    } else if (result == KORVID_RESULT_STOPPED_EMPTY) {
        outputPaths_.removeLast();   // stopped before anything was written: there is no file
        result = 0;
    } else if (result == 0 && !stopRequested_) {
        // A file that falls short is kept for the user to look at, but never counted as converted.
        if (const std::optional<QString> shortfall = OutputShortfallOf(clipIndex)) {
            failureReason_ = *shortfall;
            result = ClipFailed;
        }
    }
    LogClip(clipIndex, result, entry ? EngineCallText(*entry, values) : NoEntryPointText,
            clock.elapsed() / 1000.0);
    return result;
}

std::optional<QString> ConversionRun::PlannedEngineCall(int clipIndex)
{
    RunFolderStep();
    if (!PrepareClipJob(job_, clipIndex, settings_, clipAt_))
        return std::nullopt;
    const EntryPoint *entry = TargetEntryPoint();
    return entry ? EngineCallText(*entry, EngineArgumentValues(job_, window_)) : NoEntryPointText;
}

std::optional<QString> ConversionRun::OutputShortfallOf(int clipIndex) const
{
    if (!settings_.probeOutput)
        return std::nullopt;
    if (!QFile::exists(job_.TargetFile))
        return QStringLiteral("the output file was not written");
    const std::optional<JobClip> clip = clipAt_(clipIndex);
    const std::optional<OutputStreams> found = settings_.probeOutput(job_.TargetFile);
    if (!clip || !found)
        return std::nullopt;
    const OutputStreams expected{double(job_.ShownLength), !targets::IsMusicTarget(settings_.target),
                                 clip->audioRowCount > 0};
    return OutputShortfall(expected, *found);
}

void ConversionRun::LogClip(int clipIndex, int result, const QString &engineCall, double seconds)
{
    const bool failed = result == ClipFailed;
    (failed ? failedCount_ : convertedCount_)++;
    if (!log_)
        return;
    const QString outcome = failed ? QStringLiteral("failed") : stopRequested_ ? QStringLiteral("stopped") : QStringLiteral("converted");
    log_->ClipEnded({clipIndex + 1, job_.SourceFile, job_.TargetFile, engineCall, outcome, failureReason_, seconds,
                     double(job_.ShownLength)});
}

int ConversionRun::AuthorConvertedClips()
{
    return authoring_.Author({job_.JobFolder, DvdVideoSettings::Of(settings_.panel), outputPaths_,
                              settings_.scratchFolder});
}

bool ConversionRun::LoadEngine()
{
    std::unique_ptr<ConversionEngine> engine = ConversionEngine::Load();
    const std::lock_guard lock(engineMutex_);
    engine_ = std::move(engine);
    return engine_ != nullptr;
}

void ConversionRun::FreeEngine()
{
    const std::lock_guard lock(engineMutex_);
    engine_.reset();
}

void ConversionRun::PassGlobalSettings() const
{
    const JobPanelValues &panel = settings_.panel;
    const bool forceSync = panel.forceSync || job_.ForceSync;
    engine_->Function<decltype(&X_SetPar_Global)>(EngineName::X_SetPar_Global)(
        EngineThreadCount(panel.cpuIndex), panel.deinterlace ? 1 : 0, 0, forceSync ? 1 : 0,
        job_.TransportStream ? 1 : 0, job_.StreamID);
    const QByteArray workFile = (job_.JobFolder + QStringLiteral("telvotempfile.tmp")).toUtf8();
    const QByteArray sourceRate = job_.SourceFrameRate.toUtf8();
    engine_->Function<decltype(&X_Global_CMD)>(EngineName::X_Global_CMD)(workFile.constData(), sourceRate.constData(), 1);
}

const EntryPoint *ConversionRun::TargetEntryPoint()
{
    const std::optional<EngineName> name = RouteTarget(settings_.target, job_);
    return name ? FindEntryPoint(*name) : nullptr;
}

bool ConversionRun::EngineLoaded() const
{
    const std::lock_guard lock(engineMutex_);
    return engine_ != nullptr;
}

bool ConversionRun::QueryProgress(ClipProgress &progress) const
{
    const std::lock_guard lock(engineMutex_);
    if (!engine_)
        return false;
    std::array<int32_t, 3> record{};
    engine_->Function<decltype(&X_Get_Info)>(EngineName::X_Get_Info)(record.data());
    progress = {{record[0], record[1], record[2]}, job_.StartSeconds, job_.ShownLength};
    return true;
}

bool ConversionRun::StopIfStalled(qint64 nowMs)
{
    ClipProgress progress;
    if (!QueryProgress(progress))
        return false;
    {
        const std::lock_guard lock(stallMutex_);
        if (stalledAt_ || !stallWatch_.Stalled(progress.engine.secondsDone, nowMs))
            return false;
        stalledAt_ = progress.startSeconds + progress.engine.secondsDone;
    }
    return StopEngine();
}

std::optional<int> ConversionRun::TakeStall()
{
    const std::lock_guard lock(stallMutex_);
    return std::exchange(stalledAt_, std::nullopt);
}

bool ConversionRun::StopEngine()
{
    const std::lock_guard lock(engineMutex_);
    if (!engine_)
        return false;
    stopRequested_ = true;
    engine_->Function<decltype(&X_StopConvert)>(EngineName::X_StopConvert)();
    return true;
}

} // namespace conversion
