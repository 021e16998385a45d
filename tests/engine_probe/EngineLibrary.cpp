#include "EngineLibrary.h"

#include <algorithm>
#include <dlfcn.h>

namespace enginetest {

EngineLibrary::EngineLibrary() : handle_(dlopen(KORVID_ENGINE_PATH, RTLD_NOW | RTLD_LOCAL)) {
    if (!handle_)
        return;
    Bind(coreCount, "X_Get_CPU_Core_Number");
    Bind(probe, "X_GetFileinfo_GetPic");
    Bind(getFrame, "X_Get_Frame");
    Bind(getFrameJpeg, "X_Get_Frame_JPEG");
    Bind(frameInit, "X_GetFrame_Init");
    Bind(frameSeek, "X_Set_NextFrame_Time");
    Bind(frameUninit, "X_GetFrame_UnInit");
    Bind(lastError, "X_Get_Last_Error");
}

std::string EngineLibrary::LastFailure() const {
    char reason[512] = {};
    if (lastError)
        lastError(reason, sizeof reason);
    return reason;
}

EngineLibrary::~EngineLibrary() {
    if (handle_)
        dlclose(handle_);
}

template <typename Function>
void EngineLibrary::Bind(Function &target, const char *name) {
    target = reinterpret_cast<Function>(dlsym(handle_, name));
}

bool EngineLibrary::Loaded() const {
    return handle_ && coreCount && probe && getFrame && getFrameJpeg && frameInit && frameSeek && frameUninit;
}

RecordingWindow::RecordingWindow() : KorvidWindow{&RecordingWindow::Record} {}

void RecordingWindow::Record(KorvidWindow *self, uint32_t message, uintptr_t wparam, intptr_t) {
    auto *window = static_cast<RecordingWindow *>(self);
    std::lock_guard lock(window->mutex_);
    window->posts_.push_back({message, wparam});
    window->posted_.notify_all();
}

std::vector<Post> RecordingWindow::Posts() {
    std::lock_guard lock(mutex_);
    return posts_;
}

size_t RecordingWindow::CountOf(uint32_t message) const {
    return std::count_if(posts_.begin(), posts_.end(), [message](const Post &post) { return post.message == message; });
}

bool RecordingWindow::WaitFor(uint32_t message, size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, timeout, [&] { return CountOf(message) >= count; });
}

} // namespace enginetest
