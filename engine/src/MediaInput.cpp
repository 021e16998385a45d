#include "MediaInput.h"

#include "FreedMemory.h"
#include "SourceLimits.h"
#include "StreamChoice.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <vector>

namespace korvid {
namespace {

void SetError(std::string *error, const std::string &text) {
    if (error)
        *error = text;
}

// Siting that the codec's standard implies when the stream does not say.
AVChromaLocation StandardChromaLocation(AVCodecID codec) {
    switch (codec) {
    case AV_CODEC_ID_H264:
    case AV_CODEC_ID_HEVC:
    case AV_CODEC_ID_MPEG2VIDEO:
    case AV_CODEC_ID_MPEG4:
        return AVCHROMA_LOC_LEFT;
    default:
        return AVCHROMA_LOC_UNSPECIFIED;
    }
}

AVCodecContext *OpenDecoder(const AVStream *stream, int threads) {
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return nullptr;
    AVCodecContext *context = avcodec_alloc_context3(codec);
    if (!context)
        return nullptr;
    if (avcodec_parameters_to_context(context, stream->codecpar) < 0) {
        avcodec_free_context(&context);
        return nullptr;
    }
    context->pkt_timebase = stream->time_base;
    context->thread_count = threads;
    context->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    context->max_pixels = kMostPicturePixels;
    if (avcodec_open2(context, codec, nullptr) < 0)
        avcodec_free_context(&context);
    return context;
}

int64_t SteadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Decoders that avformat_find_stream_info opens refuse oversized pictures before allocating them.
struct StreamInfoOptions {
    explicit StreamInfoOptions(unsigned streams) : dictionaries(streams, nullptr) {
        for (AVDictionary *&options : dictionaries)
            av_dict_set_int(&options, "max_pixels", kMostPicturePixels, 0);
    }
    ~StreamInfoOptions() {
        for (AVDictionary *&options : dictionaries)
            av_dict_free(&options);
    }
    std::vector<AVDictionary *> dictionaries;
};

} // namespace

std::unique_ptr<MediaInput> MediaInput::Open(const std::string &path, const MediaInputOptions &options,
                                             std::string *error) {
    if (!IsReadableSourceFile(path, error))
        return nullptr;
    KeepFreedMemoryForReuse();
    std::unique_ptr<MediaInput> input(new MediaInput());
    input->outsideStop_ = options.outsideStop;
    input->SetDeadline(kOpenSeconds);
    if (!input->OpenFile(path, !options.exactAudioEdits, error))
        return nullptr;
    input->ClearDeadline();
    if (!input->ChooseStreams(options)) {
        SetError(error, "the file has neither video nor audio");
        return nullptr;
    }
    if (input->RefuseHugePicture(error) || !input->OpenDecoders(options, error))
        return nullptr;
    input->drainAtFirstKeyframe_ = options.firstPictureOnly && input->DrainsFirstKeyframe();
    input->ComputeOrigin();
    return input;
}

MediaInput::~MediaInput() {
    ForgetDecodingPlace();
    avcodec_free_context(&videoDecoder_);
    avcodec_free_context(&audioDecoder_);
    av_packet_free(&packet_);
    avformat_close_input(&format_);
}

int MediaInput::InterruptCallback(void *self) {
    return static_cast<MediaInput *>(self)->Interrupted() ? 1 : 0;
}

void MediaInput::SetDeadline(double seconds) {
    timedOut_ = false;
    deadlineNanoseconds_ = SteadyNanoseconds() + static_cast<int64_t>(seconds * 1e9);
}

void MediaInput::ClearDeadline() {
    deadlineNanoseconds_ = 0;
    timedOut_ = false;
}

bool MediaInput::Interrupted() {
    if (stopRequested_ || (outsideStop_ && *outsideStop_))
        return true;
    const int64_t deadline = deadlineNanoseconds_;
    if (deadline != 0 && SteadyNanoseconds() > deadline)
        timedOut_ = true;
    return timedOut_;
}

// The chosen video stream's size as the container or the stream's first bytes tell it.
bool MediaInput::RefuseHugePicture(std::string *error) const {
    return videoStream_ &&
           !IsSupportedPictureSize(videoStream_->codecpar->width, videoStream_->codecpar->height, error);
}

// MP4 and QuickTime files whose edit lists only move their tracks' starts open
// with FFmpeg's simple edit-list handling when the caller allows it; an audio
// track whose edit skips media then needs AAC, else the file opens again fully.
bool MediaInput::OpenFile(const std::string &path, bool simpleEditListsAllowed, std::string *error) {
    std::optional<std::vector<TrackEdits>> tracks;
    if (simpleEditListsAllowed)
        tracks = ReadTrackEdits(path);
    const bool simpleEditLists = tracks && SimpleEditListsSuffice(*tracks);
    if (!OpenFormat(path, simpleEditLists, error))
        return false;
    if (!simpleEditLists || AudioStartsKept(*tracks))
        return true;
    avformat_close_input(&format_);
    return OpenFormat(path, false, error);
}

bool MediaInput::AudioStartsKept(const std::vector<TrackEdits> &tracks) const {
    for (const TrackEdits &track : tracks) {
        if (track.kind != TrackEdits::Kind::Audio || track.mediaStart <= 0)
            continue;
        for (unsigned i = 0; i < format_->nb_streams; ++i) {
            const AVStream *stream = format_->streams[i];
            if (stream->id == static_cast<int>(track.trackId) && stream->codecpar->codec_id != AV_CODEC_ID_AAC)
                return false;
        }
    }
    return true;
}

bool MediaInput::OpenFormat(const std::string &path, bool simpleEditLists, std::string *error) {
    format_ = avformat_alloc_context();
    if (!packet_)
        packet_ = av_packet_alloc();
    if (!format_ || !packet_) {
        SetError(error, "out of memory");
        return false;
    }
    format_->interrupt_callback = {&MediaInput::InterruptCallback, this};
    AVDictionary *demuxerOptions = nullptr;
    if (simpleEditLists)
        av_dict_set(&demuxerOptions, "advanced_editlist", "0", 0);
    const int opened = avformat_open_input(&format_, path.c_str(), nullptr, &demuxerOptions);
    av_dict_free(&demuxerOptions);
    if (opened >= 0) {
        StreamInfoOptions streamOptions(format_->nb_streams);
        if (avformat_find_stream_info(format_, streamOptions.dictionaries.data()) >= 0)
            return true;
    }
    if (timedOut_)
        SetError(error, "opening the file took too long");
    else if (Interrupted())
        SetError(error, "stopped");
    else
        SetError(error, opened < 0 ? "cannot open or recognise the file" : "cannot read the file's streams");
    return false;   // a failed avformat_open_input freed the context
}

bool MediaInput::ChooseStreams(const MediaInputOptions &options) {
    int video = options.openVideo ? ChooseVideoStream(format_, options.videoStreamId) : -1;
    int audio = options.openAudio ? ChooseAudioStream(format_, options.audioTrack) : -1;
    for (unsigned i = 0; i < format_->nb_streams; ++i) {
        bool used = static_cast<int>(i) == video || static_cast<int>(i) == audio;
        format_->streams[i]->discard = used ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    videoStream_ = video >= 0 ? format_->streams[video] : nullptr;
    audioStream_ = audio >= 0 ? format_->streams[audio] : nullptr;
    return videoStream_ || audioStream_;
}

// A stream without a working decoder counts as absent.
bool MediaInput::OpenDecoders(const MediaInputOptions &options, std::string *error) {
    if (videoStream_ && !(videoDecoder_ = OpenDecoder(videoStream_, options.decoderThreads))) {
        videoStream_->discard = AVDISCARD_ALL;
        videoStream_ = nullptr;
    }
    if (audioStream_ && !(audioDecoder_ = OpenDecoder(audioStream_, options.decoderThreads))) {
        audioStream_->discard = AVDISCARD_ALL;
        audioStream_ = nullptr;
    }
    if (!videoStream_ && !audioStream_) {
        SetError(error, "no decoder for the file's streams");
        return false;
    }
    return true;
}

// The earliest start of the file's video and audio streams, whichever are in
// use, so every reader of the file shares one timeline.
void MediaInput::ComputeOrigin() {
    int64_t origin = AV_NOPTS_VALUE;
    for (unsigned i = 0; i < format_->nb_streams; ++i) {
        const AVStream *stream = format_->streams[i];
        AVMediaType type = stream->codecpar->codec_type;
        if ((type != AVMEDIA_TYPE_VIDEO && type != AVMEDIA_TYPE_AUDIO) || stream->start_time == AV_NOPTS_VALUE)
            continue;
        int64_t start = av_rescale_q(stream->start_time, stream->time_base, AV_TIME_BASE_Q);
        if (origin == AV_NOPTS_VALUE || start < origin)
            origin = start;
    }
    if (origin == AV_NOPTS_VALUE)
        origin = format_->start_time;
    originTicks_ = origin == AV_NOPTS_VALUE ? 0 : origin;
}

double MediaInput::DurationSeconds() const {
    if (format_->duration != AV_NOPTS_VALUE && format_->duration > 0)
        return format_->duration / static_cast<double>(AV_TIME_BASE);
    AVStream *stream = videoStream_ ? videoStream_ : audioStream_;
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        return stream->duration * av_q2d(stream->time_base);
    return 0;
}

double MediaInput::VideoFrameRate() const {
    if (!videoStream_)
        return 0;
    AVRational rate = videoStream_->avg_frame_rate;
    if (rate.num <= 0 || rate.den <= 0)
        rate = videoStream_->r_frame_rate;
    return rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0;
}

// An H.264 keyframe is the first picture shown (no picture after it in decoding
// order is shown before it). Only containers whose packets are whole pictures
// qualify: the parsers of program and transport streams may hand over one field
// of an interlaced picture at a time.
bool MediaInput::DrainsFirstKeyframe() const {
    if (!videoDecoder_ || videoDecoder_->codec_id != AV_CODEC_ID_H264)
        return false;
    const char *name = format_->iformat->name;
    return std::strstr(name, "mp4") || std::strstr(name, "matroska") || std::strcmp(name, "avi") == 0 ||
           std::strcmp(name, "flv") == 0;
}

bool MediaInput::SeeksByPosition() const {
    const char *name = format_->iformat->name;
    return std::strcmp(name, "mpeg") == 0 || std::strcmp(name, "vob") == 0 || std::strcmp(name, "mpegts") == 0;
}

double MediaInput::SecondsOf(int64_t timestamp, StreamKind kind) const {
    const AVStream *stream = kind == StreamKind::Video ? videoStream_ : audioStream_;
    if (timestamp == AV_NOPTS_VALUE || !stream)
        return std::nan("");
    int64_t ticks = av_rescale_q(timestamp, stream->time_base, AV_TIME_BASE_Q);
    return (ticks - originTicks_) / static_cast<double>(AV_TIME_BASE);
}

double MediaInput::SecondsOf(const AVFrame *frame, StreamKind kind) const {
    int64_t timestamp = frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
    return SecondsOf(timestamp, kind);
}

AVCodecContext *MediaInput::DecoderFor(int streamIndex) const {
    if (videoStream_ && streamIndex == videoStream_->index)
        return videoDecoder_;
    if (audioStream_ && streamIndex == audioStream_->index)
        return audioDecoder_;
    return nullptr;
}

DecodeStatus MediaInput::ReceiveFrame(AVFrame *frame, StreamKind *kind) {
    av_frame_unref(frame);
    ForgetDecodingPlace();
    for (;;) {
        if (Interrupted())
            return DecodeStatus::Stopped;
        bool allDrained = false;
        if (TakeDecodedFrame(frame, kind, &allDrained))
            return DecodeStatus::Frame;
        if (allDrained)
            return DecodeStatus::End;
        DecodeStatus status = FeedNextPacket();
        if (status != DecodeStatus::Frame)
            return status;
    }
}

// True with a frame from either decoder; otherwise *allDrained tells whether
// they are finished rather than waiting for input.
bool MediaInput::TakeDecodedFrame(AVFrame *frame, StreamKind *kind, bool *allDrained) {
    *allDrained = true;
    for (StreamKind candidate : {StreamKind::Video, StreamKind::Audio}) {
        AVCodecContext *decoder = candidate == StreamKind::Video ? videoDecoder_ : audioDecoder_;
        if (!decoder)
            continue;
        int result = avcodec_receive_frame(decoder, frame);
        if (result == 0) {
            *kind = candidate;
            if (candidate == StreamKind::Video) {
                CompleteVideoFrame(frame);
                drainAtFirstKeyframe_ = false;   // the picture came: the decoder's end is final
            }
            return true;
        }
        if (result != AVERROR_EOF || (candidate == StreamKind::Video && EndedEarlyAfterDraining(result)))
            *allDrained = false;
    }
    return false;
}

// A drained decoder that gave no picture (a damaged keyframe) starts over and
// decodes the rest normally.
bool MediaInput::EndedEarlyAfterDraining(int receiveResult) {
    if (!drainAtFirstKeyframe_ || receiveResult != AVERROR_EOF || demuxerDrained_)
        return false;
    drainAtFirstKeyframe_ = false;
    avcodec_flush_buffers(videoDecoder_);
    return true;
}

// Frame when a packet was handed on (or the decoders were told the input ended).
DecodeStatus MediaInput::FeedNextPacket() {
    if (demuxerDrained_)
        return DecodeStatus::End;
    int result = av_read_frame(format_, packet_);
    if (result == AVERROR_EXIT || Interrupted())
        return DecodeStatus::Stopped;
    if (result < 0) {
        // End of file, or a damaged or truncated tail: decode what was read.
        demuxerDrained_ = true;
        for (AVCodecContext *decoder : {videoDecoder_, audioDecoder_})
            if (decoder)
                avcodec_send_packet(decoder, nullptr);
        return DecodeStatus::Frame;
    }
    if (AVCodecContext *decoder = DecoderFor(packet_->stream_index)) {
        int sent = avcodec_send_packet(decoder, packet_);   // damaged packets are skipped
        if (decoder == videoDecoder_ && drainAtFirstKeyframe_ && (packet_->flags & AV_PKT_FLAG_KEY)) {
            // A keyframe hidden by an edit list is not the first picture: decode normally.
            drainAtFirstKeyframe_ = sent == 0 && !(packet_->flags & AV_PKT_FLAG_DISCARD);
            if (drainAtFirstKeyframe_)
                avcodec_send_packet(decoder, nullptr);
        }
    }
    av_packet_unref(packet_);
    return DecodeStatus::Frame;
}

// Fills in what decoders may leave open: the chroma siting, and the time of
// frames flushed at the end without one (the previous frame's plus one frame).
void MediaInput::CompleteVideoFrame(AVFrame *frame) {
    if (frame->chroma_location == AVCHROMA_LOC_UNSPECIFIED)
        frame->chroma_location = videoDecoder_->chroma_sample_location != AVCHROMA_LOC_UNSPECIFIED
                                     ? videoDecoder_->chroma_sample_location
                                     : StandardChromaLocation(videoDecoder_->codec_id);
    if (frame->best_effort_timestamp == AV_NOPTS_VALUE && lastVideoTimestamp_ != AV_NOPTS_VALUE) {
        double frameRate = VideoFrameRate();
        frame->best_effort_timestamp = lastVideoTimestamp_ + VideoTicks(1 / (frameRate > 0 ? frameRate : 25.0));
    }
    lastVideoTimestamp_ = frame->best_effort_timestamp;
}

void MediaInput::FlushDecoders() {
    for (AVCodecContext *decoder : {videoDecoder_, audioDecoder_})
        if (decoder)
            avcodec_flush_buffers(decoder);
    demuxerDrained_ = false;
    lastVideoTimestamp_ = AV_NOPTS_VALUE;
    leftOut_.clear();
    ForgetDecodingPlace();
}

} // namespace korvid
