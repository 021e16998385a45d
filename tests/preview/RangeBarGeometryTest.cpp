#include "RangeBarGeometry.h"

#include <gtest/gtest.h>

namespace {

struct PlaceCase {
    double start, end;
    int left, right, stretchLeft, stretchWidth;
    bool enabled;
};

TEST(RangeBarGeometry, PlacesHandlesAtTheRatiosAndSpansTheRange)
{
    const PlaceCase cases[] = {
        {0.0, 1.0, 0, 144, 10, 134, true},
        {0.5, 1.0, 67, 144, 77, 67, true},
        {0.25, 0.25, 34, 44, 44, 0, true},      // touching handles
        {-1.0, -1.0, 0, 144, 10, 0, false},     // no clip
        {2.0, 3.0, 134, 144, 144, 0, true},     // ratios past the end stay on the bar
        {-0.5, 0.5, 0, 77, 10, 67, true},
    };
    for (const PlaceCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << ".." << c.end);
        const RangeBarLayout bar = PlaceRangeBar(c.start, c.end);
        EXPECT_EQ(bar.left, c.left);
        EXPECT_EQ(bar.right, c.right);
        EXPECT_EQ(bar.stretchLeft, c.stretchLeft);
        EXPECT_EQ(bar.stretchWidth, c.stretchWidth);
        EXPECT_EQ(bar.enabled, c.enabled);
    }
}

TEST(RangeBarGeometry, SecondsReadFromTheHandles)
{
    RangeBarLayout bar = PlaceRangeBar(0.0, 1.0);
    bar.left = 67;
    EXPECT_EQ(StartSecondOf(bar, 600), 300);
    EXPECT_EQ(EndSecondOf(bar, 600), 600);
}

TEST(RangeBarGeometry, TheSeekGoesToTheHandlesOwnSecondWithinTheClip)
{
    const struct {
        int second, duration, seek;
    } cases[] = {
        {300, 600, 300}, {600, 600, 600}, {591, 600, 591}, {0, 600, 0},
        {2, 10, 2}, {54, 60, 54}, {0, 5, 0}, {5, 5, 5},
        {601, 600, 600}, {-1, 600, 0}, {3, 0, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SeekSecond(c.second, c.duration), c.seek) << c.second << " of " << c.duration;
}

TEST(RangeBarGeometry, StartHandleStopsAtTheEndHandle)
{
    RangeBarLayout bar = PlaceRangeBar(0.0, 0.5);
    DragStartHandle(bar, 0, 500);
    EXPECT_EQ(bar.left, bar.right - 10);
    EXPECT_EQ(bar.stretchWidth, 0);
    EXPECT_EQ(StartSecondOf(bar, 600), EndSecondOf(bar, 600));
    DragStartHandle(bar, bar.left, -500);
    EXPECT_EQ(bar.left, 0);
}

TEST(RangeBarGeometry, EndHandleStaysBetweenTheStartHandleAndTheBarEnd)
{
    RangeBarLayout bar = PlaceRangeBar(0.5, 0.75);
    DragEndHandle(bar, bar.right, 500);
    EXPECT_EQ(bar.right, 144);
    DragEndHandle(bar, bar.right, -500);
    EXPECT_EQ(bar.right, bar.left + 10);
}

TEST(RangeBarGeometry, DraggingTheRangeKeepsItsWidthInsideTheBar)
{
    RangeBarLayout bar = PlaceRangeBar(0.25, 0.5);
    const int width = bar.stretchWidth;
    for (int dx : {-300, -5, 7, 300}) {
        RangeBarLayout moved = bar;
        DragRange(moved, bar.stretchLeft, dx);
        SCOPED_TRACE(dx);
        EXPECT_EQ(moved.stretchWidth, width);
        EXPECT_GE(moved.left, 0);
        EXPECT_LE(moved.right, 144);
        EXPECT_EQ(moved.stretchLeft, moved.left + 10);
    }
    DragRange(bar, bar.stretchLeft, -300);
    EXPECT_EQ(bar.left, 0);
    DragRange(bar, bar.stretchLeft, 300);
    EXPECT_EQ(bar.right, 144);
}

TEST(RangeBarGeometry, LowerBoundWinsOverALowerUpperBound)
{
    EXPECT_EQ(ClampLowerFirst(5, 10, 3), 10);
    EXPECT_EQ(ClampLowerFirst(50, 0, 20), 20);
    EXPECT_EQ(ClampLowerFirst(-5, 0, 20), 0);
}

} // namespace
