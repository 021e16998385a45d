#pragma once
// One encoder feeding one stream of the output file.

#include "transcode_output.h"

#include <chrono>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace korvid {

class StreamEncoder {
public:
    // Takes ownership of an opened encoder and adds its stream to `output`.
    static std::unique_ptr<StreamEncoder> attach(AVCodecContext *encoder, OutputFile &output);
    ~StreamEncoder();
    StreamEncoder(const StreamEncoder &) = delete;
    StreamEncoder &operator=(const StreamEncoder &) = delete;

    AVCodecContext *context() const { return encoder_; }

    // Encodes one frame (timestamps in the encoder's time base) and writes what
    // comes out. Null drains the encoder. False on an encoder or write error.
    bool encode(const AVFrame *frame);
    // Drains the encoder but gives up on what is still inside at `deadline`.
    bool drainUntil(std::chrono::steady_clock::time_point deadline);

private:
    StreamEncoder(AVCodecContext *encoder, OutputFile &output, int index)
        : encoder_(encoder), output_(output), index_(index) {}
    bool writePendingPackets(std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max());

    AVCodecContext *encoder_;
    OutputFile &output_;
    int index_;
    AVPacket *packet_ = av_packet_alloc();
};

} // namespace korvid
