// Between clip records and the kept clip list.

#include "ClipListStore.h"

#include "VideoInfo.h"

#include <algorithm>
#include <cmath>

namespace {

StoredClip StoredClipOf(const TVideoInfo &clip)
{
    return {clip.FileName,           clip.Checked,       clip.StartTime, clip.EndTime,
            clip.ChosenAudioIndex(), clip.SubtitleIndex, clip.FrameRate};
}

} // namespace

StoredClipList StoredListOf(const std::vector<std::unique_ptr<TVideoInfo>> &clips, const TVideoInfo *current)
{
    StoredClipList list;
    for (size_t index = 0; index < clips.size(); ++index) {
        list.clips.push_back(StoredClipOf(*clips[index]));
        if (clips[index].get() == current)
            list.currentIndex = static_cast<int>(index);
    }
    return list;
}

void ApplyStoredChoices(const StoredClip &stored, TVideoInfo &clip)
{
    // A range the file no longer holds (it was replaced by a shorter one) is left at the whole file.
    if (0 <= stored.startSeconds && stored.startSeconds <= stored.endSeconds && stored.endSeconds <= clip.Duration) {
        clip.SetStartTime(stored.startSeconds);
        clip.SetEndTime(stored.endSeconds);
    }
    if (stored.audioIndex >= 0 && stored.audioIndex < static_cast<int>(clip.AudioStreams.size()))
        clip.ChooseAudioRow(stored.audioIndex);
    clip.SubtitleIndex = std::max(stored.subtitleIndex, 0);
    clip.SetChecked(stored.checked);   // last: ticking an audio row ticks its clip
}

FrameRateAnswer StoredFrameRateAnswers::Ask(const QString &fileName, float rateA, float rateB)
{
    const auto kept = std::find_if(clips_.cbegin(), clips_.cend(), [&fileName](const StoredClip &clip) {
        return clip.fileName == fileName && clip.frameRate > 0;
    });
    if (kept == clips_.cend())
        return {true, false};
    return {false, std::fabs(kept->frameRate - rateA) <= std::fabs(kept->frameRate - rateB)};
}
