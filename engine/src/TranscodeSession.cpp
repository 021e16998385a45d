#include "TranscodeSession.h"

#include "ConvertProgress.h"
#include "FailureReasons.h"
#include "PictureOrientation.h"

namespace korvid {

namespace {

// Reading goes on this long past the clip's end; the filters cut exactly.
constexpr double kLeadOutSeconds = 0.5;
constexpr AVRational kMicroseconds{1, 1000000};
constexpr double kFallbackFrameRate = 25;
constexpr int kSeekAttempts = 5;
constexpr double kSeekToleranceSeconds = 0.001;
constexpr double kFirstPrerollSeconds = 1;
constexpr double kPrerollGrowth = 4;

SourcePicture SourcePictureOf(const MediaInput &input, const WorkFileCommand &command)
{
    const AVCodecContext *decoder = input.VideoDecoder();
    AVStream *stream = input.VideoStream();
    SourcePicture source;
    source.width = decoder->width;
    source.height = decoder->height;
    source.sampleAspect = av_guess_sample_aspect_ratio(input.Format(), stream, nullptr);
    source.frameRate = SourceFrameRate(command.sourceFrameRateText,
                                       av_guess_frame_rate(input.Format(), stream, nullptr));
    OrientationOf(stream).TurnSize(&source.width, &source.height, &source.sampleAspect);
    return source;
}

} // namespace

TranscodeSession::TranscodeSession(const ConversionJob &job, const ConversionSettings &settings,
                                   const WorkFileCommand &command)
    : job_(job), settings_(settings), command_(command)
{
}

TranscodeSession::~TranscodeSession()
{
    SharedConversionProgress().SetStopHandler(nullptr);
    video_.reset();   // joins its threads before the encoders and the file go
}

bool TranscodeSession::Fail(const std::string &reason)
{
    if (error_.empty())
        error_ = reason;
    return false;
}

bool TranscodeSession::Open()
{
    if (!OpenInput())
        return false;
    output_ = OutputFile::Create(job_, &error_);
    if (!output_ || (job_.video && !OpenVideo()) || (input_->AudioStream() && !OpenAudio()))
        return Fail("cannot set up the output");
    return output_->Begin(&error_);
}

bool TranscodeSession::OpenInput()
{
    MediaInputOptions options;
    options.decoderThreads = settings_.threads;
    options.videoStreamId = settings_.videoStreamId;
    options.audioTrack = job_.audioTrack;
    options.openVideo = job_.video.has_value();
    options.outsideStop = &SharedConversionProgress().StopFlag();
    input_ = MediaInput::Open(job_.sourceFile, options, &error_);
    if (!input_)
        return Fail("cannot open the source");
    if (job_.video && !input_->VideoStream())
        return Fail("the source has no video");
    if (!job_.video && !input_->AudioStream())
        return Fail("the source has no audio");
    const bool containerJumps = input_->Format()->iformat->flags & AVFMT_TS_DISCONT;
    videoTimeline_ = StreamTimeline(containerJumps);
    audioTimeline_ = StreamTimeline(containerJumps);
    MediaInput *input = input_.get();
    SharedConversionProgress().SetStopHandler([input] { input->RequestStop(); });
    return true;
}

bool TranscodeSession::OpenVideo()
{
    const VideoJob &job = *job_.video;
    const SourcePicture source = SourcePictureOf(*input_, command_);
    if ((source.width < 1 || source.height < 1) && !job.frameSize)
        return Fail("the source's picture size is unknown");
    geometry_ = DecideGeometry(job, source, VideoEncoderFor(job));
    AVCodecContext *encoder =
        OpenVideoEncoder(job, geometry_, job_, settings_, output_->NeedsGlobalHeader(), &error_);
    auto stream = encoder ? StreamEncoder::Attach(encoder, *output_, true) : nullptr;
    if (!stream)
        return false;
    const double clipStart = double(input_->OriginTicks()) / AV_TIME_BASE + job_.startSeconds;
    const SubtitleBurnIn subtitles = SubtitleBurnInFor(input_->Format(), job_.sourceFile, job_.subtitleTrack, clipStart);
    if (!OpenPictureSubtitles())
        return false;
    video_ = std::make_unique<VideoStage>(
        VideoStage::Setup{&job, geometry_, settings_.deinterlace, job_.lengthSeconds, subtitles,
                          OrientationOf(input_->VideoStream())},
        std::move(stream));
    return true;
}

// The chosen subtitle stream, when it holds pictures; one that holds neither
// pictures nor text cannot be drawn and fails the conversion.
bool TranscodeSession::OpenPictureSubtitles()
{
    const int stream = SubtitleStreamIndex(input_->Format(), job_.subtitleTrack);
    if (stream < 0 || IsTextSubtitle(input_->Format()->streams[stream]->codecpar))
        return true;
    if (!IsPictureSubtitle(input_->Format()->streams[stream]->codecpar))
        return Fail(kSubtitleStreamUnreadable);
    pictureSubtitles_ =
        PictureSubtitles::Open(job_.sourceFile, stream, input_->OriginTicks(), job_.startSeconds, &error_);
    return pictureSubtitles_ != nullptr;
}

bool TranscodeSession::OpenAudio()
{
    AVCodecContext *encoder = OpenAudioEncoder(job_, input_->AudioDecoder(), output_->NeedsGlobalHeader(), &error_);
    auto stream = encoder ? StreamEncoder::Attach(encoder, *output_, !job_.video) : nullptr;
    if (!stream)
        return false;
    const AudioStage::Setup setup{settings_.forceSync, job_.audio.volumeDb, job_.lengthSeconds};
    audio_ = std::make_unique<AudioStage>(setup, std::move(stream));
    return true;
}

bool TranscodeSession::Run(KorvidWindow *window)
{
    if (job_.startSeconds > 0 && !SeekToStart())
        return Fail("cannot seek to the clip's start");
    if (video_)
        video_->Start();
    if (window && window->post)
        window->post(window, KORVID_MSG_READY, 0, 0);
    const bool read = ReadAll() && (!leadFrame_ || PushLeadFrame(leadFrame_->pkt_duration));
    if (!read) {
        if (video_)
            video_->Abort();
        return false;
    }
    return Finish();
}

// Some containers (MPEG transport streams among them) seek to positions whose first
// decodable picture lies after the one asked for; those seek again, further back.
bool TranscodeSession::SeekToStart()
{
    double preroll = 0;
    for (int attempt = 0; attempt < kSeekAttempts; ++attempt) {
        const double target = std::max(0.0, job_.startSeconds - preroll);
        if (!input_->SeekTo(target))
            return false;
        const double first = FirstFrameSeconds();
        if (first <= job_.startSeconds + kSeekToleranceSeconds || target == 0)
            return input_->SeekTo(target);
        preroll = std::max(kFirstPrerollSeconds, preroll * kPrerollGrowth) + (first - job_.startSeconds);
    }
    return input_->SeekTo(0);
}

// Seconds of the first frame of the converted kind after a seek (a large number at the end).
double TranscodeSession::FirstFrameSeconds()
{
    FramePointer frame(av_frame_alloc());
    StreamKind kind = StreamKind::Video;
    const StreamKind wanted = video_ ? StreamKind::Video : StreamKind::Audio;
    while (frame && input_->ReceiveFrame(frame.get(), &kind) == DecodeStatus::Frame) {
        if (kind == wanted)
            return input_->SecondsOf(frame.get(), kind);
        av_frame_unref(frame.get());
    }
    return 1e12;
}

bool TranscodeSession::ReadAll()
{
    FramePointer frame(av_frame_alloc());
    StreamKind kind = StreamKind::Video;
    while (!SharedConversionProgress().StopRequested() && !PastTheEnd()) {
        const DecodeStatus status = input_->ReceiveFrame(frame.get(), &kind);
        if (status == DecodeStatus::End || status == DecodeStatus::Stopped)
            break;
        // A damaged file ends where it can no longer be read.
        if (status == DecodeStatus::Error)
            return producedAnything_ || Fail("the source cannot be decoded");
        if (!HandleFrame(frame.get(), kind))
            return Fail("conversion failed");
        av_frame_unref(frame.get());
    }
    return producedAnything_ || SharedConversionProgress().StopRequested() || Fail("the source has no frames to convert");
}

bool TranscodeSession::HandleFrame(AVFrame *frame, StreamKind kind)
{
    const double raw = input_->SecondsOf(frame, kind);
    const double seconds = kind == StreamKind::Video
                               ? videoTimeline_.Mend(raw, FrameDurationMicroseconds(*frame) / 1e6) - job_.startSeconds
                               : audioTimeline_.Mend(raw, AudioDurationSeconds(*frame)) - job_.startSeconds;
    if (kind == StreamKind::Video && video_) {
        if (pictureSubtitles_ && !pictureSubtitles_->DrawInto(frame, raw))
            return Fail(pictureSubtitles_->Error());
        return HandleVideo(frame, seconds);
    }
    if (kind == StreamKind::Audio && audio_)
        return HandleAudio(frame, seconds);
    return true;
}

// Frames before the clip's start are held back one at a time: the last of them is
// the picture shown at the start unless a frame follows within half a frame.
bool TranscodeSession::HandleVideo(AVFrame *frame, double seconds)
{
    lastVideoSeconds_ = seconds;
    FramePointer copy(av_frame_alloc());
    if (!copy)
        return false;
    av_frame_move_ref(copy.get(), frame);
    copy->pts = std::llround(seconds * 1e6);
    copy->pkt_duration = FrameDurationMicroseconds(*copy);
    if (copy->pts < 0) {
        leadFrame_ = std::move(copy);
        return true;
    }
    if (leadFrame_ && copy->pts > copy->pkt_duration / 2 && !PushLeadFrame(copy->pts))
        return false;
    leadFrame_.reset();
    producedAnything_ = true;
    return video_->Push(copy.release());
}

bool TranscodeSession::PushLeadFrame(int64_t nextPts)
{
    leadFrame_->pts = 0;
    leadFrame_->pkt_duration = nextPts;
    producedAnything_ = true;
    return video_->Push(leadFrame_.release());
}

bool TranscodeSession::HandleAudio(AVFrame *frame, double seconds)
{
    lastAudioSeconds_ = seconds;
    if (frame->sample_rate <= 0 || seconds + double(frame->nb_samples) / frame->sample_rate < 0)
        return true;
    frame->pts = std::llround(seconds * frame->sample_rate);
    producedAnything_ = true;
    return audio_->Push(frame);
}

double TranscodeSession::AudioDurationSeconds(const AVFrame &frame)
{
    return frame.sample_rate > 0 ? double(frame.nb_samples) / frame.sample_rate : 0;
}

int64_t TranscodeSession::FrameDurationMicroseconds(const AVFrame &frame) const
{
    if (frame.pkt_duration > 0)
        return av_rescale_q(frame.pkt_duration, input_->VideoStream()->time_base, kMicroseconds);
    const double rate = input_->VideoFrameRate();
    return std::llround(1e6 / (rate > 0 ? rate : kFallbackFrameRate));
}

bool TranscodeSession::PastTheEnd() const
{
    if (job_.lengthSeconds <= 0)
        return false;
    const double end = job_.lengthSeconds + kLeadOutSeconds;
    return (!video_ || lastVideoSeconds_ > end) && (!audio_ || lastAudioSeconds_ > end);
}

bool TranscodeSession::Finish()
{
    const bool stopped = SharedConversionProgress().StopRequested();
    if (audio_ && !audio_->Finish())
        return Fail("the audio encoder failed");
    if (video_ && !video_->Finish(!stopped))
        return Fail("the video encoder failed");
    if (stopped && !output_->WroteMainStream())
        return true;   // stopped before anything was written: no file at all
    return output_->Finish(&error_);
}

} // namespace korvid
