#pragma once
// Pictures that no other picture refers to, recognised in the packet before
// decoding, so an accurate seek can leave them out of the decoder altogether.
// Left out rather than skipped by the decoder, they take no turn among the
// decoder's frame threads, which then share the reference pictures evenly.

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace korvid {

// True for H.264 whose slices are all non-reference (nal_ref_idc 0) and which
// carries no parameter sets; false for other codecs and whenever unsure. The
// container's own "disposable" marks are not trusted: muxers write them loosely.
bool IsDisposablePacket(const AVCodecParameters *codec, const AVPacket *packet);

} // namespace korvid
