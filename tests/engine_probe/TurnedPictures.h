#pragma once
// Pictures stored sideways or mirrored, as phones store them: copies of the
// "marked.mp4" fixture (white square top left, grey square top right, 320x180)
// whose track header carries a display matrix, and where the squares must be
// once the picture is shown upright.

#include <cstdint>
#include <string>
#include <vector>

namespace enginetest {

enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight, None };

struct Turn {
    const char *name;      // the fixture is "turned_" + name + ".mp4"
    int32_t matrix[4];     // a, b, c, d of the display matrix, in whole units
    bool swapsSides;       // shown 180x320
    Corner white;
    Corner grey;
};

// Every turn and mirror, with where players (ffmpeg's own auto-rotation) show the squares.
const std::vector<Turn> &Turns();

// Writes a copy of an MP4 file whose first track header carries the turn's matrix.
bool WriteTurnedCopy(const std::string &source, const std::string &turnName, const std::string &target);

// Where the white and the grey square are in a picture of width x height pixels
// of `pixelBytes` bytes each (grey or blue-green-red).
struct MarkerCorners {
    Corner white;
    Corner grey;
};
MarkerCorners FindMarkerCorners(const uint8_t *pixels, int width, int height, int pixelBytes);

const char *CornerName(Corner corner);

} // namespace enginetest
