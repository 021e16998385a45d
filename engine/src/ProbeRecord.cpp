#include "ProbeRecord.h"

#include <cmath>

namespace korvid {
namespace {

constexpr double kAspectTolerance = 0.02;
constexpr double kMeasuredAudioSeconds = 2.0;
constexpr int kMostMeasuredPackets = 2000;

struct NamedAspect {
    double ratio;
    int32_t code;
};
constexpr NamedAspect kNamedAspects[] = {{4.0 / 3.0, 2}, {16.0 / 9.0, 3}, {2.21, 4}};

bool IsSquare(AVRational sampleAspect) {
    return sampleAspect.num <= 0 || sampleAspect.den <= 0 || sampleAspect.num == sampleAspect.den;
}

float Kilobits(int64_t bitsPerSecond) {
    return bitsPerSecond > 0 ? static_cast<float>(bitsPerSecond / 1000.0) : 0.0f;
}

// The container's overall rate (or size over duration) less the audio's.
int64_t VideoBitRate(const MediaInput &input, int64_t audioBitsPerSecond) {
    const AVStream *video = input.VideoStream();
    if (video->codecpar->bit_rate > 0)
        return video->codecpar->bit_rate;
    int64_t total = input.Format()->bit_rate;
    int64_t bytes = input.Format()->pb ? avio_size(input.Format()->pb) : -1;
    if (total <= 0 && bytes > 0 && input.DurationSeconds() > 0)
        total = static_cast<int64_t>(bytes * 8 / input.DurationSeconds());
    int64_t rest = total - audioBitsPerSecond;
    return rest > 0 ? rest : 0;
}

} // namespace

AspectFields AspectFieldsOf(int width, int height, AVRational sampleAspect) {
    if (width < 1 || height < 1)
        return {0, 1};
    bool square = IsSquare(sampleAspect);
    double display = square ? static_cast<double>(width) / height
                            : static_cast<double>(width) * av_q2d(sampleAspect) / height;
    for (const NamedAspect &named : kNamedAspects)
        if (std::fabs(display / named.ratio - 1.0) <= kAspectTolerance)
            return {named.code, square ? 1 : 0};
    return {square ? 1 : 0, 1};
}

int64_t AudioBitRateOf(MediaInput &input) {
    const AVStream *audio = input.AudioStream();
    if (!audio || audio->codecpar->bit_rate > 0)
        return audio ? audio->codecpar->bit_rate : 0;
    if (!input.VideoStream())
        return input.Format()->bit_rate > 0 ? input.Format()->bit_rate : 0;
    AVPacket *packet = av_packet_alloc();
    int64_t bytes = 0;
    int64_t first = AV_NOPTS_VALUE;
    double seconds = 0;
    for (int i = 0; packet && i < kMostMeasuredPackets && seconds < kMeasuredAudioSeconds; ++i) {
        if (av_read_frame(input.Format(), packet) < 0)
            break;
        if (packet->stream_index == audio->index && packet->pts != AV_NOPTS_VALUE) {
            first = first == AV_NOPTS_VALUE ? packet->pts : first;
            bytes += packet->size;
            seconds = (packet->pts + packet->duration - first) * av_q2d(audio->time_base);
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    return seconds > 0 ? static_cast<int64_t>(bytes * 8 / seconds) : 0;
}

EngineFileInfo DescribeInput(const MediaInput &input, int64_t audioBitsPerSecond) {
    EngineFileInfo info{};
    info.durationSeconds = static_cast<int32_t>(std::lround(input.DurationSeconds()));
    info.frameRate = static_cast<float>(input.VideoFrameRate());
    info.aspectFlag = 1;
    if (const AVStream *audio = input.AudioStream()) {
        info.audioSampleRate = audio->codecpar->sample_rate;
        info.audioBitRateKbps = Kilobits(audioBitsPerSecond);
    }
    if (const AVStream *video = input.VideoStream()) {
        info.videoBitRateKbps = Kilobits(VideoBitRate(input, audioBitsPerSecond));
        info.width = video->codecpar->width;
        info.height = video->codecpar->height;
    }
    return info;
}

} // namespace korvid
