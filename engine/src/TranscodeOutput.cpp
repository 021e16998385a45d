#include "TranscodeOutput.h"

namespace korvid {

namespace {

// DVD program stream: 2048-byte packs at the DVD mux rate, 0.44 s of preload.
constexpr const char *kDvdPacketSize = "2048";
constexpr const char *kDvdMuxRate = "10080000";
constexpr const char *kDvdPreloadMicroseconds = "440000";

} // namespace

std::unique_ptr<OutputFile> OutputFile::Create(const ConversionJob &job, std::string *error)
{
    std::unique_ptr<OutputFile> output(new OutputFile);
    output->place_ = OutputPlace::Reserve(job.targetFile, error);
    if (!output->place_)
        return nullptr;
    if (avformat_alloc_output_context2(&output->context_, nullptr, job.muxer.c_str(), job.targetFile.c_str()) < 0) {
        if (error)
            *error = "no muxer \"" + job.muxer + "\"";
        return nullptr;
    }
    output->SetMetadata(job);
    output->SetMuxerOptions(job);
    return output;
}

OutputFile::~OutputFile()
{
    if (opened_ && !finished_)
        avio_closep(&context_->pb);
    av_dict_free(&muxerOptions_);
    avformat_free_context(context_);
}

void OutputFile::SetMetadata(const ConversionJob &job)
{
    if (!job.title.empty())
        av_dict_set(&context_->metadata, "title", job.title.c_str(), 0);
    if (!job.artist.empty())
        av_dict_set(&context_->metadata, "artist", job.artist.c_str(), 0);
    if (!job.comment.empty())
        av_dict_set(&context_->metadata, "comment", job.comment.c_str(), 0);
}

void OutputFile::SetMuxerOptions(const ConversionJob &job)
{
    if (job.muxer == "dvd") {
        av_dict_set(&muxerOptions_, "packetsize", kDvdPacketSize, 0);
        av_dict_set(&muxerOptions_, "muxrate", kDvdMuxRate, 0);
        av_dict_set(&muxerOptions_, "preload", kDvdPreloadMicroseconds, 0);
    }
    if (EqualsIgnoringCase(job.container->name, "m2ts"))
        av_dict_set(&muxerOptions_, "mpegts_m2ts_mode", "1", 0);
}

int OutputFile::AddStream(const AVCodecContext *encoder)
{
    AVStream *stream = avformat_new_stream(context_, nullptr);
    if (!stream || avcodec_parameters_from_context(stream->codecpar, encoder) < 0)
        return -1;
    stream->time_base = encoder->time_base;
    if (encoder->codec_type == AVMEDIA_TYPE_VIDEO) {
        stream->sample_aspect_ratio = encoder->sample_aspect_ratio;
        stream->avg_frame_rate = encoder->framerate;
    }
    return stream->index;
}

bool OutputFile::Begin(std::string *error)
{
    if (!(context_->oformat->flags & AVFMT_NOFILE)) {
        if (avio_open(&context_->pb, place_->TemporaryPath().c_str(), AVIO_FLAG_WRITE) < 0) {
            if (error)
                *error = "cannot write \"" + place_->TemporaryPath() + "\"";
            return false;
        }
        opened_ = true;
    }
    if (avformat_write_header(context_, &muxerOptions_) < 0) {
        if (error)
            *error = "the muxer refused the streams";
        return false;
    }
    return true;
}

bool OutputFile::Write(AVPacket *packet, int index, AVRational timeBase)
{
    std::lock_guard lock(writeMutex_);
    packet->stream_index = index;
    AVStream *stream = context_->streams[index];
    av_packet_rescale_ts(packet, timeBase, stream->time_base);
    if (av_interleaved_write_frame(context_, packet) < 0)
        return false;
    (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO ? wroteVideo_ : wroteAudio_) = true;
    return true;
}

bool OutputFile::WroteMainStream() const
{
    std::lock_guard lock(writeMutex_);
    for (unsigned i = 0; i < context_->nb_streams; ++i)
        if (context_->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO)
            return wroteVideo_;
    return wroteAudio_;
}

bool OutputFile::Finish(std::string *error)
{
    std::lock_guard lock(writeMutex_);
    bool written = av_write_trailer(context_) >= 0;
    if (opened_)
        written = avio_closep(&context_->pb) >= 0 && written;
    opened_ = false;
    if (!written) {
        if (error)
            *error = "cannot finish the output file";
        return false;
    }
    finished_ = place_->Publish(error);
    return finished_;
}

} // namespace korvid
