#include "FramePicture.h"

#include "ScalerPointer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <cstring>

namespace korvid {
namespace {

// The old full-range "J" formats are their plain twins with full range.
AVPixelFormat PlainFormat(AVPixelFormat format, bool *fullRange) {
    switch (format) {
    case AV_PIX_FMT_YUVJ420P: *fullRange = true; return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P: *fullRange = true; return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P: *fullRange = true; return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P: *fullRange = true; return AV_PIX_FMT_YUV440P;
    default: return format;
    }
}

// Unmarked HD pictures use the BT.709 matrix, smaller ones BT.601.
int ColourMatrix(const AVFrame *source) {
    if (source->colorspace != AVCOL_SPC_UNSPECIFIED && source->colorspace != AVCOL_SPC_RGB)
        return source->colorspace;
    return source->height >= 720 ? SWS_CS_ITU709 : SWS_CS_DEFAULT;
}

// Chroma sample positions in 1/256 of a luma sample, in the directions the
// format subsamples; the other direction keeps the scaler's default.
void SetChromaSiting(SwsContext *scaler, const AVFrame *source, AVPixelFormat format) {
    const AVPixFmtDescriptor *descriptor = av_pix_fmt_desc_get(format);
    int x = 0;
    int y = 0;
    if (!descriptor || source->chroma_location == AVCHROMA_LOC_UNSPECIFIED ||
        avcodec_enum_to_chroma_pos(&x, &y, source->chroma_location) < 0)
        return;
    if (descriptor->log2_chroma_w > 0)
        av_opt_set_int(scaler, "src_h_chr_pos", x, 0);
    if (descriptor->log2_chroma_h > 0)
        av_opt_set_int(scaler, "src_v_chr_pos", y, 0);
}

ScalerPointer MakeScaler(const AVFrame *source, int width, int height, AVPixelFormat target) {
    bool sourceFull = source->color_range == AVCOL_RANGE_JPEG;
    AVPixelFormat sourceFormat = PlainFormat(static_cast<AVPixelFormat>(source->format), &sourceFull);
    bool targetFull = false;
    AVPixelFormat targetFormat = PlainFormat(target, &targetFull);
    const AVPixFmtDescriptor *targetDescriptor = av_pix_fmt_desc_get(targetFormat);
    targetFull = targetFull || (targetDescriptor && (targetDescriptor->flags & AV_PIX_FMT_FLAG_RGB));
    ScalerPointer scaler(sws_alloc_context());
    if (!scaler)
        return nullptr;
    SwsContext *s = scaler.get();
    av_opt_set_int(s, "srcw", source->width, 0);
    av_opt_set_int(s, "srch", source->height, 0);
    av_opt_set_int(s, "src_format", sourceFormat, 0);
    av_opt_set_int(s, "dstw", width, 0);
    av_opt_set_int(s, "dsth", height, 0);
    av_opt_set_int(s, "dst_format", targetFormat, 0);
    av_opt_set_int(s, "sws_flags", SWS_BICUBIC | SWS_FULL_CHR_H_INT | SWS_FULL_CHR_H_INP | SWS_ACCURATE_RND, 0);
    SetChromaSiting(s, source, sourceFormat);
    if (sws_init_context(s, nullptr, nullptr) < 0)
        return nullptr;
    const int *matrix = sws_getCoefficients(ColourMatrix(source));
    sws_setColorspaceDetails(s, matrix, sourceFull, sws_getCoefficients(SWS_CS_DEFAULT), targetFull, 0, 1 << 16,
                             1 << 16);
    return scaler;
}

} // namespace

bool IsFullRangeFormat(AVPixelFormat format) {
    bool fullRange = false;
    PlainFormat(format, &fullRange);
    return fullRange;
}

FramePointer ScalePicture(const AVFrame *source, int width, int height, AVPixelFormat format) {
    if (!source || source->width < 1 || source->height < 1 || width < 1 || height < 1)
        return nullptr;
    ScalerPointer scaler = MakeScaler(source, width, height, format);
    FramePointer target(av_frame_alloc());
    if (!scaler || !target)
        return nullptr;
    target->width = width;
    target->height = height;
    target->format = format;
    target->color_range = IsFullRangeFormat(format) ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
    if (av_frame_get_buffer(target.get(), 0) < 0)
        return nullptr;
    if (sws_scale(scaler.get(), source->data, source->linesize, 0, source->height, target->data,
                  target->linesize) != height)
        return nullptr;
    return target;
}

bool ScaleToBgrRows(const AVFrame *source, int width, int height, std::vector<uint8_t> &rows) {
    FramePointer picture = ScalePicture(source, width, height, AV_PIX_FMT_BGR24);
    if (!picture)
        return false;
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    rows.resize(rowBytes * height);
    for (int y = 0; y < height; ++y)
        std::memcpy(rows.data() + rowBytes * y, picture->data[0] + static_cast<ptrdiff_t>(picture->linesize[0]) * y,
                    rowBytes);
    return true;
}

} // namespace korvid
