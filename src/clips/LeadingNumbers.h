#pragma once
// Numbers read from the start of a text the way the media library's answers are
// read: leading blanks skipped, the longest number taken, anything after it
// ignored, no number giving 0 ("189 (0xBD)" reads as 189, "" as 0).

#include <QString>
#include <cstdint>

int32_t LeadingInteger(const QString &text);
double LeadingReal(const QString &text);

// Truncates toward zero; values beyond the 32-bit range saturate, NaN gives 0.
int32_t TruncatedInteger(double value);
// Narrows to single precision; values beyond its range saturate, NaN gives 0.
float SinglePrecision(double value);
