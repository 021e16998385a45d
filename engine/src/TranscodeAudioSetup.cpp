#include "TranscodeAudioSetup.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

namespace korvid {

namespace {

constexpr int kDvdSampleRate = 48000;
constexpr int kUsualBitRateKbps = 128;
constexpr int kUsualAc3BitRateKbps = 192;
const std::vector<int> kFlvSampleRates{44100, 22050, 11025};
const std::vector<int> kMp2BitRates{32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
const std::vector<int> kMp2LowRateBitRates{8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
const std::vector<int> kAc3BitRates{32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 448, 512, 576, 640};

int Nearest(const std::vector<int> &choices, int wanted)
{
    return *std::min_element(choices.begin(), choices.end(),
                             [wanted](int a, int b) { return std::abs(a - wanted) < std::abs(b - wanted); });
}

std::vector<int> SupportedRates(const AVCodec *codec)
{
    std::vector<int> rates;
    for (const int *rate = codec->supported_samplerates; rate && *rate; ++rate)
        rates.push_back(*rate);
    return rates;
}

int SampleRateFor(const ConversionJob &job, const AVCodec *codec, int sourceRate)
{
    int rate = job.audio.sampleRate > 0 ? job.audio.sampleRate : sourceRate;
    if (rate <= 0)
        rate = kDvdSampleRate;
    if (job.muxer == "dvd" || job.muxer == "vob")
        return kDvdSampleRate;
    if (job.muxer == "flv")
        rate = Nearest(kFlvSampleRates, rate);
    const std::vector<int> rates = SupportedRates(codec);
    return rates.empty() ? rate : Nearest(rates, rate);
}

int64_t BitRateFor(const AudioJob &audio, int sampleRate)
{
    int kbps = audio.bitRateKbps;
    if (kbps <= 0)
        kbps = audio.codec->codec == AudioCodec::Ac3 ? kUsualAc3BitRateKbps : kUsualBitRateKbps;
    if (audio.codec->codec == AudioCodec::Ac3)
        kbps = Nearest(kAc3BitRates, kbps);
    if (audio.codec->codec == AudioCodec::Mp2)
        kbps = Nearest(sampleRate >= 32000 ? kMp2BitRates : kMp2LowRateBitRates, kbps);
    return int64_t(kbps) * 1000;
}

AVSampleFormat SampleFormatFor(const AVCodec *codec)
{
    return codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
}

std::string LayoutName(const AVChannelLayout &layout)
{
    char name[128] = {};
    av_channel_layout_describe(&layout, name, sizeof name);
    return name;
}

} // namespace

AVCodecContext *OpenAudioEncoder(const ConversionJob &job, const AVCodecContext *decoder, bool globalHeader,
                                 std::string *error)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(job.audio.codec->encoder);
    AVCodecContext *encoder = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!encoder) {
        *error = std::string("no encoder ") + job.audio.codec->encoder;
        return nullptr;
    }
    encoder->sample_rate = SampleRateFor(job, codec, decoder->sample_rate);
    // Stereo output; a mono source stays mono.
    av_channel_layout_default(&encoder->ch_layout, decoder->ch_layout.nb_channels == 1 ? 1 : 2);
    encoder->sample_fmt = SampleFormatFor(codec);
    encoder->bit_rate = BitRateFor(job.audio, encoder->sample_rate);
    encoder->time_base = AVRational{1, encoder->sample_rate};
    if (globalHeader)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(encoder, codec, nullptr) < 0) {
        *error = std::string("the ") + codec->name + " encoder refused " + std::to_string(encoder->sample_rate) +
                 " Hz at " + std::to_string(encoder->bit_rate / 1000) + " kbit/s";
        avcodec_free_context(&encoder);
    }
    return encoder;
}

std::string AudioSourceArguments(const AudioChainInput &input)
{
    const AVFrame *frame = input.firstFrame;
    std::string layout = frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC
                             ? "channels=" + std::to_string(frame->ch_layout.nb_channels)
                             : "channel_layout=" + LayoutName(frame->ch_layout);
    return "time_base=1/" + std::to_string(frame->sample_rate) + ":sample_rate=" + std::to_string(frame->sample_rate) +
           ":sample_fmt=" + av_get_sample_fmt_name(AVSampleFormat(frame->format)) + ":" + layout;
}

std::string AudioFilterChain(const AudioChainInput &input, const AVCodecContext *encoder)
{
    // Fills gaps and trims overlaps so the audio starts at 0 with the video; with
    // forced sync it also stretches up to 1000 samples per second to follow the clock.
    std::string chain = "aresample=" + std::to_string(encoder->sample_rate) +
                        ":async=" + (input.forceSync ? "1000" : "1") + (input.startsAtZero ? ":first_pts=0" : "");
    if (input.volumeDb != 0)
        chain += ",volume=" + std::to_string(input.volumeDb) + "dB";
    if (input.lengthSeconds > 0)
        chain += ",atrim=end=" + std::to_string(input.lengthSeconds);
    chain += ",aformat=sample_fmts=" + std::string(av_get_sample_fmt_name(encoder->sample_fmt)) +
             ":channel_layouts=" + LayoutName(encoder->ch_layout);
    return chain;
}

} // namespace korvid
