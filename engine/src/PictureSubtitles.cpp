#include "PictureSubtitles.h"

#include "FailureReasons.h"

#include <cmath>
#include <limits>

namespace korvid {
namespace {

// Subtitles shown at the clip's start may have begun this long before it.
constexpr double kLookBehindSeconds = 30;
// A stream whose first packets all fail to decode is not readable.
constexpr int kMostUndecodablePackets = 3;
constexpr double kForever = std::numeric_limits<double>::infinity();

} // namespace

bool IsPictureSubtitle(const AVCodecParameters *parameters) {
    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(parameters->codec_id);
    return parameters->codec_type == AVMEDIA_TYPE_SUBTITLE && descriptor &&
           (descriptor->props & AV_CODEC_PROP_BITMAP_SUB);
}

std::unique_ptr<PictureSubtitles> PictureSubtitles::Open(const std::string &file, int streamIndex,
                                                         int64_t originTicks, double startSeconds,
                                                         std::string *error) {
    std::unique_ptr<PictureSubtitles> subtitles(new PictureSubtitles());
    subtitles->originTicks_ = originTicks;
    if (!subtitles->OpenStream(file, streamIndex, startSeconds)) {
        *error = subtitles->error_;
        return nullptr;
    }
    return subtitles;
}

PictureSubtitles::~PictureSubtitles() {
    avcodec_free_context(&decoder_);
    av_packet_free(&packet_);
    avformat_close_input(&format_);
}

bool PictureSubtitles::Fail(const std::string &reason) {
    if (error_.empty())
        error_ = reason;
    return false;
}

bool PictureSubtitles::OpenStream(const std::string &file, int streamIndex, double startSeconds) {
    packet_ = av_packet_alloc();
    if (!packet_ || avformat_open_input(&format_, file.c_str(), nullptr, nullptr) < 0 ||
        avformat_find_stream_info(format_, nullptr) < 0 || streamIndex < 0 ||
        streamIndex >= static_cast<int>(format_->nb_streams))
        return Fail(kSubtitleStreamUnreadable);
    stream_ = format_->streams[streamIndex];
    for (unsigned i = 0; i < format_->nb_streams; ++i)
        format_->streams[i]->discard = static_cast<int>(i) == streamIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    const AVCodec *codec = avcodec_find_decoder(stream_->codecpar->codec_id);
    decoder_ = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!decoder_ || avcodec_parameters_to_context(decoder_, stream_->codecpar) < 0)
        return Fail(kSubtitleStreamUnreadable);
    decoder_->pkt_timebase = stream_->time_base;
    if (avcodec_open2(decoder_, codec, nullptr) < 0)
        return Fail(kSubtitleStreamUnreadable);
    if (startSeconds > kLookBehindSeconds) {
        const int64_t target = originTicks_ + static_cast<int64_t>((startSeconds - kLookBehindSeconds) * AV_TIME_BASE);
        if (avformat_seek_file(format_, -1, INT64_MIN, target, target, 0) < 0)
            av_seek_frame(format_, -1, 0, AVSEEK_FLAG_BYTE);
    }
    return true;
}

bool PictureSubtitles::DrawInto(AVFrame *picture, double seconds) {
    if (!CanDrawInto(picture)) {
        FramePointer converted = DrawablePicture(picture);
        if (!converted)
            return Fail(kSubtitlePictureUnusable);
        av_frame_unref(picture);
        av_frame_move_ref(picture, converted.get());
    }
    if (!ReadUpTo(seconds))
        return false;
    Subtitle *shown = ShownAt(seconds);
    if (!shown)
        return true;
    if (shown->onPicture.empty()) {
        const int canvasWidth = decoder_->width > 0 ? decoder_->width : picture->width;
        const int canvasHeight = decoder_->height > 0 ? decoder_->height : picture->height;
        for (const SubtitleBitmap &bitmap : shown->onCanvas)
            shown->onPicture.push_back(Stretched(bitmap, double(picture->width) / canvasWidth,
                                                 double(picture->height) / canvasHeight));
    }
    if (av_frame_make_writable(picture) < 0)
        return Fail(kSubtitlePictureUnusable);
    for (const SubtitleBitmap &bitmap : shown->onPicture)
        DrawBitmap(picture, bitmap);
    return true;
}

// Reads on until every subtitle that starts by `seconds` is known.
bool PictureSubtitles::ReadUpTo(double seconds) {
    while (!streamEnded_ && readUntil_ <= seconds)
        if (!DecodePacket())
            return false;
    return true;
}

bool PictureSubtitles::DecodePacket() {
    if (av_read_frame(format_, packet_) < 0) {
        streamEnded_ = true;
        return decoded_ > 0 || undecodable_ == 0 || Fail(kSubtitleStreamUnreadable);
    }
    if (packet_->stream_index == stream_->index) {
        const int64_t timestamp = packet_->pts != AV_NOPTS_VALUE ? packet_->pts : packet_->dts;
        const double packetSeconds =
            timestamp == AV_NOPTS_VALUE
                ? readUntil_
                : (av_rescale_q(timestamp, stream_->time_base, AV_TIME_BASE_Q) - originTicks_) / double(AV_TIME_BASE);
        const double duration = packet_->duration > 0 ? packet_->duration * av_q2d(stream_->time_base) : 0;
        AVSubtitle subtitle{};
        int gotSubtitle = 0;
        if (avcodec_decode_subtitle2(decoder_, &subtitle, &gotSubtitle, packet_) < 0) {
            ++undecodable_;
        } else if (gotSubtitle) {
            ++decoded_;
            AddSubtitle(subtitle, packetSeconds, duration);
            avsubtitle_free(&subtitle);
        }
        readUntil_ = std::max(readUntil_, packetSeconds);
    }
    av_packet_unref(packet_);
    return decoded_ > 0 || undecodable_ < kMostUndecodablePackets || Fail(kSubtitleStreamUnreadable);
}

// One subtitle is shown at a time: a new one (or an empty one) ends the one before.
void PictureSubtitles::AddSubtitle(const AVSubtitle &subtitle, double packetSeconds, double packetDuration) {
    const double start = packetSeconds + subtitle.start_display_time / 1000.0;
    for (Subtitle &earlier : subtitles_)
        earlier.end = std::min(earlier.end, start);
    Subtitle shown;
    shown.start = start;
    shown.end = kForever;
    if (subtitle.end_display_time > subtitle.start_display_time && subtitle.end_display_time != UINT32_MAX)
        shown.end = packetSeconds + subtitle.end_display_time / 1000.0;
    else if (packetDuration > 0)
        shown.end = packetSeconds + packetDuration;
    for (unsigned i = 0; i < subtitle.num_rects; ++i) {
        SubtitleBitmap bitmap = BitmapOf(*subtitle.rects[i]);
        if (!bitmap.pixels.empty())
            shown.onCanvas.push_back(std::move(bitmap));
    }
    if (!shown.onCanvas.empty())
        subtitles_.push_back(std::move(shown));
}

// The latest subtitle shown at `seconds`; those that ended are let go.
PictureSubtitles::Subtitle *PictureSubtitles::ShownAt(double seconds) {
    while (!subtitles_.empty() && subtitles_.front().end <= seconds)
        subtitles_.pop_front();
    Subtitle *shown = nullptr;
    for (Subtitle &subtitle : subtitles_)
        if (subtitle.start <= seconds && seconds < subtitle.end)
            shown = &subtitle;
    return shown;
}

} // namespace korvid
