#include "ClipRecordFacts.h"

#include "TargetCatalogue.h"

namespace conversion {

JobClip JobClipOf(const TVideoInfo &clip)
{
    JobClip facts;
    facts.fileName = clip.FileName;
    facts.outputName = clip.OutputName;
    facts.titleNumber = clip.TitleNumber;
    facts.durationSeconds = clip.Duration;
    facts.startSeconds = clip.StartTime;
    facts.endSeconds = clip.EndTime;
    facts.frameRate = clip.FrameRate;
    facts.containerKind = clip.ContainerKind;
    facts.videoStreamId = clip.VideoStreamID;
    facts.audioStreamId = clip.AudioStreamID;
    facts.audioRowCount = int(clip.AudioStreams.size());
    facts.firstTickedAudioRow = clip.ChosenAudioIndex();
    facts.subtitleCount = clip.SubtitleList ? int(clip.SubtitleList->size()) : -1;
    facts.subtitleIndex = clip.SubtitleIndex;
    facts.width = clip.Width;
    facts.height = clip.Height;
    facts.aspectIndex = clip.AspectIndex;
    facts.aspectFromCode = clip.AspectFromCode;
    return facts;
}

RunClips RunClipsOf(const std::vector<std::unique_ptr<TVideoInfo>> &clips, int target)
{
    auto runClips = std::make_shared<std::vector<TVideoInfo *>>();
    for (const auto &clip : clips) {
        if (clip && (!clip->AudioOnly || targets::IsMusicTarget(target)))
            runClips->push_back(clip.get());
    }
    return runClips;
}

ClipLookup ClipLookupOf(RunClips clips)
{
    return [clips = std::move(clips)](int index) -> std::optional<JobClip> {
        if (index < 0 || std::size_t(index) >= clips->size())
            return std::nullopt;
        return JobClipOf(*(*clips)[std::size_t(index)]);
    };
}

} // namespace conversion
