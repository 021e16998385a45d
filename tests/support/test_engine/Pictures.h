#pragma once
// The test engine's pictures: two-coloured frames (so a flipped picture shows)
// and the BMP and JPEG files the engine writes.

#include <cstdint>
#include <vector>

namespace testengine {

// B,G,R rows, top row first: the top half in topRgb, the rest in bottomRgb (0xRRGGBB).
std::vector<uint8_t> TwoColourFrame(int width, int height, uint32_t topRgb, uint32_t bottomRgb);
bool WriteBmp(const char *path, const std::vector<uint8_t> &bgr, int width, int height);
bool WriteJpeg(const char *path, const std::vector<uint8_t> &bgr, int width, int height);

} // namespace testengine
