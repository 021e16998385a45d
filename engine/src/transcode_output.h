#pragma once
// The output file: a muxer that several pipeline threads write encoded packets
// to. A file that is not finished is removed, so a failed conversion leaves
// nothing half-written behind.

#include "convert_job.h"

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
    static std::unique_ptr<OutputFile> create(const ConversionJob &job, std::string *error);
    ~OutputFile();   // removes the file unless finish() succeeded
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    const AVOutputFormat *format() const { return context_->oformat; }
    bool needsGlobalHeader() const { return context_->oformat->flags & AVFMT_GLOBALHEADER; }

    // Adds a stream for an opened encoder; returns its index or -1.
    int addStream(const AVCodecContext *encoder);
    // Opens the file and writes the header.
    bool begin(std::string *error);
    // Writes one packet (timestamps in `timeBase`) of stream `index`; thread-safe.
    bool write(AVPacket *packet, int index, AVRational timeBase);
    // Writes the trailer and closes the file.
    bool finish();

private:
    OutputFile() = default;
    void setMetadata(const ConversionJob &job);
    void setMuxerOptions(const ConversionJob &job);

    AVFormatContext *context_ = nullptr;
    AVDictionary *muxerOptions_ = nullptr;
    std::string path_;
    std::mutex writeMutex_;
    bool opened_ = false;
    bool finished_ = false;
};

} // namespace korvid
