#pragma once
// Mends timestamp discontinuities of one stream: broadcast recordings and joined
// transport streams restart or jump their clocks. A jump back (more than a
// second) always counts as a discontinuity, a jump ahead only in containers that
// declare discontinuous timestamps (more than ten seconds there); the stream then
// carries on from where it was, so the converted clip keeps every frame.

#include <cmath>

namespace korvid {

class StreamTimeline {
public:
    explicit StreamTimeline(bool containerJumps) : containerJumps_(containerJumps) {}

    // The frame's seconds on the mended timeline.
    double Mend(double seconds, double durationSeconds);

private:
    bool IsDiscontinuity(double seconds) const;

    bool containerJumps_;
    double offset_ = 0;
    double expected_ = NAN;   // where the next frame should start, mended
};

} // namespace korvid
