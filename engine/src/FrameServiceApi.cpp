// X_GetFrame_Init, X_Set_NextFrame_Time, X_GetFrame_UnInit: one frame service
// at a time, owned here between Init and UnInit.
#include "korvid.h"

#include "CurrentPicture.h"
#include "FrameService.h"

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

constexpr int kMostDecoderThreads = 8;

struct ServiceSlot {
    std::mutex mutex;
    std::unique_ptr<korvid::FrameService> service;
};

ServiceSlot &Slot() {
    static ServiceSlot instance;
    return instance;
}

} // namespace

// `two`, `unused` and the start-second hint carry nothing the worker needs.
extern "C" KORVID_API int32_t X_GetFrame_Init(KorvidWindow *w, int32_t two, const char *path, const char *unused,
                                              const char *startSecondsText) {
    ServiceSlot &current = Slot();
    std::lock_guard lock(current.mutex);
    if (current.service)
        current.service->Stop();
    korvid::CurrentPictureOf(korvid::PictureOwner::FrameService).Clear();
    korvid::ServePictureOf(korvid::PictureOwner::FrameService);
    int threads = std::clamp(X_Get_CPU_Core_Number(), 1, kMostDecoderThreads);
    current.service = std::make_unique<korvid::FrameService>(w, path ? path : "", threads);
    return 0;
}

extern "C" KORVID_API int32_t X_Set_NextFrame_Time(int32_t seconds) {
    ServiceSlot &current = Slot();
    std::lock_guard lock(current.mutex);
    korvid::ServePictureOf(korvid::PictureOwner::FrameService);
    if (!current.service)
        return -1;
    current.service->RequestSeek(std::max(seconds, 0));
    return 0;
}

extern "C" KORVID_API int32_t X_GetFrame_UnInit(void) {
    ServiceSlot &current = Slot();
    std::unique_ptr<korvid::FrameService> service;
    {
        std::lock_guard lock(current.mutex);
        service = std::move(current.service);
    }
    if (!service)
        return -1;
    service->Stop();
    return 0;
}
