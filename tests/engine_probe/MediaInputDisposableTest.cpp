// Which H.264 packets an accurate seek may leave out of the decoder: only those
// whose every slice is a non-reference slice, never parameter sets or IDR pictures.
#include "MediaInputDisposable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace enginetest {
namespace {

constexpr uint8_t kNonReferenceSlice = 0x01;   // nal_ref_idc 0, type 1
constexpr uint8_t kReferenceSlice = 0x41;      // nal_ref_idc 2, type 1
constexpr uint8_t kIdrSlice = 0x65;
constexpr uint8_t kSei = 0x06;
constexpr uint8_t kDelimiter = 0x09;
constexpr uint8_t kSps = 0x67;

// Units with 4-byte big-endian lengths, as in MP4; each unit is its header and two body bytes.
std::vector<uint8_t> LengthPrefixed(const std::vector<uint8_t> &headers) {
    std::vector<uint8_t> bytes;
    for (uint8_t header : headers)
        bytes.insert(bytes.end(), {0, 0, 0, 3, header, 0x88, 0x84});
    return bytes;
}

std::vector<uint8_t> StartCoded(const std::vector<uint8_t> &headers) {
    std::vector<uint8_t> bytes;
    for (uint8_t header : headers)
        bytes.insert(bytes.end(), {0, 0, 0, 1, header, 0x88, 0x84});
    return bytes;
}

struct Stream {
    explicit Stream(bool mp4Style, AVCodecID codec = AV_CODEC_ID_H264) : parameters(avcodec_parameters_alloc()) {
        parameters->codec_id = codec;
        if (mp4Style) {
            static const uint8_t avcC[] = {1, 0x64, 0, 0x1f, 0xff, 0xe1, 0};   // 4-byte lengths
            parameters->extradata = static_cast<uint8_t *>(av_mallocz(sizeof avcC + AV_INPUT_BUFFER_PADDING_SIZE));
            std::copy(avcC, avcC + sizeof avcC, parameters->extradata);
            parameters->extradata_size = sizeof avcC;
        }
    }
    ~Stream() { avcodec_parameters_free(&parameters); }
    bool Disposable(std::vector<uint8_t> bytes, int flags = 0) const {
        AVPacket *packet = av_packet_alloc();
        av_new_packet(packet, static_cast<int>(bytes.size()));
        std::copy(bytes.begin(), bytes.end(), packet->data);
        packet->flags = flags;
        bool result = korvid::IsDisposablePacket(parameters, packet);
        av_packet_free(&packet);
        return result;
    }
    AVCodecParameters *parameters;
};

TEST(DisposablePackets, OnlyPacketsOfNonReferenceSlicesAreLeftOut) {
    struct Case {
        std::vector<uint8_t> headers;
        bool disposable;
    };
    const Case cases[] = {
        {{kNonReferenceSlice}, true},
        {{kDelimiter, kSei, kNonReferenceSlice, kNonReferenceSlice}, true},
        {{kReferenceSlice}, false},
        {{kNonReferenceSlice, kReferenceSlice}, false},
        {{kSps, kNonReferenceSlice}, false},
        {{kIdrSlice}, false},
        {{kDelimiter, kSei}, false},   // no picture at all: let the decoder see it
    };
    for (bool mp4Style : {true, false}) {
        Stream stream(mp4Style);
        for (const Case &c : cases) {
            SCOPED_TRACE((mp4Style ? "length-prefixed, first unit " : "start codes, first unit ") +
                         std::to_string(c.headers.front()));
            auto bytes = mp4Style ? LengthPrefixed(c.headers) : StartCoded(c.headers);
            EXPECT_EQ(stream.Disposable(bytes), c.disposable);
        }
    }
}

TEST(DisposablePackets, KeyframesDamagedPacketsAndOtherCodecsAreKept) {
    Stream mp4(true);
    EXPECT_FALSE(mp4.Disposable(LengthPrefixed({kNonReferenceSlice}), AV_PKT_FLAG_KEY));
    std::vector<uint8_t> overlong = LengthPrefixed({kNonReferenceSlice});
    overlong[3] = 40;   // a unit longer than the packet
    EXPECT_FALSE(mp4.Disposable(overlong));
    EXPECT_FALSE(mp4.Disposable({}));
    Stream hevc(true, AV_CODEC_ID_HEVC);
    EXPECT_FALSE(hevc.Disposable(LengthPrefixed({kNonReferenceSlice})));
}

} // namespace
} // namespace enginetest
