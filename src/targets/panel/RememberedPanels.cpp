#include "RememberedPanels.h"

namespace targets {

QVector<RestoreValue> RestoreOrder(const RememberedPanel &panel)
{
    return {
        {RestoreStep::AudioSampleRate, panel.audioSampleRateIndex},
        {RestoreStep::AudioChannel, panel.audioChannelIndex},
        {RestoreStep::AudioBitrate, panel.audioBitrateIndex},
        {RestoreStep::OutputFormat, panel.outputFormatIndex},
        {RestoreStep::VideoCodec, panel.videoCodecIndex},
        {RestoreStep::AudioCodec, panel.audioCodecIndex},
        {RestoreStep::FrameRate, panel.frameRateIndex},
        {RestoreStep::Aspect, panel.aspectIndex},
        {RestoreStep::VideoBitRate, panel.videoBitRate},
        {RestoreStep::VideoWidth, panel.videoWidth},
        {RestoreStep::VideoHeight, panel.videoHeight},
        {RestoreStep::VolumePosition, panel.volumePosition},
    };
}

void RememberedPanels::Store(int target, RememberedPanel panel)
{
    if (!HasRememberedPanel(target))
        return;
    panel.filled = true;
    slots_[target] = panel;
}

const RememberedPanel *RememberedPanels::FilledSlot(int target) const
{
    if (!HasRememberedPanel(target) || !slots_[target].filled)
        return nullptr;
    return &slots_[target];
}

} // namespace targets
