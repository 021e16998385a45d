#pragma once
// The output file: a muxer that several pipeline threads write encoded packets
// to. It is written under a temporary name and takes the target's name only
// once finished, so a failed, stopped-empty or killed conversion leaves nothing
// under the target's name, and an existing file there is never touched.

#include "ConvertJob.h"
#include "OutputPlace.h"

#include <memory>
#include <mutex>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace korvid {

class OutputFile {
public:
    static std::unique_ptr<OutputFile> Create(const ConversionJob &job, std::string *error);
    ~OutputFile();   // removes the temporary file unless finish() succeeded
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    const AVOutputFormat *Format() const { return context_->oformat; }
    bool NeedsGlobalHeader() const { return context_->oformat->flags & AVFMT_GLOBALHEADER; }

    // Adds a stream for an opened encoder; returns its index or -1.
    int AddStream(const AVCodecContext *encoder);
    // Opens the file and writes the header.
    bool Begin(std::string *error);
    // Writes one packet (timestamps in `timeBase`) of stream `index`; thread-safe.
    bool Write(AVPacket *packet, int index, AVRational timeBase);
    // Writes the trailer, closes the file and gives it the target's name.
    bool Finish(std::string *error);
    // Whether a packet of the main stream (the video, else the audio) was written.
    bool WroteMainStream() const;

private:
    OutputFile() = default;
    void SetMetadata(const ConversionJob &job);
    void SetMuxerOptions(const ConversionJob &job);

    AVFormatContext *context_ = nullptr;
    AVDictionary *muxerOptions_ = nullptr;
    std::unique_ptr<OutputPlace> place_;
    mutable std::mutex writeMutex_;
    bool wroteVideo_ = false;
    bool wroteAudio_ = false;
    bool opened_ = false;
    bool finished_ = false;
};

} // namespace korvid
