#pragma once
// How a stored picture is turned to be shown upright. Phones record in the
// sensor's orientation and store the turn beside the picture (the track's
// display matrix, which FFmpeg hands on as stream side data); players apply it,
// and so do the probe's sizes, the shown pictures and the conversions.

#include "FramePointer.h"

#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

namespace korvid {

// One of the eight turns and mirrors that map a picture's rows and columns
// onto the screen's.
class PictureOrientation {
public:
    PictureOrientation() = default;
    // The orientation nearest to a display matrix (nine 32-bit values as FFmpeg stores them).
    static PictureOrientation FromDisplayMatrix(const int32_t matrix[9]);

    bool IsUpright() const { return index_ == 0; }
    // Width and height trade places (quarter turns).
    bool SwapsSides() const;
    // Filter chain text that turns the picture upright ("" when it is).
    const char *Filters() const;
    // The shown size and sample aspect (0/1 when unknown) of a stored picture's.
    void TurnSize(int *width, int *height, AVRational *sampleAspect) const;
    // Where a chroma sample sits (FFmpeg's 0..256 luma positions) once turned.
    void TurnChromaPosition(int *horizontal, int *vertical) const;

private:
    explicit PictureOrientation(int index) : index_(index) {}
    int index_ = 0;
};

// The video stream's orientation, from its display matrix (upright without one).
PictureOrientation OrientationOf(const AVStream *stream);

// The picture turned upright; a new reference to it when it is upright already
// or cannot be turned. Null only when memory runs out.
FramePointer UprightPicture(const AVFrame *picture, PictureOrientation orientation);

} // namespace korvid
