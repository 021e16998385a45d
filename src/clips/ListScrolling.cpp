#include "ListScrolling.h"

#include <algorithm>

namespace listscroll {

int ClampedThumbTop(int top)
{
    return std::clamp(top, kThumbTopMin, kThumbTopMax);
}

int FirstShownRow(int rowCount, int thumbTop)
{
    if (rowCount <= kShownRows)
        return 0;
    return (rowCount - kShownRows) * (ClampedThumbTop(thumbTop) - kThumbTopMin) / (kThumbTopMax - kThumbTopMin);
}

int ListTop(int rowCount, int thumbTop)
{
    return -kRowHeight * FirstShownRow(rowCount, thumbTop);
}

int ClampedFirstRow(int rowCount, int firstRow)
{
    return std::clamp(firstRow, 0, std::max(0, rowCount - kShownRows));
}

// The lowest thumb top whose first shown row reaches `firstRow`.
int ThumbTopForFirstRow(int rowCount, int firstRow)
{
    const int scrollableRows = rowCount - kShownRows;
    if (scrollableRows <= 0)
        return kThumbTopMin;
    const int travel = kThumbTopMax - kThumbTopMin;
    const int row = ClampedFirstRow(rowCount, firstRow);
    return kThumbTopMin + (row * travel + scrollableRows - 1) / scrollableRows;
}

} // namespace listscroll
