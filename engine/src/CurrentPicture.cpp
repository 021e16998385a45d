#include "CurrentPicture.h"

#include "FramePicture.h"

namespace korvid {

namespace {
// 0: no request on this thread yet; else 1 + the PictureOwner asked for.
thread_local int requestedOwner = 0;
} // namespace

// Built on first use, so a library that stays mapped between loads still
// starts from whatever the last probe or frame service left, never from junk.
// The probe's picture is the probing thread's own: the host probes several files at
// once and reads each file's first picture on the thread that probed it.
CurrentPicture &CurrentPictureOf(PictureOwner owner) {
    static thread_local CurrentPicture probe;
    static CurrentPicture frameService;
    return owner == PictureOwner::Probe ? probe : frameService;
}

void ServePictureOf(PictureOwner owner) {
    requestedOwner = 1 + static_cast<int>(owner);
}

CurrentPicture &PictureToServe() {
    if (requestedOwner != 0)
        return CurrentPictureOf(static_cast<PictureOwner>(requestedOwner - 1));
    CurrentPicture &frameService = CurrentPictureOf(PictureOwner::FrameService);
    return frameService.HasPicture() ? frameService : CurrentPictureOf(PictureOwner::Probe);
}

CurrentPicture::~CurrentPicture() {
    av_frame_free(&frame_);
}

void CurrentPicture::Set(const AVFrame *frame, int32_t second) {
    AVFrame *copy = av_frame_clone(frame);
    std::lock_guard lock(mutex_);
    av_frame_free(&frame_);
    frame_ = copy;
    black_ = copy == nullptr;
    second_ = second;
}

void CurrentPicture::SetBlack(int32_t second) {
    std::lock_guard lock(mutex_);
    av_frame_free(&frame_);
    black_ = true;
    second_ = second;
}

void CurrentPicture::Clear() {
    std::lock_guard lock(mutex_);
    av_frame_free(&frame_);
    black_ = false;
    second_ = 0;
}

CurrentPicture::Render CurrentPicture::RenderBgr(int width, int height, std::vector<uint8_t> &rows,
                                                 int32_t *second) {
    std::lock_guard lock(mutex_);
    *second = second_;
    if (black_) {
        rows.assign(static_cast<size_t>(width) * 3 * height, 0);
        return Render::Done;
    }
    if (!frame_)
        return Render::NoPicture;
    return ScaleToBgrRows(frame_, width, height, rows) ? Render::Done : Render::Failed;
}

bool CurrentPicture::HasPicture() {
    std::lock_guard lock(mutex_);
    return frame_ || black_;
}

AVFrame *CurrentPicture::CopyFrame(int32_t *second) {
    std::lock_guard lock(mutex_);
    *second = second_;
    return frame_ ? av_frame_clone(frame_) : nullptr;
}

} // namespace korvid
