#pragma once
// Output frame and picture sizes, the letter box, the display aspect and the TV system
// of a clip's job.

#include "ConvertJob.h"
#include "JobClip.h"
#include "JobPanelValues.h"

#include <QString>

namespace conversion {

struct PixelSize {
    int width = 0;
    int height = 0;
};

// A value that is not a multiple of 4 is raised to the next one (-6 gives -4).
int RoundUpToFour(int value);

// "4:3", "16:9", "1:1", "2.21:1", or the coded size as "W/H".
QString DisplayAspectName(const JobClip &clip);

// The source as it is shown: the coded size, or with AspectFromCode the height and a
// width from the display aspect. A derived width below 1 falls back to the coded size.
PixelSize SourceDisplaySize(const JobClip &clip);

// The largest picture of the source's shape inside the box, with the free side rounded
// up to 4 but never beyond the box. Returns "W:H".
QString FitPictureInBox(int boxWidth, int boxHeight, PixelSize source);

// The undistorted picture of the source inside a frame whose display aspect is
// `frameAspect`: the rest of the frame becomes the letter box. The height is rounded up
// to 4 (at most the frame's), the width is even. Returns "W:H".
QString FitPictureInFrame(int frameWidth, int frameHeight, double frameAspect, PixelSize source);

// The automatic size of a "...auto..." resolution: the given side kept, the other from
// the source's aspect, rounded up to 4.
PixelSize AutomaticSize(int width, int height, PixelSize source);

// FrameSize, PictureSize, DisplayAspect and TvSystem for one clip of `target`; sizes of
// aspect modes that the rules do not cover keep their last values.
void ApplySizeRules(ConvertJob &job, int target, const JobPanelValues &panel, const JobClip &clip);

} // namespace conversion
