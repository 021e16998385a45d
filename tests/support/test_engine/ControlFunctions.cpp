// The test engine's controls (test_engine_control.h).

#include "TestEngineState.h"
#include "test_engine_control.h"

using testengine::State;

extern "C" {

void TestEngine_Reset(void)
{
    State::Instance().Reset();
}

void TestEngine_SetCoreCount(int32_t count)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().coreCount = count;
}

void TestEngine_SetLastError(const char *reason)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().lastError = reason ? reason : "";
}

void TestEngine_SetEntryResult(const char *name, int32_t result)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().results[name] = result;
}

void TestEngine_SetEntryDelay(const char *name, int32_t milliseconds)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().delays[name] = milliseconds;
}

void TestEngine_FinishRunning(void)
{
    State::Instance().FinishRunning();
}

void TestEngine_SetProbe(const char *path, const EngineFileInfo *info, int32_t result)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().probes[path] = testengine::Probe{info ? *info : EngineFileInfo{}, result};
}

void TestEngine_SetPicture(const char *path, uint32_t topRgb, uint32_t bottomRgb)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().pictures[path] = testengine::Picture{topRgb, bottomRgb};
}

void TestEngine_AddProgress(int32_t secondsDone, int32_t framesPerSecond, int32_t producing)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().progress.push_back(EngineProgress{secondsDone, framesPerSecond, producing});
}

void TestEngine_SetWriteTargetFiles(int32_t enabled)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().writeTargetFiles = enabled != 0;
}

void TestEngine_ClearPosts(const char *name)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().postRules[name].clear();
}

void TestEngine_AddPost(const char *name, uint32_t message, uintptr_t wparam, intptr_t lparam, int32_t delayMilliseconds)
{
    std::lock_guard lock(State::Instance().mutex);
    State::Instance().postRules[name].push_back(testengine::PostRule{message, wparam, lparam, delayMilliseconds});
}

int32_t TestEngine_PostNow(uint32_t message, uintptr_t wparam, intptr_t lparam)
{
    State &state = State::Instance();
    std::lock_guard lock(state.mutex);
    if (!state.lastWindow)
        return 0;
    state.poster.Schedule(state.lastWindow, message, wparam, lparam, 0);
    return 1;
}

int32_t TestEngine_WaitForPosts(int32_t timeoutMilliseconds)
{
    return State::Instance().poster.WaitIdle(timeoutMilliseconds) ? 1 : 0;
}

int32_t TestEngine_CallCount(void)
{
    std::lock_guard lock(State::Instance().mutex);
    return int32_t(State::Instance().calls.size());
}

const char *TestEngine_Call(int32_t index)
{
    State &state = State::Instance();
    std::lock_guard lock(state.mutex);
    if (index < 0 || size_t(index) >= state.calls.size())
        return "";
    return state.calls[size_t(index)].c_str();
}

int32_t TestEngine_WaitForCalls(const char *name, int32_t count, int32_t timeoutMilliseconds)
{
    return State::Instance().WaitForCalls(name, count, timeoutMilliseconds) ? 1 : 0;
}

} // extern "C"
