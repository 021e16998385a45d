#pragma once
// The real engine, loaded with dlopen as the program loads it, and a window
// handle that records what the engine posts.

#include "korvid.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace enginetest {

class EngineLibrary {
public:
    EngineLibrary();    // loads KORVID_ENGINE_PATH; Loaded() tells whether it worked
    ~EngineLibrary();   // dlclose
    EngineLibrary(const EngineLibrary &) = delete;
    EngineLibrary &operator=(const EngineLibrary &) = delete;

    bool Loaded() const;

    decltype(&X_Get_CPU_Core_Number) coreCount = nullptr;
    decltype(&X_GetFileinfo_GetPic) probe = nullptr;
    decltype(&X_Get_Frame) getFrame = nullptr;
    decltype(&X_Get_Frame_JPEG) getFrameJpeg = nullptr;
    decltype(&X_GetFrame_Init) frameInit = nullptr;
    decltype(&X_Set_NextFrame_Time) frameSeek = nullptr;
    decltype(&X_GetFrame_UnInit) frameUninit = nullptr;
    decltype(&X_Get_Last_Error) lastError = nullptr;   // optional

    // The calling thread's last failure reason ("" without X_Get_Last_Error).
    std::string LastFailure() const;

private:
    template <typename Function>
    void Bind(Function &target, const char *name);
    void *handle_ = nullptr;
};

struct Post {
    uint32_t message;
    uintptr_t wparam;
};

// Thread-safe recorder of posted messages.
class RecordingWindow : public KorvidWindow {
public:
    RecordingWindow();
    std::vector<Post> Posts();
    // Waits until `message` has been posted `count` times; false on time-out.
    bool WaitFor(uint32_t message, size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(20));

private:
    static void Record(KorvidWindow *self, uint32_t message, uintptr_t wparam, intptr_t lparam);
    size_t CountOf(uint32_t message) const;

    std::mutex mutex_;
    std::condition_variable posted_;
    std::vector<Post> posts_;
};

} // namespace enginetest
