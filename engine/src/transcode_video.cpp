#include "transcode_video.h"


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
    abort();
    if (filterThread_.joinable())
        filterThread_.join();
    if (encodeThread_.joinable())
        encodeThread_.join();
}

void VideoStage::start()
{
    filterThread_ = std::thread([this] { guarded(&VideoStage::filterLoop); });
    encodeThread_ = std::thread([this] { guarded(&VideoStage::encodeLoop); });
}

// Nothing may escape a thread's function; a failure there fails the conversion.
void VideoStage::guarded(void (VideoStage::*loop)())
{
    try {
        (this->*loop)();
    } catch (...) {
        failed_ = true;
        abort();
    }
}

bool VideoStage::push(AVFrame *frame)
{
    return decoded_.push(frame) && !failed_;
}

bool VideoStage::finish(bool drain)
{
    drain_ = drain;
    if (!drain) {
        stopping_ = true;
        abort();
    }
    decoded_.close();
    if (filterThread_.joinable())
        filterThread_.join();
    if (encodeThread_.joinable())
        encodeThread_.join();
    return !failed_;
}

void VideoStage::abort()
{
    decoded_.abort();
    filtered_.abort();
}

// A queue that was aborted for a stop is not a failure.
void VideoStage::fail()
{
    if (!stopping_)
        failed_ = true;
    abort();
}

bool VideoStage::buildChain(const AVFrame *firstFrame)
{
    const VideoChainInput input{firstFrame, AV_TIME_BASE_Q, setup_.deinterlace, setup_.lengthSeconds,
                                setup_.subtitles, setup_.orientation};
    std::string error;
    chain_ = FilterChain::create(true, videoSourceArguments(input),
                                 videoFilterChain(input, *setup_.job, setup_.geometry), &error);
    if (!chain_)
        std::fprintf(stderr, "korvid: %s\n", error.c_str());
    return chain_ != nullptr;
}

bool VideoStage::forwardFiltered()
{
    for (;;) {
        AVFrame *frame = av_frame_alloc();
        const int status = frame ? chain_->pull(frame) : AVERROR(ENOMEM);
        if (status < 0) {
            av_frame_free(&frame);
            return status == AVERROR(EAGAIN) || status == AVERROR_EOF;
        }
        frame->pts = av_rescale_q(frame->pts, av_buffersink_get_time_base(chain_->sink()),
                                  encoder_->context()->time_base);
        if (!filtered_.push(frame))
            return false;
    }
}

bool VideoStage::filterFrame(AVFrame *frame)
{
    if (!chain_ && !buildChain(frame))
        return false;
    endPts_ = std::max(endPts_, frame->pts + std::max<int64_t>(frame->pkt_duration, 1));
    return chain_->push(frame) && forwardFiltered();
}

bool VideoStage::filterEnd()
{
    return !chain_ || (chain_->close(endPts_) && forwardFiltered());
}

void VideoStage::filterLoop()
{
    while (AVFrame *frame = decoded_.pop()) {
        const bool filtered = filterFrame(frame);
        av_frame_free(&frame);
        if (!filtered)
            return fail();
    }
    if (drain_ && !failed_ && !filterEnd())
        return fail();
    filtered_.close();
}

void VideoStage::encodeLoop()
{
    while (AVFrame *frame = filtered_.pop()) {
        frame->pict_type = AV_PICTURE_TYPE_NONE;
        const bool encoded = encoder_->encode(frame);
        av_frame_free(&frame);
        if (!encoded)
            return fail();
    }
    // After a stop the pictures still inside the encoder are written if that is quick.
    const auto deadline = drain_ ? Clock::time_point::max() : Clock::now() + kStopDrainTime;
    if (!failed_ && !encoder_->drainUntil(deadline))
        fail();
}

} // namespace korvid
