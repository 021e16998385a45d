#include "transcode_session.h"

#include "convert_progress.h"
#include "failure_reasons.h"
#include "picture_orientation.h"

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
    orientationOf(stream).turnSize(&source.width, &source.height, &source.sampleAspect);
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
    options.outsideStop = &conversionProgress().stopFlag();
    input_ = MediaInput::open(job_.sourceFile, options, &error_);
    if (!input_)
        return fail("cannot open the source");
    if (job_.video && !input_->videoStream())
        return fail("the source has no video");
    if (!job_.video && !input_->audioStream())
        return fail("the source has no audio");
    const bool containerJumps = input_->format()->iformat->flags & AVFMT_TS_DISCONT;
    videoTimeline_ = StreamTimeline(containerJumps);
    audioTimeline_ = StreamTimeline(containerJumps);
    MediaInput *input = input_.get();
    conversionProgress().setStopHandler([input] { input->requestStop(); });
    return true;
}

bool TranscodeSession::openVideo()
{
    const VideoJob &job = *job_.video;
    const SourcePicture source = sourcePictureOf(*input_, command_);
    if ((source.width < 1 || source.height < 1) && !job.frameSize)
        return fail("the source's picture size is unknown");
    geometry_ = decideGeometry(job, source, videoEncoderFor(job));
    AVCodecContext *encoder =
        openVideoEncoder(job, geometry_, job_, settings_, output_->needsGlobalHeader(), &error_);
    auto stream = encoder ? StreamEncoder::attach(encoder, *output_, true) : nullptr;
    if (!stream)
        return false;
    const double clipStart = double(input_->originTicks()) / AV_TIME_BASE + job_.startSeconds;
    const SubtitleBurnIn subtitles = subtitleBurnInFor(input_->format(), job_.sourceFile, job_.subtitleTrack, clipStart);
    if (!openPictureSubtitles())
        return false;
    video_ = std::make_unique<VideoStage>(
        VideoStage::Setup{&job, geometry_, settings_.deinterlace, job_.lengthSeconds, subtitles,
                          orientationOf(input_->videoStream())},
        std::move(stream));
    return true;
}

// The chosen subtitle stream, when it holds pictures; one that holds neither
// pictures nor text cannot be drawn and fails the conversion.
bool TranscodeSession::openPictureSubtitles()
{
    const int stream = subtitleStreamIndex(input_->format(), job_.subtitleTrack);
    if (stream < 0 || isTextSubtitle(input_->format()->streams[stream]->codecpar))
        return true;
    if (!isPictureSubtitle(input_->format()->streams[stream]->codecpar))
        return fail(kSubtitleStreamUnreadable);
    pictureSubtitles_ =
        PictureSubtitles::open(job_.sourceFile, stream, input_->originTicks(), job_.startSeconds, &error_);
    return pictureSubtitles_ != nullptr;
}

bool TranscodeSession::openAudio()
{
    AVCodecContext *encoder = openAudioEncoder(job_, input_->audioDecoder(), output_->needsGlobalHeader(), &error_);
    auto stream = encoder ? StreamEncoder::attach(encoder, *output_, !job_.video) : nullptr;
    if (!stream)
        return false;
    const AudioStage::Setup setup{settings_.forceSync, job_.audio.volumeDb, job_.lengthSeconds};
    audio_ = std::make_unique<AudioStage>(setup, std::move(stream));
    return true;
}

bool TranscodeSession::run(KorvidWindow *window)
{
    if (job_.startSeconds > 0 && !seekToStart())
        return fail("cannot seek to the clip's start");
    if (video_)
        video_->start();
    if (window && window->post)
        window->post(window, KORVID_MSG_READY, 0, 0);
    const bool read = readAll() && (!leadFrame_ || pushLeadFrame(leadFrame_->pkt_duration));
    if (!read) {
        if (video_)
            video_->abort();
        return false;
    }
    return finish();
}

// Some containers (MPEG transport streams among them) seek to positions whose first
// decodable picture lies after the one asked for; those seek again, further back.
bool TranscodeSession::seekToStart()
{
    double preroll = 0;
    for (int attempt = 0; attempt < kSeekAttempts; ++attempt) {
        const double target = std::max(0.0, job_.startSeconds - preroll);
        if (!input_->seekTo(target))
            return false;
        const double first = firstFrameSeconds();
        if (first <= job_.startSeconds + kSeekToleranceSeconds || target == 0)
            return input_->seekTo(target);
        preroll = std::max(kFirstPrerollSeconds, preroll * kPrerollGrowth) + (first - job_.startSeconds);
    }
    return input_->seekTo(0);
}

// Seconds of the first frame of the converted kind after a seek (a large number at the end).
double TranscodeSession::firstFrameSeconds()
{
    FramePointer frame(av_frame_alloc());
    StreamKind kind = StreamKind::Video;
    const StreamKind wanted = video_ ? StreamKind::Video : StreamKind::Audio;
    while (frame && input_->receiveFrame(frame.get(), &kind) == DecodeStatus::Frame) {
        if (kind == wanted)
            return input_->secondsOf(frame.get(), kind);
        av_frame_unref(frame.get());
    }
    return 1e12;
}

bool TranscodeSession::readAll()
{
    FramePointer frame(av_frame_alloc());
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
    const double raw = input_->secondsOf(frame, kind);
    const double seconds = kind == StreamKind::Video
                               ? videoTimeline_.mend(raw, frameDurationMicroseconds(*frame) / 1e6) - job_.startSeconds
                               : audioTimeline_.mend(raw, audioDurationSeconds(*frame)) - job_.startSeconds;
    if (kind == StreamKind::Video && video_) {
        if (pictureSubtitles_ && !pictureSubtitles_->drawInto(frame, raw))
            return fail(pictureSubtitles_->error());
        return handleVideo(frame, seconds);
    }
    if (kind == StreamKind::Audio && audio_)
        return handleAudio(frame, seconds);
    return true;
}

// Frames before the clip's start are held back one at a time: the last of them is
// the picture shown at the start unless a frame follows within half a frame.
bool TranscodeSession::handleVideo(AVFrame *frame, double seconds)
{
    lastVideoSeconds_ = seconds;
    FramePointer copy(av_frame_alloc());
    if (!copy)
        return false;
    av_frame_move_ref(copy.get(), frame);
    copy->pts = std::llround(seconds * 1e6);
    copy->pkt_duration = frameDurationMicroseconds(*copy);
    if (copy->pts < 0) {
        leadFrame_ = std::move(copy);
        return true;
    }
    if (leadFrame_ && copy->pts > copy->pkt_duration / 2 && !pushLeadFrame(copy->pts))
        return false;
    leadFrame_.reset();
    producedAnything_ = true;
    return video_->push(copy.release());
}

bool TranscodeSession::pushLeadFrame(int64_t nextPts)
{
    leadFrame_->pts = 0;
    leadFrame_->pkt_duration = nextPts;
    producedAnything_ = true;
    return video_->push(leadFrame_.release());
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

double TranscodeSession::audioDurationSeconds(const AVFrame &frame)
{
    return frame.sample_rate > 0 ? double(frame.nb_samples) / frame.sample_rate : 0;
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
    if (stopped && !output_->wroteMainStream())
        return true;   // stopped before anything was written: no file at all
    return output_->finish(&error_);
}

} // namespace korvid
