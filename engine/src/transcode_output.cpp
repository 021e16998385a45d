#include "transcode_output.h"

#include <cstdio>

namespace korvid {

namespace {

// DVD program stream: 2048-byte packs at the DVD mux rate, 0.44 s of preload.
constexpr const char *kDvdPacketSize = "2048";
constexpr const char *kDvdMuxRate = "10080000";
constexpr const char *kDvdPreloadMicroseconds = "440000";

} // namespace

std::unique_ptr<OutputFile> OutputFile::create(const ConversionJob &job, std::string *error)
{
    std::unique_ptr<OutputFile> output(new OutputFile);
    output->path_ = job.targetFile;
    if (avformat_alloc_output_context2(&output->context_, nullptr, job.muxer.c_str(), job.targetFile.c_str()) < 0) {
        if (error)
            *error = "no muxer \"" + job.muxer + "\"";
        return nullptr;
    }
    output->setMetadata(job);
    output->setMuxerOptions(job);
    return output;
}

OutputFile::~OutputFile()
{
    if (opened_ && !finished_)
        avio_closep(&context_->pb);
    if (opened_ && !finished_)
        std::remove(path_.c_str());
    av_dict_free(&muxerOptions_);
    avformat_free_context(context_);
}

void OutputFile::setMetadata(const ConversionJob &job)
{
    if (!job.title.empty())
        av_dict_set(&context_->metadata, "title", job.title.c_str(), 0);
    if (!job.artist.empty())
        av_dict_set(&context_->metadata, "artist", job.artist.c_str(), 0);
    if (!job.comment.empty())
        av_dict_set(&context_->metadata, "comment", job.comment.c_str(), 0);
}

void OutputFile::setMuxerOptions(const ConversionJob &job)
{
    if (job.muxer == "dvd") {
        av_dict_set(&muxerOptions_, "packetsize", kDvdPacketSize, 0);
        av_dict_set(&muxerOptions_, "muxrate", kDvdMuxRate, 0);
        av_dict_set(&muxerOptions_, "preload", kDvdPreloadMicroseconds, 0);
    }
    if (equalsIgnoringCase(job.container->name, "m2ts"))
        av_dict_set(&muxerOptions_, "mpegts_m2ts_mode", "1", 0);
}

int OutputFile::addStream(const AVCodecContext *encoder)
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

bool OutputFile::begin(std::string *error)
{
    if (!(context_->oformat->flags & AVFMT_NOFILE)) {
        if (avio_open(&context_->pb, path_.c_str(), AVIO_FLAG_WRITE) < 0) {
            if (error)
                *error = "cannot write \"" + path_ + "\"";
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

bool OutputFile::write(AVPacket *packet, int index, AVRational timeBase)
{
    std::lock_guard lock(writeMutex_);
    packet->stream_index = index;
    av_packet_rescale_ts(packet, timeBase, context_->streams[index]->time_base);
    return av_interleaved_write_frame(context_, packet) >= 0;
}

bool OutputFile::finish()
{
    std::lock_guard lock(writeMutex_);
    const bool written = av_write_trailer(context_) >= 0;
    if (opened_)
        avio_closep(&context_->pb);
    finished_ = written;
    if (!written)
        std::remove(path_.c_str());
    opened_ = false;
    return written;
}

} // namespace korvid
