#pragma once
// Frame-rate texts for the engine and the choice between the profile's rate and the
// source's own rate.

#include "ConvertJob.h"
#include "JobClip.h"

#include <QString>

namespace conversion {

// The engine's text for a rate: "30000/1001" and the like for the common rates, else
// three decimals with "." whatever the locale ("12.500").
QString FrameRateText(float framesPerSecond);

// A rate the engine can use: 0.001 to 150 frames per second.
bool IsUsableFrameRate(float framesPerSecond);

// Sets SourceFrameRate and ForceSync and, when the profile asks for "Auto", takes the
// source's rate into VideoFrameRate.
void DecideSourceFrameRate(ConvertJob &job, const JobClip &clip);

} // namespace conversion
