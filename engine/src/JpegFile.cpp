#include "JpegFile.h"

#include "FramePicture.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstdio>
#include <memory>

namespace korvid {
namespace {

struct EncoderDeleter {
    void operator()(AVCodecContext *context) const { avcodec_free_context(&context); }
};
struct PacketDeleter {
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};

constexpr int kBestQuantiser = 2;

std::unique_ptr<AVCodecContext, EncoderDeleter> OpenJpegEncoder(int width, int height) {
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    std::unique_ptr<AVCodecContext, EncoderDeleter> encoder(codec ? avcodec_alloc_context3(codec) : nullptr);
    if (!encoder)
        return nullptr;
    encoder->width = width;
    encoder->height = height;
    encoder->pix_fmt = AV_PIX_FMT_YUVJ420P;
    encoder->time_base = {1, 25};
    encoder->flags |= AV_CODEC_FLAG_QSCALE;
    encoder->global_quality = FF_QP2LAMBDA * kBestQuantiser;
    if (avcodec_open2(encoder.get(), codec, nullptr) < 0)
        return nullptr;
    return encoder;
}

bool SaveBytes(const std::string &path, const uint8_t *data, int size) {
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool written = std::fwrite(data, 1, size, file) == static_cast<size_t>(size);
    return std::fclose(file) == 0 && written;
}

} // namespace

bool WriteJpeg(const std::string &path, const AVFrame *picture, int width, int height) {
    if (width < 1 || height < 1) {
        width = picture->width;
        height = picture->height;
    }
    FramePointer scaled = ScalePicture(picture, width, height, AV_PIX_FMT_YUVJ420P);
    auto encoder = OpenJpegEncoder(width, height);
    std::unique_ptr<AVPacket, PacketDeleter> packet(av_packet_alloc());
    if (!scaled || !encoder || !packet)
        return false;
    scaled->quality = encoder->global_quality;
    scaled->pict_type = AV_PICTURE_TYPE_I;
    if (avcodec_send_frame(encoder.get(), scaled.get()) < 0 || avcodec_send_frame(encoder.get(), nullptr) < 0 ||
        avcodec_receive_packet(encoder.get(), packet.get()) < 0)
        return false;
    return SaveBytes(path, packet->data, packet->size);
}

} // namespace korvid
