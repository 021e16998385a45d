#pragma once
// Filling the probe's EngineFileInfo from an opened input.

#include "korvid.h"
#include "MediaInput.h"

namespace korvid {

struct AspectFields {
    int32_t code;   // 1 square pixels, 2 = 4:3, 3 = 16:9, 4 = 2.21:1, 0 otherwise
    int32_t flag;   // 0: the display width follows from the height and the code
};

// From the coded size and the sample aspect ratio (0/0 or 0/1 = unknown = square).
AspectFields AspectFieldsOf(int width, int height, AVRational sampleAspect);

// The audio stream's bits per second: as the container states it, else measured
// over the next few seconds of its packets (this reads on from where the input is).
int64_t AudioBitRateOf(MediaInput &input);

// Every field but the aspect, which needs the first picture.
EngineFileInfo DescribeInput(const MediaInput &input, int64_t audioBitsPerSecond);

} // namespace korvid
