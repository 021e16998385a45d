#include "SubtitleBitmap.h"

#include "FramePicture.h"
#include "ScalerPointer.h"

#include <algorithm>
#include <cmath>

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace korvid {
namespace {

// Luma weights of red and blue in a picture's colour matrix (unmarked HD pictures use BT.709).
struct LumaWeights {
    double red, blue;
};

LumaWeights LumaWeightsOf(const AVFrame *picture) {
    switch (picture->colorspace) {
    case AVCOL_SPC_BT709: return {0.2126, 0.0722};
    case AVCOL_SPC_BT2020_NCL:
    case AVCOL_SPC_BT2020_CL: return {0.2627, 0.0593};
    case AVCOL_SPC_UNSPECIFIED:
    case AVCOL_SPC_RGB: return picture->height >= 720 ? LumaWeights{0.2126, 0.0722} : LumaWeights{0.299, 0.114};
    default: return {0.299, 0.114};
    }
}

bool IsFullRange(const AVFrame *picture) {
    return IsFullRangeFormat(static_cast<AVPixelFormat>(picture->format)) || picture->color_range == AVCOL_RANGE_JPEG;
}

uint32_t Premultiplied(uint32_t argb) {
    const uint32_t alpha = argb >> 24;
    auto channel = [&](int shift) { return (((argb >> shift) & 0xFF) * alpha + 127) / 255 << shift; };
    return alpha << 24 | channel(16) | channel(8) | channel(0);
}

// A bitmap's colour as contributions to Y, U and V, already weighted by its
// alpha, and the alpha (0..1).
struct Contribution {
    double y, u, v, alpha;
};

class ColourConverter {
public:
    explicit ColourConverter(const AVFrame *picture) : weights_(LumaWeightsOf(picture)) {
        if (IsFullRange(picture)) {
            lumaScale_ = 1.0;
            chromaScale_ = 1.0;
            lumaOffset_ = 0;
        }
    }

    Contribution Of(uint32_t pixel) const {
        const double alpha = (pixel >> 24) / 255.0;
        const double red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
        const double luma = weights_.red * red + (1 - weights_.red - weights_.blue) * green + weights_.blue * blue;
        return {alpha * lumaOffset_ + lumaScale_ * luma,
                alpha * 128 + chromaScale_ * (blue - luma) / (2 * (1 - weights_.blue)),
                alpha * 128 + chromaScale_ * (red - luma) / (2 * (1 - weights_.red)), alpha};
    }

private:
    LumaWeights weights_;
    double lumaScale_ = 219.0 / 255.0;
    double chromaScale_ = 224.0 / 255.0;
    double lumaOffset_ = 16;
};

uint8_t Blended(double contribution, double alpha, uint8_t below) {
    return static_cast<uint8_t>(std::clamp(std::lround(contribution + below * (1 - alpha)), 0L, 255L));
}

// The part of the bitmap inside the picture, in picture coordinates.
struct Area {
    int left, top, right, bottom;
};

void DrawLuma(AVFrame *picture, const SubtitleBitmap &bitmap, const ColourConverter &colours, Area area) {
    for (int y = area.top; y < area.bottom; ++y) {
        uint8_t *row = picture->data[0] + static_cast<ptrdiff_t>(picture->linesize[0]) * y;
        const uint32_t *source = bitmap.pixels.data() + static_cast<size_t>(y - bitmap.y) * bitmap.width;
        for (int x = area.left; x < area.right; ++x) {
            const uint32_t pixel = source[x - bitmap.x];
            if (pixel >> 24 == 0)
                continue;
            const Contribution colour = colours.Of(pixel);
            row[x] = Blended(colour.y, colour.alpha, row[x]);
        }
    }
}

// Each chroma sample takes the average over the luma samples it covers.
void DrawChroma(AVFrame *picture, const SubtitleBitmap &bitmap, const ColourConverter &colours, Area area) {
    const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(picture->format));
    const int shiftX = descriptor->log2_chroma_w, shiftY = descriptor->log2_chroma_h;
    for (int chromaY = area.top >> shiftY; chromaY <= (area.bottom - 1) >> shiftY; ++chromaY) {
        uint8_t *uRow = picture->data[1] + static_cast<ptrdiff_t>(picture->linesize[1]) * chromaY;
        uint8_t *vRow = picture->data[2] + static_cast<ptrdiff_t>(picture->linesize[2]) * chromaY;
        for (int chromaX = area.left >> shiftX; chromaX <= (area.right - 1) >> shiftX; ++chromaX) {
            Contribution sum{0, 0, 0, 0};
            int covered = 0;
            for (int y = chromaY << shiftY; y < std::min((chromaY + 1) << shiftY, picture->height); ++y)
                for (int x = chromaX << shiftX; x < std::min((chromaX + 1) << shiftX, picture->width); ++x) {
                    ++covered;
                    if (x < area.left || x >= area.right || y < area.top || y >= area.bottom)
                        continue;
                    const Contribution colour =
                        colours.Of(bitmap.pixels[static_cast<size_t>(y - bitmap.y) * bitmap.width + (x - bitmap.x)]);
                    sum = {0, sum.u + colour.u, sum.v + colour.v, sum.alpha + colour.alpha};
                }
            if (sum.alpha <= 0)
                continue;
            uRow[chromaX] = Blended(sum.u / covered, sum.alpha / covered, uRow[chromaX]);
            vRow[chromaX] = Blended(sum.v / covered, sum.alpha / covered, vRow[chromaX]);
        }
    }
}

} // namespace

SubtitleBitmap BitmapOf(const AVSubtitleRect &rect) {
    SubtitleBitmap bitmap;
    if (rect.type != SUBTITLE_BITMAP || rect.w < 1 || rect.h < 1 || !rect.data[0] || !rect.data[1])
        return bitmap;
    const uint32_t *palette = reinterpret_cast<const uint32_t *>(rect.data[1]);
    bitmap.x = rect.x;
    bitmap.y = rect.y;
    bitmap.width = rect.w;
    bitmap.height = rect.h;
    bitmap.pixels.resize(static_cast<size_t>(rect.w) * rect.h);
    for (int y = 0; y < rect.h; ++y)
        for (int x = 0; x < rect.w; ++x) {
            const uint8_t index = rect.data[0][static_cast<ptrdiff_t>(rect.linesize[0]) * y + x];
            bitmap.pixels[static_cast<size_t>(y) * rect.w + x] =
                index < rect.nb_colors ? Premultiplied(palette[index]) : 0;
        }
    return bitmap;
}

SubtitleBitmap Stretched(const SubtitleBitmap &bitmap, double horizontal, double vertical) {
    SubtitleBitmap result;
    result.x = static_cast<int>(std::lround(bitmap.x * horizontal));
    result.y = static_cast<int>(std::lround(bitmap.y * vertical));
    result.width = std::max(1, static_cast<int>(std::lround(bitmap.width * horizontal)));
    result.height = std::max(1, static_cast<int>(std::lround(bitmap.height * vertical)));
    if (result.width == bitmap.width && result.height == bitmap.height) {
        result.pixels = bitmap.pixels;
        return result;
    }
    // Premultiplied pixels stretch without dark fringes at transparent edges.
    ScalerPointer scaler(sws_getContext(bitmap.width, bitmap.height, AV_PIX_FMT_RGB32, result.width, result.height,
                                        AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!scaler)
        return {};
    result.pixels.resize(static_cast<size_t>(result.width) * result.height);
    const uint8_t *source[4] = {reinterpret_cast<const uint8_t *>(bitmap.pixels.data())};
    const int sourceStride[4] = {bitmap.width * 4};
    uint8_t *target[4] = {reinterpret_cast<uint8_t *>(result.pixels.data())};
    const int targetStride[4] = {result.width * 4};
    sws_scale(scaler.get(), source, sourceStride, 0, bitmap.height, target, targetStride);
    return result;
}

bool CanDrawInto(const AVFrame *picture) {
    const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(picture->format));
    constexpr uint64_t kUnsuitable = AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_HWACCEL |
                                     AV_PIX_FMT_FLAG_BITSTREAM | AV_PIX_FMT_FLAG_BE;
    if (!descriptor || (descriptor->flags & kUnsuitable) || !(descriptor->flags & AV_PIX_FMT_FLAG_PLANAR) ||
        descriptor->nb_components < 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        const AVComponentDescriptor &component = descriptor->comp[i];
        if (component.plane != i || component.depth != 8 || component.step != 1 || component.offset != 0)
            return false;
    }
    return true;
}

// YUV pictures keep their colour matrix and range; only depth and layout
// change. RGB pictures become BT.601 YUV.
FramePointer DrawablePicture(const AVFrame *picture) {
    const auto format = static_cast<AVPixelFormat>(picture->format);
    const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(format);
    if (!descriptor)
        return nullptr;
    const AVPixelFormat target = IsFullRangeFormat(format) ? AV_PIX_FMT_YUVJ420P : AV_PIX_FMT_YUV420P;
    ScalerPointer scaler(sws_getContext(picture->width, picture->height, format, picture->width, picture->height,
                                        target, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
    FramePointer converted(av_frame_alloc());
    if (!scaler || !converted)
        return nullptr;
    converted->width = picture->width;
    converted->height = picture->height;
    converted->format = target;
    if (av_frame_get_buffer(converted.get(), 0) < 0 || av_frame_copy_props(converted.get(), picture) < 0)
        return nullptr;
    if (sws_scale(scaler.get(), picture->data, picture->linesize, 0, picture->height, converted->data,
                  converted->linesize) != picture->height)
        return nullptr;
    if (descriptor->flags & AV_PIX_FMT_FLAG_RGB) {
        converted->colorspace = AVCOL_SPC_SMPTE170M;
        converted->color_range = AVCOL_RANGE_MPEG;
    }
    return converted;
}

void DrawBitmap(AVFrame *picture, const SubtitleBitmap &bitmap) {
    const Area area{std::max(0, bitmap.x), std::max(0, bitmap.y), std::min(picture->width, bitmap.x + bitmap.width),
                    std::min(picture->height, bitmap.y + bitmap.height)};
    if (area.left >= area.right || area.top >= area.bottom || bitmap.pixels.empty())
        return;
    const ColourConverter colours(picture);
    DrawLuma(picture, bitmap, colours, area);
    DrawChroma(picture, bitmap, colours, area);
}

} // namespace korvid
