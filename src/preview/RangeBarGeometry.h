#pragma once
// The trim range bar's geometry: two handles on a 154-pixel track with the
// selected range stretched between them. Positions are left edges in pixels
// inside the bar; ratios and seconds are read from the handles' positions.

struct RangeBarLayout {
    int left = 0;           // Image_Left.left
    int right = 144;        // Image_Right.left
    int stretchLeft = 10;   // Image_Stretch.left
    int stretchWidth = 0;   // Image_Stretch.width
    bool enabled = false;   // both handles
};

struct RangeBarMetrics {
    int handleWidth = 10;   // width of Image_Left and of Image_Right
    int barWidth = 154;     // width of Image_ProgressBack
    int TrackLength() const { return 144 - handleWidth; }
};

// The lower bound wins when the upper bound is below it.
int ClampLowerFirst(int value, int lower, int upper);

// Sets the stretch between the handles.
void SpanRange(RangeBarLayout &bar, const RangeBarMetrics &metrics);

// Places the handles at the two ratios of the clip; both negative: no clip.
RangeBarLayout PlaceRangeBar(double startRatio, double endRatio, const RangeBarMetrics &metrics = {});

// Drags from the positions remembered at the press by dx pixels.
void DragStartHandle(RangeBarLayout &bar, int pressedLeft, int dx, const RangeBarMetrics &metrics = {});
void DragEndHandle(RangeBarLayout &bar, int pressedLeft, int dx, const RangeBarMetrics &metrics = {});
void DragRange(RangeBarLayout &bar, int pressedStretchLeft, int dx, const RangeBarMetrics &metrics = {});

// The clip's seconds read from the handles.
int StartSecondOf(const RangeBarLayout &bar, int duration, const RangeBarMetrics &metrics = {});
int EndSecondOf(const RangeBarLayout &bar, int duration, const RangeBarMetrics &metrics = {});

// The second the preview seeks to: the handle's own second within the clip. The engine
// answers a second past the last picture with the last picture.
int SeekSecond(int second, int duration);
