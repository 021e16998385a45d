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

} // namespace listscroll
