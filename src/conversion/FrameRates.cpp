#include "FrameRates.h"

#include <array>
#include <cmath>

namespace conversion {
namespace {

struct KnownRate {
    float rate;   // single precision, so 29.97 matches 29.97003 but not 29.976
    const char *text;
};

constexpr std::array<KnownRate, 9> KnownRates = {{
    {60.0f, "60/1"}, {50.0f, "50/1"}, {30.0f, "30/1"}, {29.97f, "30000/1001"}, {25.0f, "25/1"},
    {24.0f, "24/1"}, {23.97f, "24000/1001"}, {20.0f, "20/1"}, {15.0f, "15/1"},
}};

const QString UnknownRate = QStringLiteral("-1");
const QString NtscRate = QStringLiteral("30000/1001");

} // namespace

QString FrameRateText(float framesPerSecond)
{
    for (const KnownRate &known : KnownRates) {
        if (std::fabs(double(framesPerSecond) - double(known.rate)) < 0.001)
            return QString::fromLatin1(known.text);
    }
    return QString::number(double(framesPerSecond), 'f', 3);   // QString::number ignores the locale
}

bool IsUsableFrameRate(float framesPerSecond)
{
    return framesPerSecond >= 0.001f && framesPerSecond <= 150.0f;
}

void DecideSourceFrameRate(ConvertJob &job, const JobClip &clip)
{
    job.ForceSync = false;
    if (clip.containerKind == ContainerMatroska) {
        job.SourceFrameRate = UnknownRate;
        job.ForceSync = true;
        return;
    }
    if (clip.containerKind == ContainerWindowsMedia) {
        job.SourceFrameRate = UnknownRate;
        if (job.AutoFrameRate)
            job.VideoFrameRate = NtscRate;
        return;
    }
    job.SourceFrameRate = IsUsableFrameRate(clip.frameRate) ? FrameRateText(clip.frameRate) : NtscRate;
    if (job.AutoFrameRate)
        job.VideoFrameRate = job.SourceFrameRate;
}

} // namespace conversion
