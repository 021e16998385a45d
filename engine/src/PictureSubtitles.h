#pragma once
// Picture subtitles (DVD and Blu-ray bitmaps) drawn into decoded pictures.
// The subtitle stream is read by a demuxer of its own, kept just ahead of the
// pictures, so the main input needs to know nothing of it. Each subtitle is
// drawn at its own time and place on its canvas (the stream's frame, else the
// picture), stretched to the picture, before the picture is scaled.
//
// Threads: used by the conversion's reading thread only.

#include "FramePointer.h"
#include "SubtitleBitmap.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace korvid {

// Whether a stream's subtitles are pictures rather than text.
bool IsPictureSubtitle(const AVCodecParameters *parameters);

class PictureSubtitles {
public:
    // The subtitles of stream `streamIndex` of `file`, on the timeline whose second 0
    // is `originTicks` (AV_TIME_BASE units), read from shortly before `startSeconds`.
    // Null with *error set when the stream cannot be read.
    static std::unique_ptr<PictureSubtitles> Open(const std::string &file, int streamIndex, int64_t originTicks,
                                                  double startSeconds, std::string *error);
    ~PictureSubtitles();
    PictureSubtitles(const PictureSubtitles &) = delete;
    PictureSubtitles &operator=(const PictureSubtitles &) = delete;

    // Draws the subtitle shown at `seconds` into `picture`, which becomes a
    // writable 8-bit planar YUV picture (converted when it was another format,
    // every time, so all pictures of a conversion share one format). False with
    // error() set when the picture or the subtitle stream cannot be used.
    bool DrawInto(AVFrame *picture, double seconds);
    const std::string &Error() const { return error_; }

private:
    struct Subtitle {
        double start = 0;
        double end = 0;                          // infinity until the next one ends it
        std::vector<SubtitleBitmap> onCanvas;
        std::vector<SubtitleBitmap> onPicture;   // stretched to the pictures, made on first use
    };

    PictureSubtitles() = default;
    bool OpenStream(const std::string &file, int streamIndex, double startSeconds);
    bool ReadUpTo(double seconds);
    bool DecodePacket();
    void AddSubtitle(const AVSubtitle &subtitle, double packetSeconds, double packetDuration);
    Subtitle *ShownAt(double seconds);
    bool Fail(const std::string &reason);

    AVFormatContext *format_ = nullptr;
    AVCodecContext *decoder_ = nullptr;
    AVStream *stream_ = nullptr;
    AVPacket *packet_ = nullptr;
    int64_t originTicks_ = 0;
    double readUntil_ = -1e300;      // every subtitle starting up to here is known
    bool streamEnded_ = false;
    int decoded_ = 0;
    int undecodable_ = 0;
    std::deque<Subtitle> subtitles_;
    std::string error_;
};

} // namespace korvid
