#include "BmpFile.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace korvid {
namespace {

void PutLittleEndian(std::vector<uint8_t> &out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// BITMAPFILEHEADER followed by a BITMAPINFOHEADER for a bottom-up 24-bit picture.
std::vector<uint8_t> BmpHeaders(int width, int height, uint32_t imageBytes) {
    constexpr uint32_t kHeadersBytes = 14 + 40;
    std::vector<uint8_t> out{'B', 'M'};
    PutLittleEndian(out, kHeadersBytes + imageBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, kHeadersBytes, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<uint32_t>(width), 4);
    PutLittleEndian(out, static_cast<uint32_t>(height), 4);
    PutLittleEndian(out, 1, 2);      // planes
    PutLittleEndian(out, 24, 2);     // bits per pixel
    PutLittleEndian(out, 0, 4);      // no compression
    PutLittleEndian(out, imageBytes, 4);
    PutLittleEndian(out, 2835, 4);   // 72 dots per inch
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    return out;
}

struct FileCloser {
    void operator()(FILE *file) const { std::fclose(file); }
};

} // namespace

bool WriteBmp24(const std::string &path, const uint8_t *rows, int width, int height) {
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    const size_t paddedBytes = (rowBytes + 3) & ~size_t{3};
    std::vector<uint8_t> out = BmpHeaders(width, height, static_cast<uint32_t>(paddedBytes * height));
    out.reserve(out.size() + paddedBytes * height);
    for (int y = height - 1; y >= 0; --y) {
        const uint8_t *row = rows + rowBytes * y;
        out.insert(out.end(), row, row + rowBytes);
        out.insert(out.end(), paddedBytes - rowBytes, 0);
    }
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    bool written = std::fwrite(out.data(), 1, out.size(), file.get()) == out.size();
    return std::fclose(file.release()) == 0 && written;
}

} // namespace korvid
