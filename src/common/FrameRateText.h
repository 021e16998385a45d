#pragma once
#include <QString>

// A frame rate outside 0.001..150 (or not a number) is shown as "Auto" where a
// clip shows its rate.
bool IsAutoFrameRate(double framesPerSecond);

// Two decimals of the rate minus 0.005, so a single-precision 29.97 shows as
// "29.96" and 30000/1001 as "29.97"; halves round up ("25" shows "25.00").
QString FrameRateText(double framesPerSecond);

// A clip row's text: "FPS:Auto" or "FPS:" + FrameRateText.
QString ClipRowFrameRateText(double framesPerSecond);
