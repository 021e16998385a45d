#pragma once
// The test engine's process-wide state, shared by its entry points and controls.

#include "Poster.h"
#include "korvid.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

namespace testengine {

struct Probe {
    EngineFileInfo info{};
    int32_t result = 0;
};

struct Picture {
    uint32_t topRgb = 0x808080;
    uint32_t bottomRgb = 0x808080;
};

struct PostRule {
    uint32_t message;
    uintptr_t wparam;
    intptr_t lparam;
    int32_t delayMilliseconds;
};

class State {
public:
    static State &Instance();

    void Reset();
    void Record(std::string call);
    int32_t ResultOf(const std::string &name);
    // Schedules the posts of `name` to `window` (none for a null window).
    void SchedulePosts(const std::string &name, KorvidWindow *window);
    // Blocks for the delay of `name`; true when a stop or finish request ended it early.
    bool WaitDelay(const std::string &name, bool interruptible);
    void RequestStop();
    void FinishRunning();
    void BeginTarget();
    bool WaitForCalls(const std::string &name, int count, int timeoutMilliseconds);

    std::mutex mutex;   // guards every field below
    std::deque<std::string> calls;
    int32_t coreCount = 1;
    std::string lastError;
    std::map<std::string, int32_t> results;
    std::map<std::string, int32_t> delays;
    std::map<std::string, Probe> probes;
    std::map<std::string, Picture> pictures;
    std::map<std::string, std::vector<PostRule>> postRules;
    std::deque<EngineProgress> progress;
    EngineProgress lastProgress{};
    std::string currentPicture;
    KorvidWindow *frameWindow = nullptr;
    KorvidWindow *lastWindow = nullptr;
    int32_t frameSecond = 0;
    bool writeTargetFiles = true;
    Poster poster;

private:
    State();
    void SetDefaults();
    std::condition_variable changed_;
    bool stopRequested_ = false;
    bool finishRequested_ = false;
};

inline std::string ArgumentText(const char *text) { return text ? text : "(null)"; }
inline std::string ArgumentText(const void *pointer) { return pointer ? "ptr" : "0"; }
template <typename Integer>
    requires std::is_integral_v<Integer>
std::string ArgumentText(Integer value) { return std::to_string(value); }

// "Name|arg|arg|..."
template <typename... Arguments>
std::string CallText(const char *name, const Arguments &...arguments)
{
    std::string text = name;
    ((text += '|', text += ArgumentText(arguments)), ...);
    return text;
}

} // namespace testengine
