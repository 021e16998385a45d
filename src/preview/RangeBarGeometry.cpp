#include "RangeBarGeometry.h"

#include <algorithm>

int ClampLowerFirst(int value, int lower, int upper)
{
    if (upper < lower)
        return lower;
    return std::clamp(value, lower, upper);
}

void SpanRange(RangeBarLayout &bar, const RangeBarMetrics &metrics)
{
    bar.stretchLeft = bar.left + metrics.handleWidth;
    bar.stretchWidth = bar.right - bar.stretchLeft;
}

RangeBarLayout PlaceRangeBar(double startRatio, double endRatio, const RangeBarMetrics &metrics)
{
    const int track = metrics.TrackLength();
    const int handle = metrics.handleWidth;
    RangeBarLayout bar;
    if (startRatio < 0 && endRatio < 0) {
        bar.left = 0;
        bar.right = handle + track;
        bar.stretchLeft = handle;
        bar.stretchWidth = 0;
        bar.enabled = false;
        return bar;
    }
    const float start = static_cast<float>(startRatio);
    const float end = static_cast<float>(endRatio);
    bar.left = ClampLowerFirst(static_cast<int>(start * track + 0.5f), 0, track);
    bar.right = ClampLowerFirst(static_cast<int>(end * track + handle + 0.5f), handle, track + handle);
    bar.enabled = true;
    SpanRange(bar, metrics);
    return bar;
}

void DragStartHandle(RangeBarLayout &bar, int pressedLeft, int dx, const RangeBarMetrics &metrics)
{
    bar.left = ClampLowerFirst(pressedLeft + dx, 0, bar.right - metrics.handleWidth);
    SpanRange(bar, metrics);
}

void DragEndHandle(RangeBarLayout &bar, int pressedLeft, int dx, const RangeBarMetrics &metrics)
{
    bar.right = ClampLowerFirst(pressedLeft + dx, bar.left + metrics.handleWidth,
                                metrics.barWidth - metrics.handleWidth);
    SpanRange(bar, metrics);
}

void DragRange(RangeBarLayout &bar, int pressedStretchLeft, int dx, const RangeBarMetrics &metrics)
{
    const int width = bar.stretchWidth;
    const int n = ClampLowerFirst(pressedStretchLeft + dx, metrics.handleWidth,
                                  metrics.barWidth - metrics.handleWidth - width);
    bar.left = n - metrics.handleWidth;
    bar.right = n + width;
    SpanRange(bar, metrics);
}

namespace {
int SecondOfRatio(float ratio, int duration)
{
    return static_cast<int>(static_cast<float>(duration) * ratio);
}
} // namespace

int StartSecondOf(const RangeBarLayout &bar, int duration, const RangeBarMetrics &metrics)
{
    return SecondOfRatio(static_cast<float>(bar.left) / static_cast<float>(metrics.TrackLength()), duration);
}

int EndSecondOf(const RangeBarLayout &bar, int duration, const RangeBarMetrics &metrics)
{
    const float ratio = static_cast<float>(bar.right - metrics.handleWidth) / static_cast<float>(metrics.TrackLength());
    return SecondOfRatio(ratio, duration);
}

int SeekSecond(int second, int duration)
{
    return std::clamp(second, 0, std::max(duration, 0));
}
