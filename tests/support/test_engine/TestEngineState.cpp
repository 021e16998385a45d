#include "TestEngineState.h"

#include <chrono>

namespace testengine {

namespace {

const char *const kTargetEntryPoints[] = {
    "X_SetPar_D2IPOD_VIDEO", "X_SetPar_D2IPHONE_VIDEO", "X_SetPar_D2APPLETV_VIDEO", "X_SetPar_D2ZUNE_VIDEO",
    "X_SetPar_D2PDA_VIDEO", "X_SetPar_D23GP", "X_SetPar_D2IMP4", "X_SetPar_D2QTMOV", "X_SetPar_D2FLV",
    "X_TO_HD_APPLETV", "X_SetPar_D2WMV", "X_TO_HD_AVC", "X_TO_HD_MP4", "X_TO_HD_H264", "X_TO_HD_WMV",
    "X_TO_HD_MOV", "X_TO_HD_PS3", "X_TO_HD_XBOX", "X_TO_HD_ZUNE", "X_TO_HD_Mobile", "X_SetPar_D2MPEG",
    "X_TO_HD_MPEG", "X_TO_HD_MPEG2TS", "X_SetPar_D2AVI", "X_TO_HD_AVI", "X_SetPar_D2PSP", "X_SetPar_D2IPOD_MP3",
};

} // namespace

State &State::Instance()
{
    static State state;
    return state;
}

State::State()
{
    SetDefaults();
}

void State::SetDefaults()
{
    postRules["X_GetFrame_Init"] = {{KORVID_MSG_READY, 0, 0, 0}};
    postRules["X_Set_NextFrame_Time"] = {{KORVID_MSG_FRAME, 1, 0, 0}};
    postRules["X_GetFrame_UnInit"] = {{KORVID_MSG_CLOSED, 0, 0, 0}};
    for (const char *name : kTargetEntryPoints)
        postRules[name] = {{KORVID_MSG_READY, 0, 0, 0}};
}

void State::Reset()
{
    poster.CancelAll();
    std::lock_guard lock(mutex);
    calls.clear();
    coreCount = 1;
    lastError.clear();
    results.clear();
    delays.clear();
    probes.clear();
    pictures.clear();
    postRules.clear();
    progress.clear();
    lastProgress = EngineProgress{};
    currentPicture.clear();
    frameWindow = nullptr;
    lastWindow = nullptr;
    frameSecond = 0;
    writeTargetFiles = true;
    stopRequested_ = true;   // wakes a call still blocked from the previous test
    finishRequested_ = false;
    SetDefaults();
    changed_.notify_all();
}

void State::Record(std::string call)
{
    std::lock_guard lock(mutex);
    calls.push_back(std::move(call));
    changed_.notify_all();
}

int32_t State::ResultOf(const std::string &name)
{
    std::lock_guard lock(mutex);
    const auto found = results.find(name);
    return found == results.end() ? 0 : found->second;
}

void State::SchedulePosts(const std::string &name, KorvidWindow *window)
{
    std::lock_guard lock(mutex);
    if (!window)
        return;
    lastWindow = window;
    for (const PostRule &rule : postRules[name])
        poster.Schedule(window, rule.message, rule.wparam, rule.lparam, rule.delayMilliseconds);
}

void State::BeginTarget()
{
    std::lock_guard lock(mutex);
    stopRequested_ = false;
    finishRequested_ = false;
}

bool State::WaitDelay(const std::string &name, bool interruptible)
{
    std::unique_lock lock(mutex);
    const auto found = delays.find(name);
    const int delay = found == delays.end() ? 0 : found->second;
    if (delay == 0 || (delay < 0 && !interruptible))
        return false;
    const auto ended = [this, interruptible] { return interruptible && (stopRequested_ || finishRequested_); };
    if (delay < 0)
        changed_.wait(lock, ended);
    else
        changed_.wait_for(lock, std::chrono::milliseconds(delay), ended);
    return stopRequested_ && interruptible;
}

void State::RequestStop()
{
    std::lock_guard lock(mutex);
    stopRequested_ = true;
    changed_.notify_all();
}

void State::FinishRunning()
{
    std::lock_guard lock(mutex);
    finishRequested_ = true;
    changed_.notify_all();
}

bool State::WaitForCalls(const std::string &name, int count, int timeoutMilliseconds)
{
    const auto reached = [&] {
        int seen = 0;
        for (const std::string &call : calls)
            seen += call == name || call.rfind(name + '|', 0) == 0;
        return seen >= count;
    };
    std::unique_lock lock(mutex);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMilliseconds), reached);
}

} // namespace testengine
