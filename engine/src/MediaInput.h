#pragma once
// MediaInput: the input side of the engine, shared by the probe, the frame
// service and the transcoder.
//
//   auto input = MediaInput::Open(path, options, &error);   // null on failure
//   input->VideoStream() / AudioStream()   chosen streams (null when absent)
//   input->VideoDecoder() / AudioDecoder() opened decoders (null when absent)
//   input->ReceiveFrame(frame, &kind)      next decoded frame of either stream,
//                                          in file order; End after both drain
//   input->SecondsOf(frame, kind)          frame time on the file's own timeline
//   input->SeekTo(seconds)                 positions both streams before that
//                                          second (decoders flushed); transport and
//                                          program streams seek by byte position and
//                                          may land late: check the first frame; near
//                                          their first picture they start at byte 0
//   input->DecodeVideoAt(seconds, frame)   accurate seek: the picture shown at
//                                          that second (the last one past the end);
//                                          a later second that a seek would reach
//                                          no sooner is decoded onward instead
//   input->YieldWhen(&flag)                decodeVideoAt gives way (false, no picture)
//                                          between packets once the flag is set,
//                                          keeping its place for a later second
//   input->KeepPassedSeconds(&list)        decodeVideoAt adds the whole seconds
//                                          before its target whose shown picture
//                                          it decoded on the way
//
// Timeline: the file's first timestamp (the container's start time) is second 0;
// OriginTicks() gives it in AV_TIME_BASE units. Decoded video frames always carry
// a chroma location (the stream's when the decoder leaves it unspecified), so
// scalers can honour chroma siting.
//
// Stream choice (identifiers as MediaInfo reports them):
//   videoStreamId -1 or 0: first video stream; else the stream whose id equals
//   it, with MPEG program-stream ids mapped (video 224 = 0xE0 is FFmpeg's 0x1E0).
//   audioTrack -1: first audio stream; Matroska: 0-based position among the audio
//   streams; else the stream whose id equals it (MP4 track ID, TS PID, PS stream
//   id: MPEG audio 0xC0 is FFmpeg's 0x1C0; 189 = private stream 0xBD means its
//   first sub-stream from 0x80 up; a sub-stream id 0x80.. matches directly).
//   No match falls back to the first stream of the kind.
//
// Limits: only regular files are opened; opening gives up after kOpenSeconds, and
// a deadline set with SetDeadline() ends reads and decoding like a stop does
// (TimedOut() then tells them apart). Pictures beyond the size limits are refused.
//
// Threads: the object is not shared between threads, except RequestStop(), which
// any thread may call to make blocking reads and decoding return promptly.
// Everything is released by the destructor; no thread outlives the object.

#include "FramePointer.h"
#include "Mp4EditLists.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace korvid {

struct MediaInputOptions {
    int decoderThreads = 1;     // 0 = let FFmpeg choose
    int videoStreamId = -1;
    int audioTrack = -1;
    bool openVideo = true;
    bool openAudio = true;
    // Only the first picture is wanted (the probe): H.264 from containers that
    // store whole pictures is drained right after the first keyframe, so the
    // decoder gives it without first decoding the frames it would wait for.
    bool firstPictureOnly = false;
    // False for readers of the pictures and the timeline only (the probe, the
    // frame service): MP4 and QuickTime files whose edit lists only move their
    // tracks' starts then open without FFmpeg rebuilding their sample index. The
    // pictures, their times and every stream's start stay the same; only an
    // audio track's trimmed end is not cut off.
    bool exactAudioEdits = true;
    // A stop flag of the caller's besides RequestStop(), seen during the open too.
    const std::atomic<bool> *outsideStop = nullptr;
};

enum class StreamKind { Video, Audio };
enum class DecodeStatus { Frame, End, Error, Stopped, Yielded };

// A whole second that an accurate seek passed, and the picture shown at it.
struct PassedSecond {
    int second;
    FramePointer picture;
};

class MediaInput {
public:
    static std::unique_ptr<MediaInput> Open(const std::string &path, const MediaInputOptions &options,
                                            std::string *error = nullptr);
    ~MediaInput();
    MediaInput(const MediaInput &) = delete;
    MediaInput &operator=(const MediaInput &) = delete;

    AVFormatContext *Format() const { return format_; }
    AVStream *VideoStream() const { return videoStream_; }
    AVStream *AudioStream() const { return audioStream_; }
    AVCodecContext *VideoDecoder() const { return videoDecoder_; }
    AVCodecContext *AudioDecoder() const { return audioDecoder_; }

    int64_t OriginTicks() const { return originTicks_; }       // AV_TIME_BASE units
    double DurationSeconds() const;                            // 0 when unknown
    double VideoFrameRate() const;                             // 0 when unknown
    bool SeeksByPosition() const;   // MPEG program and transport streams: no index

    // Next decoded frame of the chosen streams. `frame` is unreferenced first.
    DecodeStatus ReceiveFrame(AVFrame *frame, StreamKind *kind);
    // Seconds of a timestamp (in the stream's time base) on the file's timeline.
    double SecondsOf(int64_t timestamp, StreamKind kind) const;
    double SecondsOf(const AVFrame *frame, StreamKind kind) const;
    // Repositions before `seconds` (the keyframe at or before it where the
    // container has an index; streams that seek by position start a second earlier).
    bool SeekTo(double seconds);
    // Accurate seek on the video stream; false when no picture could be decoded.
    // *reachedEnd is set when the picture is the last one because the file ended.
    bool DecodeVideoAt(double seconds, AVFrame *picture, bool *reachedEnd = nullptr);

    // While the flag is set, accurate seeks give way at the next packet; null: never.
    // Unlike a stop, the decoder stays usable and a later second decodes onward.
    void YieldWhen(const std::atomic<bool> *flag) { yieldFlag_ = flag; }
    bool Yielded() const { return yielded_; }
    // While set, accurate seeks add the seconds they pass to the list; null: none.
    // Only pictures decoded anyway are added: a second whose picture nothing
    // refers to, and that was left out, is not.
    void KeepPassedSeconds(std::vector<PassedSecond> *passed) { passed_ = passed; }

    void RequestStop() { stopRequested_ = true; }
    bool StopRequested() const { return stopRequested_; }

    // Reads and decoding end once `seconds` from now have passed.
    void SetDeadline(double seconds);
    void ClearDeadline();
    bool TimedOut() const { return timedOut_; }

private:
    MediaInput() = default;
    bool OpenFile(const std::string &path, bool simpleEditListsAllowed, std::string *error);
    bool OpenFormat(const std::string &path, bool simpleEditLists, std::string *error);
    bool AudioStartsKept(const std::vector<TrackEdits> &tracks) const;
    bool ChooseStreams(const MediaInputOptions &options);
    bool OpenDecoders(const MediaInputOptions &options, std::string *error);
    void ComputeOrigin();
    bool TakeDecodedFrame(AVFrame *frame, StreamKind *kind, bool *allDrained);
    DecodeStatus FeedNextPacket();
    bool DrainsFirstKeyframe() const;
    bool EndedEarlyAfterDraining(int receiveResult);
    void FlushDecoders();
    void CompleteVideoFrame(AVFrame *frame);
    bool SeekVideoBefore(int64_t timestamp);
    bool SeekToFirstByte();
    int64_t FirstPictureTicks() const;
    DecodeStatus DecodeVideoFrame(AVFrame *frame, int64_t skipNonReferenceBefore);
    DecodeStatus NextVideoFrame(AVFrame *frame, int64_t skipNonReferenceBefore);
    int DecodeVideoUntil(int64_t target, int64_t skipBefore, AVFrame *picture, bool usable, bool *ended);
    int SeekAndDecodeUntil(int64_t target, int64_t skipBefore, AVFrame *picture, bool *ended);
    bool CanDecodeOnwardTo(int64_t target) const;
    void RememberDecodingPlace(const AVFrame *picture, int64_t onwardFrom);
    void ForgetDecodingPlace();
    void KeepSecondsShownBy(const AVFrame *shown, int64_t nextTimestamp, int64_t target);
    int64_t VideoTicks(double seconds) const;
    int64_t TimelineTimestamp(double seconds) const;
    AVCodecContext *DecoderFor(int streamIndex) const;
    static int InterruptCallback(void *self);
    bool Interrupted();
    bool RefuseHugePicture(std::string *error) const;

    AVFormatContext *format_ = nullptr;
    AVStream *videoStream_ = nullptr;
    AVStream *audioStream_ = nullptr;
    AVCodecContext *videoDecoder_ = nullptr;
    AVCodecContext *audioDecoder_ = nullptr;
    AVPacket *packet_ = nullptr;
    int64_t originTicks_ = 0;
    bool demuxerDrained_ = false;
    bool drainAtFirstKeyframe_ = false;
    int64_t lastVideoTimestamp_ = AV_NOPTS_VALUE;
    // Where the last accurate seek left the decoder: its picture and the first
    // frame after it, already decoded. Empty after any other positioning.
    FramePointer lastPicture_;
    FramePointer heldFrame_;
    // The earliest target that may decode onward from that place: the picture's
    // own time, or the target of a seek that gave way (pictures before it that
    // nothing refers to may have been left out).
    int64_t onwardFrom_ = AV_NOPTS_VALUE;
    const std::atomic<bool> *yieldFlag_ = nullptr;
    bool yielded_ = false;
    std::vector<PassedSecond> *passed_ = nullptr;
    // Times of the frames read since the last repositioning that may have been
    // left out undecoded (those before the last picture given are dropped now and then).
    std::vector<int64_t> leftOut_;
    std::atomic<bool> stopRequested_{false};
    const std::atomic<bool> *outsideStop_ = nullptr;
    std::atomic<int64_t> deadlineNanoseconds_{0};   // steady clock; 0: none
    std::atomic<bool> timedOut_{false};
};

} // namespace korvid
