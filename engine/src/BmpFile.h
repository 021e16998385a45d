#pragma once
// Writing pictures as 24-bit BMP files.

#include <cstdint>
#include <string>

namespace korvid {

// `rows`: height rows of width * 3 bytes (blue, green, red), top row first.
bool WriteBmp24(const std::string &path, const uint8_t *rows, int width, int height);

} // namespace korvid
