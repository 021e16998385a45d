#pragma once
// Subtitle pictures and their drawing into decoded 8-bit planar YUV pictures.

#include "FramePointer.h"

#include <cstdint>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace korvid {

struct SubtitleBitmap {
    int x = 0, y = 0, width = 0, height = 0;
    std::vector<uint32_t> pixels;   // premultiplied alpha, 0xAARRGGBB, rows without padding
};

// A decoder's palette picture as a bitmap (empty when it is not one).
SubtitleBitmap BitmapOf(const AVSubtitleRect &rect);

// The bitmap moved and stretched by the factors, its edges blended smoothly.
SubtitleBitmap Stretched(const SubtitleBitmap &bitmap, double horizontal, double vertical);

// True for 8-bit planar YUV pictures, which drawBitmap can draw into.
bool CanDrawInto(const AVFrame *picture);
// The picture as 8-bit 4:2:0 YUV with its properties kept; null when it cannot be converted.
FramePointer DrawablePicture(const AVFrame *picture);

// Blends the bitmap over a writable picture that canDrawInto accepts, clipped to it.
void DrawBitmap(AVFrame *picture, const SubtitleBitmap &bitmap);

} // namespace korvid
