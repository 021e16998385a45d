#pragma once
// The video stage of the pipeline: a filter thread (deinterlace, frame rate,
// trim, scale, letter box) and an encoder thread, fed by the reading thread
// through bounded queues so that decoding, filtering and encoding overlap.

#include "TranscodeEncoder.h"
#include "TranscodeFilters.h"
#include "TranscodeQueue.h"
#include "TranscodeVideoSetup.h"

#include <atomic>
#include <memory>
#include <thread>

namespace korvid {

class VideoStage {
public:
    struct Setup {
        const VideoJob *job;
        VideoGeometry geometry;
        bool deinterlace;
        double lengthSeconds;
        SubtitleBurnIn subtitles;
        PictureOrientation orientation;
    };
    VideoStage(const Setup &setup, std::unique_ptr<StreamEncoder> encoder);
    ~VideoStage();   // joins the threads

    void Start();
    // Takes a decoded frame whose pts and pkt_duration count microseconds from the clip's start.
    bool Push(AVFrame *frame);
    // Ends the input and waits for both threads; `drain` flushes the encoder.
    bool Finish(bool drain);
    void Abort();

private:
    void Guarded(void (VideoStage::*loop)());
    void FilterLoop();
    void EncodeLoop();
    bool FilterFrame(AVFrame *frame);
    bool FilterEnd();
    bool ForwardFiltered();
    bool BuildChain(const AVFrame *firstFrame);
    void Fail();

    Setup setup_;
    std::unique_ptr<StreamEncoder> encoder_;
    std::unique_ptr<FilterChain> chain_;
    FrameQueue decoded_{3};
    FrameQueue filtered_{3};
    std::thread filterThread_;
    std::thread encodeThread_;
    std::atomic<bool> failed_{false};
    std::atomic<bool> drain_{true};
    std::atomic<bool> stopping_{false};
    int64_t endPts_ = 0;   // where the last pushed frame ends
};

} // namespace korvid
