#include "Pictures.h"

#include <cstdio>
#include <jpeglib.h>
#include <memory>

namespace testengine {

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE *)>;

File OpenForWriting(const char *path)
{
    return File(std::fopen(path, "wb"), &std::fclose);
}

void PutLittleEndian(std::vector<uint8_t> &bytes, uint32_t value, int size)
{
    for (int index = 0; index < size; ++index)
        bytes.push_back(uint8_t(value >> (8 * index)));
}

} // namespace

std::vector<uint8_t> TwoColourFrame(int width, int height, uint32_t topRgb, uint32_t bottomRgb)
{
    std::vector<uint8_t> bgr;
    bgr.reserve(size_t(width) * size_t(height) * 3);
    for (int row = 0; row < height; ++row) {
        const uint32_t rgb = row < height / 2 ? topRgb : bottomRgb;
        for (int column = 0; column < width; ++column) {
            bgr.push_back(uint8_t(rgb));
            bgr.push_back(uint8_t(rgb >> 8));
            bgr.push_back(uint8_t(rgb >> 16));
        }
    }
    return bgr;
}

// 24-bit, bottom row first, rows padded to four bytes.
bool WriteBmp(const char *path, const std::vector<uint8_t> &bgr, int width, int height)
{
    const uint32_t rowSize = (uint32_t(width) * 3 + 3) & ~3u;
    const uint32_t imageSize = rowSize * uint32_t(height);
    std::vector<uint8_t> bytes{'B', 'M'};
    PutLittleEndian(bytes, 54 + imageSize, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 54, 4);
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, uint32_t(width), 4);
    PutLittleEndian(bytes, uint32_t(height), 4);
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, 24, 2);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, imageSize, 4);
    for (int index = 0; index < 4; ++index)
        PutLittleEndian(bytes, 0, 4);
    for (int row = height - 1; row >= 0; --row) {
        const auto begin = bgr.begin() + ptrdiff_t(row) * width * 3;
        bytes.insert(bytes.end(), begin, begin + width * 3);
        bytes.resize(bytes.size() + rowSize - uint32_t(width) * 3, 0);
    }
    File file = OpenForWriting(path);
    return file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

bool WriteJpeg(const char *path, const std::vector<uint8_t> &bgr, int width, int height)
{
    File file = OpenForWriting(path);
    if (!file)
        return false;
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    jpeg_stdio_dest(&compressor, file.get());
    compressor.image_width = JDIMENSION(width);
    compressor.image_height = JDIMENSION(height);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, 90, TRUE);
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<uint8_t *>(bgr.data()) + size_t(compressor.next_scanline) * size_t(width) * 3;
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    return true;
}

} // namespace testengine
