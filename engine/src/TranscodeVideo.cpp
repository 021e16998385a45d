#include "TranscodeVideo.h"


#include <algorithm>
#include <cstdio>

extern "C" {
#include <libavfilter/buffersink.h>
}

namespace korvid {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStopDrainTime = std::chrono::milliseconds(300);

} // namespace

VideoStage::VideoStage(const Setup &setup, std::unique_ptr<StreamEncoder> encoder)
    : setup_(setup), encoder_(std::move(encoder))
{
}

VideoStage::~VideoStage()
{
    Abort();
    if (filterThread_.joinable())
        filterThread_.join();
    if (encodeThread_.joinable())
        encodeThread_.join();
}

void VideoStage::Start()
{
    filterThread_ = std::thread([this] { Guarded(&VideoStage::FilterLoop); });
    encodeThread_ = std::thread([this] { Guarded(&VideoStage::EncodeLoop); });
}

// Nothing may escape a thread's function; a failure there fails the conversion.
void VideoStage::Guarded(void (VideoStage::*loop)())
{
    try {
        (this->*loop)();
    } catch (...) {
        failed_ = true;
        Abort();
    }
}

bool VideoStage::Push(AVFrame *frame)
{
    return decoded_.Push(frame) && !failed_;
}

bool VideoStage::Finish(bool drain)
{
    drain_ = drain;
    if (!drain) {
        stopping_ = true;
        Abort();
    }
    decoded_.Close();
    if (filterThread_.joinable())
        filterThread_.join();
    if (encodeThread_.joinable())
        encodeThread_.join();
    return !failed_;
}

void VideoStage::Abort()
{
    decoded_.Abort();
    filtered_.Abort();
}

// A queue that was aborted for a stop is not a failure.
void VideoStage::Fail()
{
    if (!stopping_)
        failed_ = true;
    Abort();
}

bool VideoStage::BuildChain(const AVFrame *firstFrame)
{
    const VideoChainInput input{firstFrame, AV_TIME_BASE_Q, setup_.deinterlace, setup_.lengthSeconds,
                                setup_.subtitles, setup_.orientation};
    std::string error;
    chain_ = FilterChain::Create(true, VideoSourceArguments(input),
                                 VideoFilterChain(input, *setup_.job, setup_.geometry), &error);
    if (!chain_)
        std::fprintf(stderr, "korvid: %s\n", error.c_str());
    return chain_ != nullptr;
}

bool VideoStage::ForwardFiltered()
{
    for (;;) {
        AVFrame *frame = av_frame_alloc();
        const int status = frame ? chain_->Pull(frame) : AVERROR(ENOMEM);
        if (status < 0) {
            av_frame_free(&frame);
            return status == AVERROR(EAGAIN) || status == AVERROR_EOF;
        }
        frame->pts = av_rescale_q(frame->pts, av_buffersink_get_time_base(chain_->Sink()),
                                  encoder_->Context()->time_base);
        if (!filtered_.Push(frame))
            return false;
    }
}

bool VideoStage::FilterFrame(AVFrame *frame)
{
    if (!chain_ && !BuildChain(frame))
        return false;
    endPts_ = std::max(endPts_, frame->pts + std::max<int64_t>(frame->pkt_duration, 1));
    return chain_->Push(frame) && ForwardFiltered();
}

bool VideoStage::FilterEnd()
{
    return !chain_ || (chain_->Close(endPts_) && ForwardFiltered());
}

void VideoStage::FilterLoop()
{
    while (AVFrame *frame = decoded_.Pop()) {
        const bool filtered = FilterFrame(frame);
        av_frame_free(&frame);
        if (!filtered)
            return Fail();
    }
    if (drain_ && !failed_ && !FilterEnd())
        return Fail();
    filtered_.Close();
}

void VideoStage::EncodeLoop()
{
    while (AVFrame *frame = filtered_.Pop()) {
        frame->pict_type = AV_PICTURE_TYPE_NONE;
        const bool encoded = encoder_->Encode(frame);
        av_frame_free(&frame);
        if (!encoded)
            return Fail();
    }
    // After a stop the pictures still inside the encoder are written if that is quick.
    const auto deadline = drain_ ? Clock::time_point::max() : Clock::now() + kStopDrainTime;
    if (!failed_ && !encoder_->DrainUntil(deadline))
        Fail();
}

} // namespace korvid
