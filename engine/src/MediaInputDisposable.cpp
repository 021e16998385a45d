#include "MediaInputDisposable.h"

#include <cstdint>

namespace korvid {
namespace {

enum class NalVerdict { NonReferenceSlice, Harmless, Needed };

// H.264 unit types: 1 = slice of a non-IDR picture, 6 = SEI, 9 = access unit
// delimiter, 10/11 = end of sequence/stream, 12 = filler. Anything else (IDR,
// partitions, parameter sets, extensions) keeps the packet.
NalVerdict JudgeNal(uint8_t header) {
    const int type = header & 0x1f;
    const bool reference = (header & 0x60) != 0;
    if (type == 1)
        return reference ? NalVerdict::Needed : NalVerdict::NonReferenceSlice;
    if (type == 6 || (type >= 9 && type <= 12))
        return NalVerdict::Harmless;
    return NalVerdict::Needed;
}

// Folds one unit into the packet's verdict; false once the packet is needed.
bool AddNal(const uint8_t *unit, size_t size, bool *sawSlice) {
    if (size == 0)
        return true;
    NalVerdict verdict = JudgeNal(unit[0]);
    *sawSlice = *sawSlice || verdict == NalVerdict::NonReferenceSlice;
    return verdict != NalVerdict::Needed;
}

// Units prefixed by their big-endian length (MP4, Matroska: "avcC" extradata).
bool LengthPrefixedIsDisposable(const uint8_t *data, size_t size, int lengthBytes) {
    bool sawSlice = false;
    size_t at = 0;
    while (at + lengthBytes <= size) {
        size_t length = 0;
        for (int i = 0; i < lengthBytes; ++i)
            length = (length << 8) | data[at + i];
        at += lengthBytes;
        if (length > size - at || !AddNal(data + at, length, &sawSlice))
            return false;
        at += length;
    }
    return at == size && sawSlice;
}

// Units after 00 00 01 start codes (transport and program streams, raw H.264).
bool StartCodedIsDisposable(const uint8_t *data, size_t size) {
    bool sawSlice = false;
    for (size_t at = 0; at + 3 < size; ++at) {
        if (data[at] != 0 || data[at + 1] != 0 || data[at + 2] != 1)
            continue;
        at += 3;
        if (!AddNal(data + at, size - at, &sawSlice))
            return false;
    }
    return sawSlice;
}

// The length of the units' size prefix from "avcC" extradata; 0 for start codes.
int NalLengthBytes(const AVCodecParameters *codec) {
    if (codec->extradata_size >= 7 && codec->extradata[0] == 1)
        return (codec->extradata[4] & 3) + 1;
    return 0;
}

} // namespace

bool IsDisposablePacket(const AVCodecParameters *codec, const AVPacket *packet) {
    if (codec->codec_id != AV_CODEC_ID_H264 || (packet->flags & AV_PKT_FLAG_KEY) || !packet->data ||
        packet->size <= 0)
        return false;
    const size_t size = static_cast<size_t>(packet->size);
    int lengthBytes = NalLengthBytes(codec);
    return lengthBytes > 0 ? LengthPrefixedIsDisposable(packet->data, size, lengthBytes)
                           : StartCodedIsDisposable(packet->data, size);
}

} // namespace korvid
