// Seeking of MediaInput: positioning, and the accurate seek that returns the
// picture shown at a given second.
#include "MediaInput.h"

#include "FramePointer.h"
#include "MediaInputDisposable.h"

#include <algorithm>
#include <cmath>

namespace korvid {
namespace {

// Program and transport streams seek by byte position and land up to half a
// group of pictures late; they start this much earlier (further back when late).
constexpr double kPositionSeekPrerollSeconds = 1.0;
constexpr double kPrerollGrowth = 4.0;
constexpr int kSeekAttempts = 5;
// A picture shown longer than this (a still) passes on no more seconds than this.
constexpr int kMostPassedSecondsPerPicture = 30;
// Decoding onward through a long group of pictures drops the left-out times
// already behind it once there are this many.
constexpr size_t kMostLeftOutTimes = 512;

int64_t FrameTimestamp(const AVFrame *frame) {
    return frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
}

bool IsDamaged(const AVFrame *frame) {
    return (frame->flags & AV_FRAME_FLAG_CORRUPT) || frame->decode_error_flags != 0;
}

enum class SeekOutcome { Found, LandedLate, Nothing };

} // namespace

bool MediaInput::SeekTo(double seconds) {
    const bool byPosition = SeeksByPosition();
    double preroll = byPosition ? kPositionSeekPrerollSeconds : 0.0;
    int64_t target = originTicks_ + static_cast<int64_t>((seconds - preroll) * AV_TIME_BASE);
    if (byPosition && target <= FirstPictureTicks())
        return SeekToFirstByte();
    int result = avformat_seek_file(format_, -1, INT64_MIN, target, target, 0);
    if (result < 0)
        result = av_seek_frame(format_, -1, 0, AVSEEK_FLAG_BYTE);
    FlushDecoders();
    return result >= 0;
}

// Positions the demuxer at a keyframe at or before `timestamp` (video time
// base); false when the container cannot seek there and it restarted instead.
bool MediaInput::SeekVideoBefore(int64_t timestamp) {
    int result = avformat_seek_file(format_, videoStream_->index, INT64_MIN, timestamp, timestamp, 0);
    if (result < 0)
        result = av_seek_frame(format_, videoStream_->index, timestamp, AVSEEK_FLAG_BACKWARD);
    if (result < 0)
        av_seek_frame(format_, -1, 0, AVSEEK_FLAG_BYTE);
    FlushDecoders();
    return result >= 0;
}

// When the first picture is shown, in AV_TIME_BASE units (the origin without video).
int64_t MediaInput::FirstPictureTicks() const {
    if (!videoStream_ || videoStream_->start_time == AV_NOPTS_VALUE)
        return originTicks_;
    return std::max(originTicks_, av_rescale_q(videoStream_->start_time, videoStream_->time_base, AV_TIME_BASE_Q));
}

// Byte-seeked streams find a time by the packets' decoding times, which begin
// before the first picture is shown: only the first byte is surely the start.
bool MediaInput::SeekToFirstByte() {
    int result = av_seek_frame(format_, -1, 0, AVSEEK_FLAG_BYTE);
    FlushDecoders();
    return result >= 0;
}

// Decodes the next video frame, ignoring audio. Packets shown before
// `skipNonReferenceBefore` need not be decoded unless other frames refer to them:
// those known from their bytes never reach the decoder, the decoder skips the rest.
DecodeStatus MediaInput::DecodeVideoFrame(AVFrame *frame, int64_t skipNonReferenceBefore) {
    for (;;) {
        if (Interrupted())
            return DecodeStatus::Stopped;
        // Only here, between packets: a read cut short could lose a packet.
        if (yieldFlag_ && *yieldFlag_)
            return DecodeStatus::Yielded;
        int result = avcodec_receive_frame(videoDecoder_, frame);
        if (result == 0) {
            CompleteVideoFrame(frame);
            return DecodeStatus::Frame;
        }
        if (result == AVERROR_EOF || demuxerDrained_)
            return DecodeStatus::End;
        result = av_read_frame(format_, packet_);
        if (result == AVERROR_EXIT || Interrupted())
            return DecodeStatus::Stopped;
        if (result < 0) {
            demuxerDrained_ = true;
            avcodec_send_packet(videoDecoder_, nullptr);
            continue;
        }
        if (packet_->stream_index == videoStream_->index) {
            bool early = packet_->pts != AV_NOPTS_VALUE && packet_->pts < skipNonReferenceBefore;
            if (early)
                leftOut_.push_back(packet_->pts);
            if (!early || !IsDisposablePacket(videoStream_->codecpar, packet_)) {
                videoDecoder_->skip_frame = early ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
                avcodec_send_packet(videoDecoder_, packet_);
            }
        }
        av_packet_unref(packet_);
    }
}

// The frame held back by the last accurate seek, else the next decoded one.
DecodeStatus MediaInput::NextVideoFrame(AVFrame *frame, int64_t skipNonReferenceBefore) {
    if (heldFrame_ && heldFrame_->buf[0]) {
        av_frame_move_ref(frame, heldFrame_.get());
        return DecodeStatus::Frame;
    }
    return DecodeVideoFrame(frame, skipNonReferenceBefore);
}

// Decodes from the current position up to `target`: the picture is the last
// frame shown at or before it, or the first frame when every frame is later.
// A picture passed in as usable stands until a later frame at or before the
// target replaces it. The first frame after the picture is held back.
int MediaInput::DecodeVideoUntil(int64_t target, int64_t skipBefore, AVFrame *picture, bool usable, bool *ended) {
    if (!usable)
        av_frame_unref(picture);
    FramePointer scratch(av_frame_alloc());
    if (!heldFrame_)
        heldFrame_.reset(av_frame_alloc());
    if (!scratch || !heldFrame_)
        return static_cast<int>(SeekOutcome::Nothing);
    for (;;) {
        DecodeStatus status = NextVideoFrame(scratch.get(), skipBefore);
        if (status != DecodeStatus::Frame) {
            *ended = status == DecodeStatus::End;
            yielded_ = status == DecodeStatus::Yielded;
            return static_cast<int>(usable ? SeekOutcome::Found : SeekOutcome::Nothing);
        }
        int64_t timestamp = FrameTimestamp(scratch.get());
        if (!usable && IsDamaged(scratch.get())) {
            leftOut_.push_back(timestamp);
            continue;
        }
        if (usable)
            KeepSecondsShownBy(picture, timestamp, target);
        // Frames come out in the order they are shown: nothing left out before this one matters any more.
        if (leftOut_.size() > kMostLeftOutTimes && timestamp != AV_NOPTS_VALUE)
            std::erase_if(leftOut_, [timestamp](int64_t leftOut) { return leftOut <= timestamp; });
        if (timestamp != AV_NOPTS_VALUE && timestamp > target) {
            if (usable) {
                av_frame_move_ref(heldFrame_.get(), scratch.get());
                return static_cast<int>(SeekOutcome::Found);
            }
            av_frame_move_ref(picture, scratch.get());
            return static_cast<int>(SeekOutcome::LandedLate);
        }
        av_frame_unref(picture);
        av_frame_move_ref(picture, scratch.get());
        usable = true;
    }
}

// Decoding onward from the last picture costs no more than seeking when the
// keyframe a seek would start from is not after that picture (byte-seeked
// streams: when the target is within the second a seek would start early).
bool MediaInput::CanDecodeOnwardTo(int64_t target) const {
    if (!lastPicture_ || !lastPicture_->buf[0])
        return false;
    const int64_t last = FrameTimestamp(lastPicture_.get());
    if (last == AV_NOPTS_VALUE || onwardFrom_ == AV_NOPTS_VALUE || target < onwardFrom_)
        return false;
    if (SeeksByPosition())
        return target - last <= VideoTicks(kPositionSeekPrerollSeconds);
    int entry = av_index_search_timestamp(videoStream_, target, AVSEEK_FLAG_BACKWARD);
    const AVIndexEntry *keyframe = entry >= 0 ? avformat_index_get_entry(videoStream_, entry) : nullptr;
    return keyframe && keyframe->timestamp <= last;
}

// The picture is shown from its time until the next frame's; the whole seconds
// in between and before the target are passed on, unless a frame left out
// undecoded was shown before one of them.
void MediaInput::KeepSecondsShownBy(const AVFrame *shown, int64_t nextTimestamp, int64_t target) {
    const int64_t from = FrameTimestamp(shown);
    if (!passed_ || from == AV_NOPTS_VALUE || nextTimestamp == AV_NOPTS_VALUE || nextTimestamp <= from)
        return;
    const int first = std::max(0, static_cast<int>(std::floor(SecondsOf(from, StreamKind::Video))));
    for (int second = first; second < first + kMostPassedSecondsPerPicture; ++second) {
        const int64_t timestamp = TimelineTimestamp(second);
        if (timestamp < from)
            continue;
        if (timestamp >= nextTimestamp || timestamp >= target)
            return;
        for (int64_t missing : leftOut_)
            if (missing > from && missing <= timestamp)
                return;
        FramePointer copy(av_frame_clone(shown));
        if (copy)
            passed_->push_back({second, std::move(copy)});
    }
}

void MediaInput::ForgetDecodingPlace() {
    if (heldFrame_)
        av_frame_unref(heldFrame_.get());
    if (lastPicture_)
        av_frame_unref(lastPicture_.get());
    onwardFrom_ = AV_NOPTS_VALUE;
}

// Keeps the picture, so a later seek in reach (from `onwardFrom` on) decodes onward from it.
void MediaInput::RememberDecodingPlace(const AVFrame *picture, int64_t onwardFrom) {
    if (!lastPicture_)
        lastPicture_.reset(av_frame_alloc());
    if (lastPicture_) {
        av_frame_unref(lastPicture_.get());
        onwardFrom_ = onwardFrom;
        if (av_frame_ref(lastPicture_.get(), picture) < 0)
            ForgetDecodingPlace();
    }
}

int64_t MediaInput::VideoTicks(double seconds) const {
    return av_rescale_q(std::llround(seconds * AV_TIME_BASE), AV_TIME_BASE_Q, videoStream_->time_base);
}

// A second of the file's timeline in the video stream's time base.
int64_t MediaInput::TimelineTimestamp(double seconds) const {
    return VideoTicks(seconds + originTicks_ / static_cast<double>(AV_TIME_BASE));
}

bool MediaInput::DecodeVideoAt(double seconds, AVFrame *picture, bool *reachedEnd) {
    if (!videoStream_)
        return false;
    const int64_t target = TimelineTimestamp(seconds);
    const double frameRate = VideoFrameRate();
    const int64_t skipBefore = target - VideoTicks(2 / (frameRate > 0 ? frameRate : 25.0));
    bool ended = false;
    yielded_ = false;
    SeekOutcome outcome = SeekOutcome::Nothing;
    av_frame_unref(picture);
    if (CanDecodeOnwardTo(target) && av_frame_ref(picture, lastPicture_.get()) == 0)
        outcome = static_cast<SeekOutcome>(DecodeVideoUntil(target, skipBefore, picture, true, &ended));
    else
        outcome = static_cast<SeekOutcome>(SeekAndDecodeUntil(target, skipBefore, picture, &ended));
    videoDecoder_->skip_frame = AVDISCARD_DEFAULT;
    // A seek that gave way may have left out frames just past its last picture
    // (those before its target that nothing refers to): only its target and
    // later ones may decode onward from there.
    if (outcome == SeekOutcome::Found && !ended && !Interrupted())
        RememberDecodingPlace(picture, yielded_ ? target : FrameTimestamp(picture));
    else
        ForgetDecodingPlace();
    if (reachedEnd)
        *reachedEnd = ended;
    return outcome != SeekOutcome::Nothing && !Interrupted() && !yielded_;
}

// Seeks before the target and decodes up to it, going further back while the
// seek lands after it (byte-seeked streams), and from the start at last.
int MediaInput::SeekAndDecodeUntil(int64_t target, int64_t skipBefore, AVFrame *picture, bool *ended) {
    const int64_t firstTimestamp = videoStream_->start_time != AV_NOPTS_VALUE ? videoStream_->start_time : INT64_MIN;
    double preroll = SeeksByPosition() ? kPositionSeekPrerollSeconds : 0.0;
    SeekOutcome outcome = SeekOutcome::Nothing;
    for (int attempt = 0; attempt < kSeekAttempts && !Interrupted() && !yielded_; ++attempt) {
        int64_t seekTarget = target - VideoTicks(preroll);
        bool fromStart = attempt + 1 == kSeekAttempts || seekTarget <= firstTimestamp;
        if (fromStart && firstTimestamp != INT64_MIN)
            seekTarget = std::min(seekTarget, firstTimestamp);
        bool positioned = fromStart && SeeksByPosition() ? SeekToFirstByte() : SeekVideoBefore(seekTarget);
        fromStart = !positioned || fromStart;
        outcome = static_cast<SeekOutcome>(DecodeVideoUntil(target, skipBefore, picture, false, ended));
        // Landing after the target (or past the stream's end) means: go further back.
        if (outcome == SeekOutcome::Found || fromStart)
            break;
        preroll = std::max(kPositionSeekPrerollSeconds, preroll * kPrerollGrowth);
    }
    return static_cast<int>(outcome);
}

} // namespace korvid
