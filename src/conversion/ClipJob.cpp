#include "ClipJob.h"

#include "FinalOutputPath.h"
#include "FrameRates.h"
#include "JobTexts.h"
#include "SizeRules.h"

#include <QFileInfo>

namespace conversion {
namespace {

void FillClipRange(ConvertJob &job, const JobClip &clip, int minDurationSeconds)
{
    job.SourceFile = clip.fileName;
    job.TitleNumberText = QString::number(clip.titleNumber);
    job.StartSeconds = clip.startSeconds;
    job.StartText = QString::number(clip.startSeconds);
    job.ShownLength = ShownLengthOf(clip);
    job.LengthSeconds = LengthToConvert(clip, minDurationSeconds);
    job.LengthText = QString::number(job.LengthSeconds);
}

void FillClipStreams(ConvertJob &job, const JobClip &clip)
{
    // Every clip starts from the profile's rate, so "Auto" follows each source anew.
    job.VideoFrameRate = job.ProfileFrameRate;
    DecideSourceFrameRate(job, clip);
    job.TransportStream = clip.containerKind == ContainerTransportStream;
    job.StreamID = EngineStreamId(clip);
    job.AudioTrack = AudioTrackText(clip);
    job.SubtitleTrack = SubtitleTrackText(clip);
}

} // namespace

int ShownLengthOf(const JobClip &clip)
{
    return clip.endSeconds - clip.startSeconds;
}

int LengthToConvert(const JobClip &clip, int minDurationSeconds)
{
    if (clip.endSeconds >= clip.durationSeconds - 2)
        return 0;
    const int selected = clip.endSeconds - clip.startSeconds;
    return minDurationSeconds > 0 && minDurationSeconds > selected ? minDurationSeconds : selected;
}

QString AudioTrackText(const JobClip &clip)
{
    if (clip.containerKind == ContainerMatroska)
        return QString::number(qMax(clip.firstTickedAudioRow, 0));
    return QString::number(clip.audioRowCount > 1 ? clip.audioStreamId : -1);
}

QString SubtitleTrackText(const JobClip &clip)
{
    if (clip.subtitleCount < 0 || clip.subtitleIndex >= clip.subtitleCount)
        return QStringLiteral("-1");
    return QString::number(qMax(clip.subtitleIndex, 0));
}

QString TitleNameText(const QString &sourceFile, const QString &displayName)
{
    const QString fileName = QFileInfo(sourceFile).fileName();
    return CutToCharacters(displayName.isEmpty() ? fileName : displayName + QLatin1Char('_') + fileName, 50);
}

int EngineStreamId(const JobClip &clip)
{
    if (clip.containerKind == ContainerMatroska)
        return 0;
    return clip.videoStreamId == 0 ? -1 : clip.videoStreamId;
}

void FillClipJob(ConvertJob &job, int clipIndex, const RunSettings &settings, const JobClip &clip)
{
    FillClipRange(job, clip, settings.minDurationSeconds);
    FillClipStreams(job, clip);
    job.TitleName = TitleNameText(job.SourceFile, settings.panel.dvdName);
    ApplySizeRules(job, settings.target, settings.panel, clip);
    job.ClipIndex = clipIndex;
}

bool PrepareClipJob(ConvertJob &job, int clipIndex, const RunSettings &settings, const ClipLookup &clipAt)
{
    const std::optional<JobClip> clip = clipAt(clipIndex);
    if (!clip)
        return false;
    FillClipJob(job, clipIndex, settings, *clip);
    // A name that cleans to nothing still lands inside the folder.
    job.TargetFile = naming::FinalOutputPathIn(job.JobFolder, clip->outputName, QStringLiteral("Clip%1").arg(clipIndex));
    return true;
}

} // namespace conversion
