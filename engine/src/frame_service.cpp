#include "frame_service.h"

#include "current_picture.h"
#include "frame_picture.h"
#include "media_input.h"
#include "picture_orientation.h"
#include "source_limits.h"

#include <cmath>

namespace korvid {

FrameService::FrameService(KorvidWindow *window, std::string path, int decoderThreads)
    : window_(window), path_(std::move(path)), decoderThreads_(decoderThreads) {
    worker_ = std::thread(&FrameService::run, this);
}

FrameService::~FrameService() {
    shutDownWorker();
}

void FrameService::requestSeek(int seconds) {
    std::lock_guard lock(mutex_);
    pendingSeek_ = seconds;
    wake_.notify_one();
}

void FrameService::stop() {
    shutDownWorker();
    post(KORVID_MSG_CLOSED, 0);
}

void FrameService::shutDownWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        if (activeInput_)
            activeInput_->requestStop();
        wake_.notify_one();
    }
    if (worker_.joinable())
        worker_.join();
}

void FrameService::post(uint32_t message, uintptr_t wparam) const {
    if (window_ && window_->post)
        window_->post(window_, message, wparam, 0);
}

std::optional<int> FrameService::waitForSeek() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopping_ || pendingSeek_.has_value(); });
    if (stopping_)
        return std::nullopt;
    std::optional<int> seconds = pendingSeek_;
    pendingSeek_.reset();
    return seconds;
}

void FrameService::run() {
    MediaInputOptions options;
    options.decoderThreads = decoderThreads_;
    options.openAudio = false;
    options.exactAudioEdits = false;
    std::unique_ptr<MediaInput> input = MediaInput::open(path_, options);
    {
        std::lock_guard lock(mutex_);
        activeInput_ = input.get();
        if (stopping_ && input)
            input->requestStop();
    }
    post(KORVID_MSG_READY, 0);
    while (std::optional<int> seconds = waitForSeek())
        handleSeek(input.get(), *seconds);
    std::lock_guard lock(mutex_);
    activeInput_ = nullptr;
}

// The picture at or before the second; past the end, the last picture.
void FrameService::handleSeek(MediaInput *input, int seconds) {
    FramePointer picture(av_frame_alloc());
    bool reachedEnd = false;
    if (input)
        input->setDeadline(kSeekSeconds);   // a seek that cannot finish gives no picture
    const bool decoded = input && picture && input->decodeVideoAt(seconds, picture.get(), &reachedEnd);
    if (input)
        input->clearDeadline();
    if (!decoded) {
        post(KORVID_MSG_FRAME, 0);
        return;
    }
    double shown = input->secondsOf(picture.get(), StreamKind::Video);
    int32_t second = reachedEnd && std::isfinite(shown) ? static_cast<int32_t>(std::max(0.0, shown)) : seconds;
    picture = uprightPicture(picture.get(), orientationOf(input->videoStream()));
    if (picture)
        currentPicture(PictureOwner::FrameService).set(picture.get(), second);
    post(KORVID_MSG_FRAME, picture ? 1 : 0);
}

} // namespace korvid
