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

} // namespace listscroll
