#pragma once
// One encoder feeding one stream of the output file.

#include "TranscodeOutput.h"

#include <chrono>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace korvid {

class StreamEncoder {
public:
    // Takes ownership of an opened encoder and adds its stream to `output`.
    // With `reportsProgress` every written packet counts as a frame of progress.
    static std::unique_ptr<StreamEncoder> Attach(AVCodecContext *encoder, OutputFile &output, bool reportsProgress);
    ~StreamEncoder();
    StreamEncoder(const StreamEncoder &) = delete;
    StreamEncoder &operator=(const StreamEncoder &) = delete;

    AVCodecContext *Context() const { return encoder_; }

    // Encodes one frame (timestamps in the encoder's time base) and writes what
    // comes out. Null drains the encoder. False on an encoder or write error.
    bool Encode(const AVFrame *frame);
    // Drains the encoder but gives up on what is still inside at `deadline`.
    bool DrainUntil(std::chrono::steady_clock::time_point deadline);

private:
    StreamEncoder(AVCodecContext *encoder, OutputFile &output, int index, bool reportsProgress)
        : encoder_(encoder), output_(output), index_(index), reportsProgress_(reportsProgress) {}
    bool WritePendingPackets(std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max());

    AVCodecContext *encoder_;
    OutputFile &output_;
    int index_;
    bool reportsProgress_;
    AVPacket *packet_ = av_packet_alloc();
};

} // namespace korvid
