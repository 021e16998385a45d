#include "TranscodeAudio.h"

#include "FramePointer.h"

#include <algorithm>
#include <cstdio>

extern "C" {
#include <libavfilter/buffersink.h>
}

namespace korvid {

AudioStage::AudioStage(const Setup &setup, std::unique_ptr<StreamEncoder> encoder)
    : setup_(setup), encoder_(std::move(encoder))
{
}

AudioStage::~AudioStage()
{
    av_channel_layout_uninit(&inputLayout_);
}

bool AudioStage::SameFormat(const AVFrame &frame) const
{
    return frame.format == inputFormat_ && frame.sample_rate == inputRate_ &&
           av_channel_layout_compare(&frame.ch_layout, &inputLayout_) == 0;
}

bool AudioStage::BuildChain(const AVFrame *firstFrame)
{
    inputFormat_ = firstFrame->format;
    inputRate_ = firstFrame->sample_rate;
    av_channel_layout_uninit(&inputLayout_);
    av_channel_layout_copy(&inputLayout_, &firstFrame->ch_layout);
    const AudioChainInput input{firstFrame, setup_.forceSync, setup_.volumeDb, setup_.lengthSeconds, !chain_};
    const AVCodecContext *encoder = encoder_->Context();
    std::string error;
    chain_ = FilterChain::Create(false, AudioSourceArguments(input), AudioFilterChain(input, encoder), &error);
    if (!chain_) {
        std::fprintf(stderr, "korvid: %s\n", error.c_str());
        return false;
    }
    if (!(encoder->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) && encoder->frame_size > 0)
        av_buffersink_set_frame_size(chain_->Sink(), encoder->frame_size);
    return true;
}

bool AudioStage::EncodeFiltered()
{
    FramePointer frame(av_frame_alloc());
    const AVRational timeBase = encoder_->Context()->time_base;
    for (;;) {
        const int status = chain_->Pull(frame.get());
        if (status == AVERROR(EAGAIN) || status == AVERROR_EOF)
            return true;
        if (status < 0)
            return false;
        frame->pts = av_rescale_q(frame->pts, av_buffersink_get_time_base(chain_->Sink()), timeBase);
        // A chain built for a new format may overlap the previous one by a few samples.
        frame->pts = std::max(frame->pts, nextPts_);
        nextPts_ = frame->pts + frame->nb_samples;
        const bool encoded = encoder_->Encode(frame.get());
        av_frame_unref(frame.get());
        if (!encoded)
            return false;
    }
}

// Streams whose rate or channels change on the way (broadcast recordings) get a
// new chain for the new format; the timestamps keep the two joined.
bool AudioStage::Push(AVFrame *frame)
{
    if (chain_ && !SameFormat(*frame) && !(chain_->Push(nullptr) && EncodeFiltered()))
        return false;
    if ((!chain_ || !SameFormat(*frame)) && !BuildChain(frame))
        return false;
    return chain_->Push(frame) && EncodeFiltered();
}

bool AudioStage::Finish()
{
    if (!chain_)
        return encoder_->Encode(nullptr);
    return chain_->Push(nullptr) && EncodeFiltered() && encoder_->Encode(nullptr);
}

} // namespace korvid
