#pragma once
// The start and end edits under the preview: their mask, how their text reads
// as seconds, and when a typed value is out of range.

#include <QString>

class TVideoInfo;

namespace trim {

// Hours (first digit optional), minutes, seconds; blanks shown as "_".
inline constexpr const char *kInputMask = "09:99:99;_";

// Digits at positions 1, 2, 4, 5, 7, 8 (from 1) as hh:mm:ss; anything else reads as 0.
int SecondsOfText(const QString &shownText);

bool StartOutOfRange(int startSeconds, const TVideoInfo &clip);   // below 0 or after the end
bool EndOutOfRange(int endSeconds, const TVideoInfo &clip);       // after the duration or before the start

} // namespace trim
