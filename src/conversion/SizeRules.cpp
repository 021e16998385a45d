#include "SizeRules.h"

#include "JobTexts.h"
#include "TargetCatalogue.h"
#include "VideoInfo.h"


#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace conversion {
namespace {

constexpr std::array<const char *, 4> DisplayAspectNames = {"4:3", "16:9", "1:1", "2.21:1"};

// Real to integer toward zero, held inside the integer range (NaN gives 0).
int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(value, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

bool HasArea(PixelSize size)
{
    return size.width > 0 && size.height > 0;
}

double AspectOf(PixelSize source)
{
    return HasArea(source) ? double(source.width) / source.height : 1.0;
}

// The frame of an MPEG aspect mode above 10: odd modes are NTSC, even ones PAL.
struct MpegFrameMode {
    int width;
    int ntscHeight;
    int palHeight;
    double aspect;
    const char *displayAspect;
};

constexpr std::array<MpegFrameMode, 4> MpegFrameModes = {{
    {720, 480, 576, 16.0 / 9.0, "16:9"},   // 11, 12
    {480, 480, 576, 4.0 / 3.0, "4:3"},     // 13, 14
    {352, 240, 288, 4.0 / 3.0, "4:3"},     // 15, 16
    {720, 480, 576, 4.0 / 3.0, "4:3"},     // 17, 18
}};

bool IsMpegFrameMode(int mode)
{
    return mode >= 11 && mode <= 18;
}

void ApplyMpegFrameMode(ConvertJob &job, const JobPanelValues &panel, const JobClip &clip)
{
    const MpegFrameMode &frame = MpegFrameModes[(job.AspectMode - 11) / 2];
    const bool ntsc = job.AspectMode % 2 == 1;
    job.TvSystem = ntsc ? 1 : 2;
    job.FrameSize = job.VideoResolution;
    job.PictureSize = panel.addLetterBox
        ? FitPictureInFrame(frame.width, ntsc ? frame.ntscHeight : frame.palHeight, frame.aspect, SourceDisplaySize(clip))
        : job.FrameSize;
    job.DisplayAspect = QString::fromLatin1(frame.displayAspect);
}

void ApplyMpegSizes(ConvertJob &job, const JobPanelValues &panel, const JobClip &clip)
{
    job.TvSystem = 0;
    const int mode = job.AspectMode;
    if (IsMpegFrameMode(mode))
        return ApplyMpegFrameMode(job, panel, clip);
    if (mode < 0 || mode > 2)
        return;
    job.FrameSize = mode == 1 ? SizeText(clip.width, clip.height) : job.VideoResolution;
    job.PictureSize = mode == 2 ? FitPictureInBox(panel.videoWidth, panel.videoHeight, SourceDisplaySize(clip))
                                : job.FrameSize;
    job.DisplayAspect = DisplayAspectName(clip);
}

void ApplyDvdSizes(ConvertJob &job, const JobPanelValues &panel, const JobClip &clip)
{
    job.TvSystem = panel.dvdNtsc ? 1 : 2;
    job.FrameSize = job.VideoResolution;
    job.DisplayAspect = panel.dvdWide ? QStringLiteral("16:9") : QStringLiteral("4:3");
    const double aspect = panel.dvdWide ? 16.0 / 9.0 : 4.0 / 3.0;
    job.PictureSize = panel.addLetterBoxVob
        ? FitPictureInFrame(720, panel.dvdNtsc ? 480 : 576, aspect, SourceDisplaySize(clip))
        : job.FrameSize;
}

// The box of a "W:H" text: the number before the first ":" and the one in the (at
// most) five characters after it.
PixelSize BoxOfSizeText(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return {LeadingDecimal(text.left(colon + 1)), LeadingDecimal(text.mid(colon + 1, 5))};
}

void ApplyCustomSize(ConvertJob &job, const JobClip &clip)
{
    job.FrameSize = job.VideoResolution;
    const PixelSize box = BoxOfSizeText(job.FrameSize);
    if (job.VideoResolution.toLower().contains(QLatin1String("auto"))) {
        const PixelSize size = AutomaticSize(box.width, box.height, SourceDisplaySize(clip));
        job.FrameSize = job.PictureSize = SizeText(size.width, size.height);
        return;
    }
    job.PictureSize = FitPictureInBox(box.width, box.height, SourceDisplaySize(clip));
}

void ApplyGeneralSizes(ConvertJob &job, const JobClip &clip)
{
    const int mode = job.AspectMode;
    if (mode < 0 || mode > 2)
        return;
    if (mode == 2) {
        ApplyCustomSize(job, clip);
    } else {
        job.FrameSize = mode == 1 ? SizeText(clip.width, clip.height) : job.VideoResolution;
        job.PictureSize = job.FrameSize;
    }
    job.DisplayAspect = QStringLiteral("1:1");
}

} // namespace

int RoundUpToFour(int value)
{
    const int missing = (4 - value % 4) % 4;
    return value > std::numeric_limits<int>::max() - missing ? value - value % 4 : value + missing;
}

QString DisplayAspectName(const JobClip &clip)
{
    if (clip.aspectIndex >= 0 && clip.aspectIndex < int(DisplayAspectNames.size()))
        return QString::fromLatin1(DisplayAspectNames[clip.aspectIndex]);
    return QString::number(clip.width) + QLatin1Char('/') + QString::number(clip.height);
}

PixelSize SourceDisplaySize(const JobClip &clip)
{
    const PixelSize coded{clip.width, clip.height};
    if (!clip.aspectFromCode)
        return coded;
    const PixelSize derived{TruncateToInt(clip.height * DisplayAspectOfIndex(clip.aspectIndex)), clip.height};
    return derived.width > 0 ? derived : coded;
}

QString FitPictureInBox(int boxWidth, int boxHeight, PixelSize source)
{
    if (!HasArea(source))
        return SizeText(boxWidth, boxHeight);
    const double sourceAspect = AspectOf(source);
    // boxWidth / boxHeight > sourceAspect, without dividing by an empty box
    if (qint64(boxWidth) * source.height > qint64(boxHeight) * source.width)
        return SizeText(std::min(RoundUpToFour(TruncateToInt(boxHeight * sourceAspect)), boxWidth), boxHeight);
    return SizeText(boxWidth, std::min(RoundUpToFour(TruncateToInt(boxWidth / sourceAspect)), boxHeight));
}

QString FitPictureInFrame(int frameWidth, int frameHeight, double frameAspect, PixelSize source)
{
    if (!HasArea(source) || frameWidth <= 0 || frameHeight <= 0 || !(frameAspect > 0.0))
        return SizeText(frameWidth, frameHeight);
    constexpr double tolerance = 1e-6;   // keeps 719.99999 from losing a pixel
    const double sourceAspect = AspectOf(source);
    const bool widerThanFrame = sourceAspect > frameAspect;
    const double width = widerThanFrame ? frameWidth : frameWidth * sourceAspect / frameAspect;
    const double height = widerThanFrame ? frameHeight * frameAspect / sourceAspect : frameHeight;
    const int evenWidth = TruncateToInt(width + tolerance) / 2 * 2;
    return SizeText(evenWidth, std::min(RoundUpToFour(TruncateToInt(height + tolerance)), frameHeight));
}

PixelSize AutomaticSize(int width, int height, PixelSize source)
{
    const double sourceAspect = AspectOf(source);
    if (width > 0)
        return {width, RoundUpToFour(TruncateToInt(width / sourceAspect))};
    return {RoundUpToFour(TruncateToInt(height * sourceAspect)), height};
}

void ApplySizeRules(ConvertJob &job, int target, const JobPanelValues &panel, const JobClip &clip)
{
    if (target == targets::TargetMPEG)
        ApplyMpegSizes(job, panel, clip);
    else if (target == targets::TargetVOB_File || target == targets::TargetDVD_Folder)
        ApplyDvdSizes(job, panel, clip);
    else
        ApplyGeneralSizes(job, clip);
}

} // namespace conversion
