#include "TurnedPictures.h"

#include "MediaTools.h"

#include <algorithm>

namespace enginetest {
namespace {

constexpr int kFixed16 = 1 << 16;
constexpr int kFixed30 = 1 << 30;

void WriteBigEndian(std::vector<uint8_t> &bytes, size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (24 - 8 * i));
}

// Average of the first byte of each pixel in a box a tenth of the picture's
// size, set in from the corner.
double CornerAverage(const uint8_t *pixels, int width, int height, int pixelBytes, Corner corner) {
    const int boxWidth = std::max(1, width / 10), boxHeight = std::max(1, height / 10);
    const int insetX = width / 50, insetY = height / 50;
    const bool right = corner == Corner::TopRight || corner == Corner::BottomRight;
    const bool bottom = corner == Corner::BottomLeft || corner == Corner::BottomRight;
    const int left = right ? width - insetX - boxWidth : insetX;
    const int top = bottom ? height - insetY - boxHeight : insetY;
    double sum = 0;
    for (int y = top; y < top + boxHeight; ++y)
        for (int x = left; x < left + boxWidth; ++x)
            sum += pixels[(static_cast<size_t>(y) * width + x) * pixelBytes];
    return sum / (boxWidth * boxHeight);
}

} // namespace

const std::vector<Turn> &Turns() {
    using C = Corner;
    static const std::vector<Turn> table{
        {"upright", {1, 0, 0, 1}, false, C::TopLeft, C::TopRight},
        {"clockwise", {0, 1, -1, 0}, true, C::TopRight, C::BottomRight},
        {"half", {-1, 0, 0, -1}, false, C::BottomRight, C::BottomLeft},
        {"counterclockwise", {0, -1, 1, 0}, true, C::BottomLeft, C::TopLeft},
        {"mirrored", {-1, 0, 0, 1}, false, C::TopRight, C::TopLeft},
        {"upside_down_mirrored", {1, 0, 0, -1}, false, C::BottomLeft, C::BottomRight},
        {"transposed", {0, 1, 1, 0}, true, C::TopLeft, C::BottomLeft},
        {"antitransposed", {0, -1, -1, 0}, true, C::BottomRight, C::TopRight},
    };
    return table;
}

bool WriteTurnedCopy(const std::string &source, const std::string &turnName, const std::string &target) {
    auto turn = std::find_if(Turns().begin(), Turns().end(), [&](const Turn &t) { return turnName == t.name; });
    std::vector<uint8_t> bytes = ReadFile(source);
    const std::string box = "tkhd";
    auto found = std::search(bytes.begin(), bytes.end(), box.begin(), box.end());
    if (turn == Turns().end() || found == bytes.end())
        return false;
    // After the box type: version and flags, times, track, duration, layer, volume.
    const size_t type = found - bytes.begin();
    const size_t matrix = type + (bytes[type + 4] == 1 ? 56 : 44);
    if (matrix + 36 > bytes.size())
        return false;
    const int32_t values[9] = {turn->matrix[0] * kFixed16, turn->matrix[1] * kFixed16, 0,
                               turn->matrix[2] * kFixed16, turn->matrix[3] * kFixed16, 0,
                               0, 0, kFixed30};
    for (int i = 0; i < 9; ++i)
        WriteBigEndian(bytes, matrix + 4 * i, values[i]);
    WriteFile(target, bytes);
    return true;
}

MarkerCorners FindMarkerCorners(const uint8_t *pixels, int width, int height, int pixelBytes) {
    MarkerCorners found{Corner::None, Corner::None};
    for (Corner corner : {Corner::TopLeft, Corner::TopRight, Corner::BottomLeft, Corner::BottomRight}) {
        const double level = CornerAverage(pixels, width, height, pixelBytes, corner);
        if (level > 200)
            found.white = corner;
        else if (level > 90 && level < 170)
            found.grey = corner;
    }
    return found;
}

const char *CornerName(Corner corner) {
    switch (corner) {
    case Corner::TopLeft: return "top left";
    case Corner::TopRight: return "top right";
    case Corner::BottomLeft: return "bottom left";
    case Corner::BottomRight: return "bottom right";
    case Corner::None: break;
    }
    return "none";
}

} // namespace enginetest
