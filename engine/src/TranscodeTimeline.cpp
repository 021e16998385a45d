#include "TranscodeTimeline.h"

namespace korvid {

namespace {

constexpr double kBackwardJumpSeconds = 1;
constexpr double kForwardJumpSeconds = 10;

} // namespace

bool StreamTimeline::IsDiscontinuity(double seconds) const
{
    if (std::isnan(expected_))
        return false;
    return seconds < expected_ - kBackwardJumpSeconds || (containerJumps_ && seconds > expected_ + kForwardJumpSeconds);
}

double StreamTimeline::Mend(double seconds, double durationSeconds)
{
    if (IsDiscontinuity(seconds + offset_))
        offset_ = expected_ - seconds;
    const double mended = seconds + offset_;
    expected_ = mended + durationSeconds;
    return mended;
}

} // namespace korvid
