#pragma once
// Scrolling the clip list by its thumb: nine rows show at once, the thumb moves
// between tops 2 and 120.

namespace listscroll {

inline constexpr int kRowHeight = 18;
inline constexpr int kShownRows = 9;
inline constexpr int kThumbTopMin = 2;
inline constexpr int kThumbTopMax = 120;

int ClampedThumbTop(int top);
// The first row shown (from 0) for a thumb position.
int FirstShownRow(int rowCount, int thumbTop);
// The list panel's top for a thumb position: -18 x the first shown row.
int ListTop(int rowCount, int thumbTop);

// Scrolling by rows (mouse wheel, keys): three rows a wheel notch, nine a page.
inline constexpr int kRowsPerWheelNotch = 3;
// The first row that can be shown: the list never scrolls past its last row.
int ClampedFirstRow(int rowCount, int firstRow);
// The thumb position that shows `firstRow` first (the top position for a short list).
int ThumbTopForFirstRow(int rowCount, int firstRow);

} // namespace listscroll
