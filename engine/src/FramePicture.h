#pragma once
// Scaling decoded pictures for the host: any size, any pixel format, with the
// source's chroma siting, colour matrix and range honoured.

#include "FramePointer.h"

#include <cstdint>
#include <vector>

namespace korvid {

// The old "J" formats, full range whatever a picture says.
bool IsFullRangeFormat(AVPixelFormat format);

// A new frame of width x height in `format`, or null when scaling fails.
FramePointer ScalePicture(const AVFrame *source, int width, int height, AVPixelFormat format);

// Blue-green-red rows, top row first, no padding: width * 3 * height bytes.
bool ScaleToBgrRows(const AVFrame *source, int width, int height, std::vector<uint8_t> &rows);

} // namespace korvid
