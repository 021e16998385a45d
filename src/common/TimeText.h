#pragma once
#include <QString>

// Hours, minutes and seconds, each with at least two digits: 3725 -> "01:02:05";
// hours may have more digits. Negative times show as "00:00:00".
QString TimeText(int totalSeconds);
QString TimeText(int hours, int minutes, int seconds);
