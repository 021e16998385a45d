#include "engine_library.h"

#include <algorithm>
#include <dlfcn.h>

namespace enginetest {

EngineLibrary::EngineLibrary() : handle_(dlopen(KORVID_ENGINE_PATH, RTLD_NOW | RTLD_LOCAL)) {
    if (!handle_)
        return;
    bind(coreCount, "X_Get_CPU_Core_Number");
    bind(probe, "X_GetFileinfo_GetPic");
    bind(getFrame, "X_Get_Frame");
    bind(getFrameJpeg, "X_Get_Frame_JPEG");
    bind(frameInit, "X_GetFrame_Init");
    bind(frameSeek, "X_Set_NextFrame_Time");
    bind(frameUninit, "X_GetFrame_UnInit");
    bind(lastError, "X_Get_Last_Error");
}

std::string EngineLibrary::lastFailure() const {
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
void EngineLibrary::bind(Function &target, const char *name) {
    target = reinterpret_cast<Function>(dlsym(handle_, name));
}

bool EngineLibrary::loaded() const {
    return handle_ && coreCount && probe && getFrame && getFrameJpeg && frameInit && frameSeek && frameUninit;
}

RecordingWindow::RecordingWindow() : KorvidWindow{&RecordingWindow::record} {}

void RecordingWindow::record(KorvidWindow *self, uint32_t message, uintptr_t wparam, intptr_t) {
    auto *window = static_cast<RecordingWindow *>(self);
    std::lock_guard lock(window->mutex_);
    window->posts_.push_back({message, wparam});
    window->posted_.notify_all();
}

std::vector<Post> RecordingWindow::posts() {
    std::lock_guard lock(mutex_);
    return posts_;
}

size_t RecordingWindow::countOf(uint32_t message) const {
    return std::count_if(posts_.begin(), posts_.end(), [message](const Post &post) { return post.message == message; });
}

bool RecordingWindow::waitFor(uint32_t message, size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, timeout, [&] { return countOf(message) >= count; });
}

} // namespace enginetest
