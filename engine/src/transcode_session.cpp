#include "transcode_session.h"

#include "convert_progress.h"

namespace korvid {

namespace {

// Frames this far before the clip's start cannot be shown and are not passed on.
constexpr double kLeadInSeconds = 0.5;
// Reading goes on this long past the clip's end; the filters cut exactly.
constexpr double kLeadOutSeconds = 0.5;
constexpr AVRational kMicroseconds{1, 1000000};
constexpr double kFallbackFrameRate = 25;

SourcePicture sourcePictureOf(const MediaInput &input, const WorkFileCommand &command)
{
    const AVCodecContext *decoder = input.videoDecoder();
    AVStream *stream = input.videoStream();
    SourcePicture source;
    source.width = decoder->width;
    source.height = decoder->height;
    source.sampleAspect = av_guess_sample_aspect_ratio(input.format(), stream, nullptr);
    source.frameRate = sourceFrameRate(command.sourceFrameRateText,
                                       av_guess_frame_rate(input.format(), stream, nullptr));
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
    conversionProgress().setStopHandler(nullptr);
    video_.reset();   // joins its threads before the encoders and the file go
}

bool TranscodeSession::fail(const std::string &reason)
{
    if (error_.empty())
        error_ = reason;
    return false;
}

bool TranscodeSession::open()
{
    if (!openInput())
        return false;
    output_ = OutputFile::create(job_, &error_);
    if (!output_ || (job_.video && !openVideo()) || (input_->audioStream() && !openAudio()))
        return fail("cannot set up the output");
    return output_->begin(&error_);
}

bool TranscodeSession::openInput()
{
    MediaInputOptions options;
    options.decoderThreads = settings_.threads;
    options.videoStreamId = settings_.videoStreamId;
    options.audioTrack = job_.audioTrack;
    options.openVideo = job_.video.has_value();
    input_ = MediaInput::open(job_.sourceFile, options, &error_);
    if (!input_)
        return fail("cannot open the source");
    if (job_.video && !input_->videoStream())
        return fail("the source has no video");
    if (!job_.video && !input_->audioStream())
        return fail("the source has no audio");
    MediaInput *input = input_.get();
    conversionProgress().setStopHandler([input] { input->requestStop(); });
    return true;
}

bool TranscodeSession::openVideo()
{
    const VideoJob &job = *job_.video;
    geometry_ = decideGeometry(job, sourcePictureOf(*input_, command_), videoEncoderFor(job));
    AVCodecContext *encoder =
        openVideoEncoder(job, geometry_, job_, settings_, output_->needsGlobalHeader(), &error_);
    auto stream = encoder ? StreamEncoder::attach(encoder, *output_) : nullptr;
    if (!stream)
        return false;
    video_ = std::make_unique<VideoStage>(
        VideoStage::Setup{&job, geometry_, settings_.deinterlace, job_.lengthSeconds}, std::move(stream));
    return true;
}

bool TranscodeSession::openAudio()
{
    AVCodecContext *encoder = openAudioEncoder(job_, input_->audioDecoder(), output_->needsGlobalHeader(), &error_);
    auto stream = encoder ? StreamEncoder::attach(encoder, *output_) : nullptr;
    if (!stream)
        return false;
    const AudioStage::Setup setup{settings_.forceSync, job_.audio.volumeDb, job_.lengthSeconds, !job_.video};
    audio_ = std::make_unique<AudioStage>(setup, std::move(stream));
    return true;
}

bool TranscodeSession::run(KorvidWindow *window)
{
    if (job_.startSeconds > 0 && !input_->seekTo(job_.startSeconds))
        return fail("cannot seek to the clip's start");
    if (video_)
        video_->start();
    if (window && window->post)
        window->post(window, KORVID_MSG_READY, 0, 0);
    const bool read = readAll();
    if (!read) {
        if (video_)
            video_->abort();
        return false;
    }
    return finish();
}

bool TranscodeSession::readAll()
{
    std::unique_ptr<AVFrame, void (*)(AVFrame *)> frame(av_frame_alloc(), [](AVFrame *f) { av_frame_free(&f); });
    StreamKind kind = StreamKind::Video;
    while (!conversionProgress().stopRequested() && !pastTheEnd()) {
        const DecodeStatus status = input_->receiveFrame(frame.get(), &kind);
        if (status == DecodeStatus::End || status == DecodeStatus::Stopped)
            break;
        // A damaged file ends where it can no longer be read.
        if (status == DecodeStatus::Error)
            return producedAnything_ || fail("the source cannot be decoded");
        if (!handleFrame(frame.get(), kind))
            return fail("conversion failed");
        av_frame_unref(frame.get());
    }
    return producedAnything_ || conversionProgress().stopRequested() || fail("the source has no frames to convert");
}

bool TranscodeSession::handleFrame(AVFrame *frame, StreamKind kind)
{
    const double seconds = input_->secondsOf(frame, kind) - job_.startSeconds;
    if (kind == StreamKind::Video && video_)
        return handleVideo(frame, seconds);
    if (kind == StreamKind::Audio && audio_)
        return handleAudio(frame, seconds);
    return true;
}

bool TranscodeSession::handleVideo(AVFrame *frame, double seconds)
{
    lastVideoSeconds_ = seconds;
    if (seconds < -kLeadInSeconds)
        return true;
    AVFrame *copy = av_frame_alloc();
    if (!copy)
        return false;
    av_frame_move_ref(copy, frame);
    copy->pts = std::llround(seconds * 1e6);
    copy->pkt_duration = frameDurationMicroseconds(*copy);
    producedAnything_ = true;
    return video_->push(copy);
}

bool TranscodeSession::handleAudio(AVFrame *frame, double seconds)
{
    lastAudioSeconds_ = seconds;
    if (frame->sample_rate <= 0 || seconds + double(frame->nb_samples) / frame->sample_rate < 0)
        return true;
    frame->pts = std::llround(seconds * frame->sample_rate);
    producedAnything_ = true;
    return audio_->push(frame);
}

int64_t TranscodeSession::frameDurationMicroseconds(const AVFrame &frame) const
{
    if (frame.pkt_duration > 0)
        return av_rescale_q(frame.pkt_duration, input_->videoStream()->time_base, kMicroseconds);
    const double rate = input_->videoFrameRate();
    return std::llround(1e6 / (rate > 0 ? rate : kFallbackFrameRate));
}

bool TranscodeSession::pastTheEnd() const
{
    if (job_.lengthSeconds <= 0)
        return false;
    const double end = job_.lengthSeconds + kLeadOutSeconds;
    return (!video_ || lastVideoSeconds_ > end) && (!audio_ || lastAudioSeconds_ > end);
}

bool TranscodeSession::finish()
{
    const bool stopped = conversionProgress().stopRequested();
    if (audio_ && !audio_->finish())
        return fail("the audio encoder failed");
    if (video_ && !video_->finish(!stopped))
        return fail("the video encoder failed");
    return output_->finish() || fail("cannot finish the output file");
}

} // namespace korvid
