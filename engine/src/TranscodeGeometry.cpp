#include "TranscodeGeometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/avutil.h>
}

namespace korvid {

namespace {

constexpr AVRational kNtscRate{30000, 1001};
constexpr AVRational kPalRate{25, 1};
constexpr AVRational kFallbackRate{25, 1};
constexpr double kDvdMaxVideoKbps = 8000;    // leaves room for audio under the 9.8 Mbit/s mux limit
constexpr double kDvdMinVideoKbps = 1000;

// The frame rates an MPEG-1/2 sequence header can name.
const AVRational kMpegRates[] = {{24000, 1001}, {24, 1}, {25, 1}, {30000, 1001}, {30, 1}, {50, 1}, {60000, 1001},
                                 {60, 1}, {0, 0}};

const PixelSize kH263Sizes[] = {{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}};

int Even(int value) { return std::max(2, value & ~1); }

double DisplayRatioOf(const SourcePicture &source)
{
    const double sar = source.sampleAspect.num > 0 && source.sampleAspect.den > 0 ? av_q2d(source.sampleAspect) : 1.0;
    return source.height > 0 ? source.width * sar / source.height : 1.0;
}

bool IsDvd(const VideoJob &job) { return job.codec->codec == VideoCodec::Dvd; }

// NTSC or PAL for DVD output: the TV system, else the rate asked for, else the size.
bool DvdIsPal(const VideoJob &job, const SourcePicture &source)
{
    if (job.tvSystem != TvSystem::None)
        return job.tvSystem == TvSystem::Pal;
    if (job.frameRate)
        return std::fabs(job.frameRate->Value() - 25.0) < 0.5;
    if (job.frameSize)
        return job.frameSize->height == 576 || job.frameSize->height == 288;
    return std::fabs(av_q2d(source.frameRate) - 25.0) < 0.5;
}

PixelSize NearestH263Size(PixelSize wanted)
{
    const double area = double(wanted.width) * wanted.height;
    return *std::min_element(std::begin(kH263Sizes), std::end(kH263Sizes), [area](PixelSize a, PixelSize b) {
        return std::fabs(std::log(a.width * a.height / area)) < std::fabs(std::log(b.width * b.height / area));
    });
}

PixelSize FrameSizeFor(const VideoJob &job, const SourcePicture &source, bool pal)
{
    PixelSize size = job.frameSize.value_or(PixelSize{source.width, source.height});
    if (IsDvd(job))
        return {720, pal ? 576 : 480};
    if (job.codec->codec == VideoCodec::H263)
        return NearestH263Size(size);
    return {Even(size.width), Even(size.height)};
}

// Display width / height of the whole frame that the job asks for.
double WantedDisplayRatio(const VideoJob &job, const SourcePicture &source, PixelSize requestedFrame)
{
    if (job.aspect && !job.aspect->squarePixels)
        return job.aspect->ratio;
    if (!job.aspect && !job.frameSize)
        return DisplayRatioOf(source);
    return double(requestedFrame.width) / requestedFrame.height;
}

// MPEG-1/2 signal only 4:3, 16:9, 2.21:1 and square pixels; DVD only the first two.
double SignalledDisplayRatio(const VideoJob &job, double wanted, PixelSize frame)
{
    if (!job.codec->mpegVideo)
        return wanted;
    std::vector<double> choices{4.0 / 3, 16.0 / 9};
    if (!IsDvd(job)) {
        choices.push_back(2.21);
        choices.push_back(double(frame.width) / frame.height);
    }
    return *std::min_element(choices.begin(), choices.end(), [wanted](double a, double b) {
        return std::fabs(std::log(a / wanted)) < std::fabs(std::log(b / wanted));
    });
}

AVRational SampleAspectFor(double displayRatio, PixelSize frame, bool h264)
{
    AVRational sar;
    av_reduce(&sar.num, &sar.den, std::llround(displayRatio * frame.height * 10000),
              int64_t(frame.width) * 10000, h264 ? 65535 : 255);
    return sar;
}

// The picture inside the frame: as asked, scaled along when the frame was changed.
PixelSize PictureSizeFor(const VideoJob &job, PixelSize requestedFrame, PixelSize frame)
{
    if (!job.pictureSize)
        return frame;
    const double scaleX = double(frame.width) / requestedFrame.width;
    const double scaleY = double(frame.height) / requestedFrame.height;
    const int width = int(job.pictureSize->width * scaleX);
    const int height = int(job.pictureSize->height * scaleY);
    return {Even(std::min(width, frame.width)), Even(std::min(height, frame.height))};
}

AVRational FrameRateFor(const VideoJob &job, const SourcePicture &source, bool pal, const AVCodec *encoder)
{
    AVRational rate = source.frameRate.num > 0 ? source.frameRate : kFallbackRate;
    if (job.frameRate)
        rate = AVRational{job.frameRate->numerator, job.frameRate->denominator};
    if (IsDvd(job))
        rate = pal ? kPalRate : kNtscRate;
    else if (job.tvSystem != TvSystem::None)
        rate = job.tvSystem == TvSystem::Pal ? kPalRate : kNtscRate;
    const AVRational *allowed = job.codec->mpegVideo ? kMpegRates : encoder ? encoder->supported_framerates : nullptr;
    if (allowed)
        rate = allowed[av_find_nearest_q_idx(rate, allowed)];
    return rate;
}

int64_t BitRateFor(const VideoJob &job, PixelSize frame, AVRational rate)
{
    double kbps = job.bitRateKbps;
    if (kbps <= 0)
        kbps = std::clamp(frame.width * frame.height * av_q2d(rate) * 0.1 / 1000, 200.0, 20000.0);
    if (IsDvd(job))
        kbps = std::clamp(kbps, kDvdMinVideoKbps, kDvdMaxVideoKbps);
    return int64_t(kbps * 1000);
}

} // namespace

VideoGeometry DecideGeometry(const VideoJob &job, const SourcePicture &source, const AVCodec *encoder)
{
    VideoGeometry geometry;
    geometry.pal = IsDvd(job) && DvdIsPal(job, source);
    const PixelSize requested = job.frameSize.value_or(PixelSize{Even(source.width), Even(source.height)});
    const PixelSize frame = FrameSizeFor(job, source, geometry.pal);
    const PixelSize picture = PictureSizeFor(job, requested, frame);
    const double displayRatio = SignalledDisplayRatio(job, WantedDisplayRatio(job, source, requested), frame);
    geometry.frameWidth = frame.width;
    geometry.frameHeight = frame.height;
    geometry.pictureWidth = picture.width;
    geometry.pictureHeight = picture.height;
    geometry.sampleAspect = SampleAspectFor(displayRatio, frame, job.codec->codec == VideoCodec::H264);
    geometry.frameRate = FrameRateFor(job, source, geometry.pal, encoder);
    geometry.bitRate = BitRateFor(job, frame, geometry.frameRate);
    return geometry;
}

AVRational SourceFrameRate(const std::string &workFileRateText, AVRational streamRate)
{
    if (auto rate = ParseFrameRate(workFileRateText))
        return AVRational{rate->numerator, rate->denominator};
    return streamRate;
}

} // namespace korvid
