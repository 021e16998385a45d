#include "TranscodeVideoSetup.h"

#include <cmath>

extern "C" {
#include <libavutil/opt.h>
#include <libavutil/avstring.h>
#include <libavutil/pixdesc.h>
}

namespace korvid {

namespace {

// DVD video buffer and peak rate (what DVD players are built for).
constexpr int kDvdBufferBits = 1835008;
constexpr int64_t kDvdMaxRate = 9000000;
constexpr int kMpegBFrames = 2;

const char *H264ProfileName(H264Profile profile)
{
    switch (profile) {
    case H264Profile::Baseline: return "baseline";
    case H264Profile::Main: return "main";
    case H264Profile::High: break;
    }
    return "high";
}

AVChromaLocation ChromaLocationOf(const ChromaSiting &siting)
{
    return siting.horizontal == 0 ? AVCHROMA_LOC_LEFT : AVCHROMA_LOC_CENTER;
}

// Pictures per group: about half a second for MPEG-1/2 (15 PAL, 18 NTSC on DVD), two seconds elsewhere.
int GroupOfPictures(const VideoJob &job, AVRational rate)
{
    const double fps = av_q2d(rate);
    if (job.codec->mpegVideo)
        return job.codec->codec == VideoCodec::Dvd ? (fps < 26 ? 15 : 18) : std::max(1, int(std::lround(fps / 2)));
    return std::max(1, int(std::lround(fps * 2)));
}

void ApplyH264Settings(AVCodecContext *encoder, const VideoJob &job)
{
    av_opt_set(encoder->priv_data, "preset", job.highQuality ? "medium" : "veryfast", 0);
    av_opt_set(encoder->priv_data, "profile", H264ProfileName(job.h264Profile), 0);
}

void ApplyMpegFamilySettings(AVCodecContext *encoder, const VideoJob &job, const AVRational rate)
{
    encoder->gop_size = GroupOfPictures(job, rate);
    if (job.highQuality) {
        encoder->mb_decision = FF_MB_DECISION_RD;
        av_opt_set_int(encoder, "trellis", 1, AV_OPT_SEARCH_CHILDREN);
        if (job.codec->mpegVideo)
            encoder->max_b_frames = kMpegBFrames;
    }
    if (job.codec->codec == VideoCodec::Dvd) {
        encoder->rc_max_rate = kDvdMaxRate;
        encoder->rc_buffer_size = kDvdBufferBits;
    }
}

void ApplyCodecSettings(AVCodecContext *encoder, const VideoJob &job, const ConversionJob &conversion, AVRational rate)
{
    if (job.codec->codec == VideoCodec::H264)
        ApplyH264Settings(encoder, job);
    else
        ApplyMpegFamilySettings(encoder, job, rate);
    if (job.codec->codec == VideoCodec::Xvid && conversion.muxer == "avi")
        encoder->codec_tag = MKTAG('X', 'V', 'I', 'D');
}

void ApplyPictureSettings(AVCodecContext *encoder, const VideoJob &job, const VideoGeometry &geometry)
{
    encoder->width = geometry.frameWidth;
    encoder->height = geometry.frameHeight;
    encoder->pix_fmt = AV_PIX_FMT_YUV420P;
    encoder->sample_aspect_ratio = geometry.sampleAspect;
    encoder->framerate = geometry.frameRate;
    encoder->time_base = av_inv_q(geometry.frameRate);
    encoder->bit_rate = geometry.bitRate;
    encoder->color_range = AVCOL_RANGE_MPEG;
    encoder->chroma_sample_location = ChromaLocationOf(job.codec->siting);
}

std::string ChromaPosition(const char *prefix, int horizontal, int vertical)
{
    return std::string(":") + prefix + "_h_chr_pos=" + std::to_string(horizontal) + ":" + prefix +
           "_v_chr_pos=" + std::to_string(vertical);
}

std::string Rational(AVRational value)
{
    return std::to_string(value.num) + "/" + std::to_string(value.den);
}

std::string ScaleFilter(const VideoChainInput &input, const VideoJob &job, const VideoGeometry &geometry)
{
    int horizontal = 0, vertical = 128;
    avcodec_enum_to_chroma_pos(&horizontal, &vertical, input.firstFrame->chroma_location);
    input.orientation.TurnChromaPosition(&horizontal, &vertical);
    const ChromaSiting &out = job.codec->siting;
    return "scale=w=" + std::to_string(geometry.pictureWidth) + ":h=" + std::to_string(geometry.pictureHeight) +
           ChromaPosition("in", horizontal, vertical) + ChromaPosition("out", out.horizontal, out.vertical) +
           ":flags=bicubic,format=yuv420p";
}

std::string PadFilter(const VideoGeometry &geometry)
{
    if (geometry.pictureWidth == geometry.frameWidth && geometry.pictureHeight == geometry.frameHeight)
        return {};
    const int left = ((geometry.frameWidth - geometry.pictureWidth) / 2) & ~1;
    const int top = ((geometry.frameHeight - geometry.pictureHeight) / 2) & ~1;
    return ",pad=" + std::to_string(geometry.frameWidth) + ":" + std::to_string(geometry.frameHeight) + ":" +
           std::to_string(left) + ":" + std::to_string(top) + ":black";
}

// A filter option value inside a filter chain: escaped for the option parser, then for the chain parser.
std::string EscapedFilterValue(const std::string &value)
{
    char *optionLevel = nullptr;
    char *chainLevel = nullptr;
    std::string escaped;
    if (av_escape(&optionLevel, value.c_str(), ":=", AV_ESCAPE_MODE_BACKSLASH, 0) >= 0 &&
        av_escape(&chainLevel, optionLevel, ",;[]", AV_ESCAPE_MODE_BACKSLASH, 0) >= 0)
        escaped = chainLevel;
    av_free(optionLevel);
    av_free(chainLevel);
    return escaped;
}

// The subtitle filter times its events on the container's clock, so the
// pictures visit that clock while it draws.
std::string SubtitleFilter(const SubtitleBurnIn &subtitles)
{
    if (subtitles.index < 0)
        return {};
    const std::string offset = std::to_string(subtitles.offsetSeconds);
    return "setpts=PTS+" + offset + "/TB,subtitles=filename=" + EscapedFilterValue(subtitles.file) +
           ":si=" + std::to_string(subtitles.index) + ",setpts=PTS-" + offset + "/TB,";
}

// Video that starts well after the clip (its audio came first) gets its first
// picture repeated from second 0, since not every container can hold a late
// start; a start within rounding of 0 is kept, so nothing is doubled.
bool StartsLate(const VideoChainInput &input)
{
    const AVFrame *first = input.firstFrame;
    return first->pts > first->pkt_duration * 3 / 2;
}

} // namespace

int SubtitleStreamIndex(const AVFormatContext *format, int subtitleTrack)
{
    int position = 0;
    for (unsigned i = 0; subtitleTrack >= 0 && i < format->nb_streams; ++i)
        if (format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE && position++ == subtitleTrack)
            return static_cast<int>(i);
    return -1;
}

bool IsTextSubtitle(const AVCodecParameters *parameters)
{
    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(parameters->codec_id);
    return parameters->codec_type == AVMEDIA_TYPE_SUBTITLE && descriptor &&
           (descriptor->props & AV_CODEC_PROP_TEXT_SUB);
}

SubtitleBurnIn SubtitleBurnInFor(const AVFormatContext *format, const std::string &file, int subtitleTrack,
                                 double offsetSeconds)
{
    const int stream = SubtitleStreamIndex(format, subtitleTrack);
    if (stream >= 0 && IsTextSubtitle(format->streams[stream]->codecpar))
        return {file, subtitleTrack, offsetSeconds};
    return {};
}

const AVCodec *VideoEncoderFor(const VideoJob &job)
{
    return avcodec_find_encoder_by_name(job.codec->encoder);
}

AVCodecContext *OpenVideoEncoder(const VideoJob &job, const VideoGeometry &geometry, const ConversionJob &conversion,
                                 const ConversionSettings &settings, bool globalHeader, std::string *error)
{
    const AVCodec *codec = VideoEncoderFor(job);
    AVCodecContext *encoder = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!encoder) {
        *error = std::string("no encoder ") + job.codec->encoder;
        return nullptr;
    }
    ApplyPictureSettings(encoder, job, geometry);
    encoder->thread_count = settings.threads;
    if (globalHeader)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    ApplyCodecSettings(encoder, job, conversion, geometry.frameRate);
    if (avcodec_open2(encoder, codec, nullptr) < 0) {
        *error = std::string("the ") + job.codec->encoder + " encoder refused " + std::to_string(geometry.frameWidth) +
                 "x" + std::to_string(geometry.frameHeight) + " at " + Rational(geometry.frameRate);
        avcodec_free_context(&encoder);
    }
    return encoder;
}

std::string VideoSourceArguments(const VideoChainInput &input)
{
    const AVFrame *frame = input.firstFrame;
    AVRational sar = frame->sample_aspect_ratio;
    if (sar.num <= 0 || sar.den <= 0)
        sar = AVRational{1, 1};
    return "video_size=" + std::to_string(frame->width) + "x" + std::to_string(frame->height) +
           ":pix_fmt=" + std::to_string(frame->format) + ":time_base=" + Rational(input.timeBase) +
           ":pixel_aspect=" + Rational(sar);
}

std::string VideoFilterChain(const VideoChainInput &input, const VideoJob &job, const VideoGeometry &geometry)
{
    std::string chain;
    if (input.deinterlace)
        chain += "bwdif=mode=send_frame:parity=auto:deint=all,";
    if (!input.orientation.IsUpright())
        chain.append(input.orientation.Filters()).append(",");
    chain += SubtitleFilter(input.subtitles);
    chain += "fps=fps=" + Rational(geometry.frameRate) + (StartsLate(input) ? ":start_time=0" : "");
    if (input.lengthSeconds > 0)
        chain += ",trim=end=" + std::to_string(input.lengthSeconds);
    chain.append(",").append(ScaleFilter(input, job, geometry)).append(PadFilter(geometry));
    chain += ",setsar=sar=" + Rational(geometry.sampleAspect);
    return chain;
}

} // namespace korvid
