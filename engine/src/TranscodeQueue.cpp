#include "TranscodeQueue.h"

namespace korvid {

FrameQueue::~FrameQueue()
{
    for (AVFrame *frame : frames_)
        av_frame_free(&frame);
}

bool FrameQueue::Push(AVFrame *frame)
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return aborted_ || frames_.size() < capacity_; });
    if (aborted_) {
        av_frame_free(&frame);
        return false;
    }
    frames_.push_back(frame);
    changed_.notify_all();
    return true;
}

AVFrame *FrameQueue::Pop()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return aborted_ || closed_ || !frames_.empty(); });
    if (aborted_ || frames_.empty())
        return nullptr;
    AVFrame *frame = frames_.front();
    frames_.pop_front();
    changed_.notify_all();
    return frame;
}

void FrameQueue::Close()
{
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

void FrameQueue::Abort()
{
    std::lock_guard lock(mutex_);
    aborted_ = true;
    changed_.notify_all();
}

} // namespace korvid
