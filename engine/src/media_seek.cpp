// Seeking of MediaInput: positioning, and the accurate seek that returns the
// picture shown at a given second.
#include "media_input.h"

#include "frame_pointer.h"
#include "media_input_disposable.h"

#include <algorithm>
#include <cmath>

namespace korvid {
namespace {

// Program and transport streams seek by byte position and land up to half a
// group of pictures late; they start this much earlier (further back when late).
constexpr double kPositionSeekPrerollSeconds = 1.0;
constexpr double kPrerollGrowth = 4.0;
constexpr int kSeekAttempts = 5;

int64_t frameTimestamp(const AVFrame *frame) {
    return frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
}

bool isDamaged(const AVFrame *frame) {
    return (frame->flags & AV_FRAME_FLAG_CORRUPT) || frame->decode_error_flags != 0;
}

enum class SeekOutcome { Found, LandedLate, Nothing };

} // namespace

bool MediaInput::seekTo(double seconds) {
    double preroll = seeksByPosition() ? kPositionSeekPrerollSeconds : 0.0;
    int64_t target = originTicks_ + static_cast<int64_t>((seconds - preroll) * AV_TIME_BASE);
    int result = avformat_seek_file(format_, -1, INT64_MIN, target, target, 0);
    if (result < 0)
        result = av_seek_frame(format_, -1, 0, AVSEEK_FLAG_BYTE);
    flushDecoders();
    return result >= 0;
}

// Positions the demuxer at a keyframe at or before `timestamp` (video time
// base); false when the container cannot seek there and it restarted instead.
bool MediaInput::seekVideoBefore(int64_t timestamp) {
    int result = avformat_seek_file(format_, videoStream_->index, INT64_MIN, timestamp, timestamp, 0);
    if (result < 0)
        result = av_seek_frame(format_, videoStream_->index, timestamp, AVSEEK_FLAG_BACKWARD);
    if (result < 0)
        av_seek_frame(format_, -1, 0, AVSEEK_FLAG_BYTE);
    flushDecoders();
    return result >= 0;
}

// Decodes the next video frame, ignoring audio. Packets shown before
// `skipNonReferenceBefore` need not be decoded unless other frames refer to them:
// those known from their bytes never reach the decoder, the decoder skips the rest.
DecodeStatus MediaInput::decodeVideoFrame(AVFrame *frame, int64_t skipNonReferenceBefore) {
    for (;;) {
        if (stopRequested_)
            return DecodeStatus::Stopped;
        int result = avcodec_receive_frame(videoDecoder_, frame);
        if (result == 0) {
            completeVideoFrame(frame);
            return DecodeStatus::Frame;
        }
        if (result == AVERROR_EOF || demuxerDrained_)
            return DecodeStatus::End;
        result = av_read_frame(format_, packet_);
        if (result == AVERROR_EXIT || stopRequested_)
            return DecodeStatus::Stopped;
        if (result < 0) {
            demuxerDrained_ = true;
            avcodec_send_packet(videoDecoder_, nullptr);
            continue;
        }
        if (packet_->stream_index == videoStream_->index) {
            bool early = packet_->pts != AV_NOPTS_VALUE && packet_->pts < skipNonReferenceBefore;
            if (!early || !isDisposablePacket(videoStream_->codecpar, packet_)) {
                videoDecoder_->skip_frame = early ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
                avcodec_send_packet(videoDecoder_, packet_);
            }
        }
        av_packet_unref(packet_);
    }
}

// Decodes from the current position up to `target`: the picture is the last
// frame shown at or before it, or the first frame when every frame is later.
int MediaInput::decodeVideoUntil(int64_t target, int64_t skipBefore, AVFrame *picture, AVFrame *scratch,
                                 bool *ended) {
    av_frame_unref(picture);
    bool usable = false;
    for (;;) {
        DecodeStatus status = decodeVideoFrame(scratch, skipBefore);
        if (status != DecodeStatus::Frame) {
            *ended = status == DecodeStatus::End;
            return static_cast<int>(usable ? SeekOutcome::Found : SeekOutcome::Nothing);
        }
        if (!usable && isDamaged(scratch))
            continue;
        int64_t timestamp = frameTimestamp(scratch);
        if (timestamp != AV_NOPTS_VALUE && timestamp > target) {
            if (usable)
                return static_cast<int>(SeekOutcome::Found);
            av_frame_move_ref(picture, scratch);
            return static_cast<int>(SeekOutcome::LandedLate);
        }
        av_frame_unref(picture);
        av_frame_move_ref(picture, scratch);
        usable = true;
    }
}

int64_t MediaInput::videoTicks(double seconds) const {
    return av_rescale_q(std::llround(seconds * AV_TIME_BASE), AV_TIME_BASE_Q, videoStream_->time_base);
}

bool MediaInput::decodeVideoAt(double seconds, AVFrame *picture, bool *reachedEnd) {
    if (!videoStream_)
        return false;
    const int64_t target = videoTicks(seconds + originTicks_ / static_cast<double>(AV_TIME_BASE));
    const double frameRate = videoFrameRate();
    const int64_t skipBefore = target - videoTicks(2 / (frameRate > 0 ? frameRate : 25.0));
    const int64_t firstTimestamp = videoStream_->start_time != AV_NOPTS_VALUE ? videoStream_->start_time : INT64_MIN;
    FramePointer scratch(av_frame_alloc());
    double preroll = seeksByPosition() ? kPositionSeekPrerollSeconds : 0.0;
    bool ended = false;
    SeekOutcome outcome = SeekOutcome::Nothing;
    for (int attempt = 0; attempt < kSeekAttempts && !stopRequested_; ++attempt) {
        int64_t seekTarget = target - videoTicks(preroll);
        bool fromStart = attempt + 1 == kSeekAttempts || seekTarget <= firstTimestamp;
        if (fromStart && firstTimestamp != INT64_MIN)
            seekTarget = std::min(seekTarget, firstTimestamp);
        fromStart = !seekVideoBefore(seekTarget) || fromStart;
        outcome = static_cast<SeekOutcome>(decodeVideoUntil(target, skipBefore, picture, scratch.get(), &ended));
        videoDecoder_->skip_frame = AVDISCARD_DEFAULT;
        // Landing after the target (or past the stream's end) means: go further back.
        if (outcome == SeekOutcome::Found || fromStart)
            break;
        preroll = std::max(kPositionSeekPrerollSeconds, preroll * kPrerollGrowth);
    }
    if (reachedEnd)
        *reachedEnd = ended;
    return outcome != SeekOutcome::Nothing && !stopRequested_;
}

} // namespace korvid
