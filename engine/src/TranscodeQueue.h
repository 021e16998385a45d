#pragma once
// A bounded queue of frames between two pipeline threads. The producer blocks
// while it is full, the consumer while it is empty. close() ends the input;
// abort() releases both sides at once (stop or failure).

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>

extern "C" {
#include <libavutil/frame.h>
}

namespace korvid {

class FrameQueue {
public:
    explicit FrameQueue(size_t capacity) : capacity_(capacity) {}
    ~FrameQueue();
    FrameQueue(const FrameQueue &) = delete;
    FrameQueue &operator=(const FrameQueue &) = delete;

    // Takes ownership of the frame; false (frame freed) once aborted.
    bool Push(AVFrame *frame);
    // The next frame (caller owns it), or null at the end of input or once aborted.
    AVFrame *Pop();
    void Close();
    void Abort();

private:
    const size_t capacity_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<AVFrame *> frames_;
    bool closed_ = false;
    bool aborted_ = false;
};

} // namespace korvid
