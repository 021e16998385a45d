#include "TranscodeEncoder.h"

#include "ConvertProgress.h"

namespace korvid {

std::unique_ptr<StreamEncoder> StreamEncoder::Attach(AVCodecContext *encoder, OutputFile &output,
                                                     bool reportsProgress)
{
    const int index = output.AddStream(encoder);
    if (index < 0) {
        avcodec_free_context(&encoder);
        return nullptr;
    }
    return std::unique_ptr<StreamEncoder>(new StreamEncoder(encoder, output, index, reportsProgress));
}

StreamEncoder::~StreamEncoder()
{
    av_packet_free(&packet_);
    avcodec_free_context(&encoder_);
}

bool StreamEncoder::Encode(const AVFrame *frame)
{
    const int status = avcodec_send_frame(encoder_, frame);
    if (status < 0 && status != AVERROR_EOF)
        return false;
    return WritePendingPackets();
}

bool StreamEncoder::DrainUntil(std::chrono::steady_clock::time_point deadline)
{
    const int status = avcodec_send_frame(encoder_, nullptr);
    if (status < 0 && status != AVERROR_EOF)
        return false;
    return WritePendingPackets(deadline);
}

bool StreamEncoder::WritePendingPackets(std::chrono::steady_clock::time_point deadline)
{
    while (std::chrono::steady_clock::now() < deadline) {
        const int status = avcodec_receive_packet(encoder_, packet_);
        if (status == AVERROR(EAGAIN) || status == AVERROR_EOF)
            return true;
        if (status < 0)
            return false;
        if (reportsProgress_)
            SharedConversionProgress().FrameEncoded(double(packet_->pts + packet_->duration) * av_q2d(encoder_->time_base));
        if (!output_.Write(packet_, index_, encoder_->time_base))
            return false;
    }
    return true;
}

} // namespace korvid
