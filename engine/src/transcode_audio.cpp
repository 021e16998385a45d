#include "transcode_audio.h"

#include "convert_progress.h"
#include "frame_pointer.h"

#include <cstdio>

extern "C" {
#include <libavfilter/buffersink.h>
}

namespace korvid {

AudioStage::AudioStage(const Setup &setup, std::unique_ptr<StreamEncoder> encoder)
    : setup_(setup), encoder_(std::move(encoder))
{
}

bool AudioStage::buildChain(const AVFrame *firstFrame)
{
    const AudioChainInput input{firstFrame, setup_.forceSync, setup_.volumeDb, setup_.lengthSeconds};
    const AVCodecContext *encoder = encoder_->context();
    std::string error;
    chain_ = FilterChain::create(false, audioSourceArguments(input), audioFilterChain(input, encoder), &error);
    if (!chain_) {
        std::fprintf(stderr, "korvid: %s\n", error.c_str());
        return false;
    }
    if (!(encoder->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) && encoder->frame_size > 0)
        av_buffersink_set_frame_size(chain_->sink(), encoder->frame_size);
    return true;
}

bool AudioStage::encodeFiltered()
{
    FramePointer frame(av_frame_alloc());
    const AVRational timeBase = encoder_->context()->time_base;
    for (;;) {
        const int status = chain_->pull(frame.get());
        if (status == AVERROR(EAGAIN) || status == AVERROR_EOF)
            return true;
        if (status < 0)
            return false;
        frame->pts = av_rescale_q(frame->pts, av_buffersink_get_time_base(chain_->sink()), timeBase);
        if (setup_.reportsProgress)
            conversionProgress().frameEncoded(double(frame->pts) * av_q2d(timeBase));
        const bool encoded = encoder_->encode(frame.get());
        av_frame_unref(frame.get());
        if (!encoded)
            return false;
    }
}

bool AudioStage::push(AVFrame *frame)
{
    if (!chain_ && !buildChain(frame))
        return false;
    return chain_->push(frame) && encodeFiltered();
}

bool AudioStage::finish()
{
    if (!chain_)
        return encoder_->encode(nullptr);
    return chain_->push(nullptr) && encodeFiltered() && encoder_->encode(nullptr);
}

} // namespace korvid
