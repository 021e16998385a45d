#include "JobPanelValues.h"

#include "PanelState.h"

namespace conversion {

JobPanelValues JobPanelValuesOf(const targets::PanelState &panel)
{
    JobPanelValues values;
    values.outputFormatIndex = panel.outputFormat.selectedIndex;
    values.outputFormatText = panel.outputFormat.items.value(panel.outputFormat.selectedIndex);
    values.videoCodecIndex = panel.videoCodec.selectedIndex;
    values.audioCodecIndex = panel.audioCodec.selectedIndex;
    values.aspectIndex = panel.aspect.selectedIndex;
    values.videoFrameRateIndex = panel.frameRate.selectedIndex;
    values.audioBitRateIndex = panel.audioBitrate.selectedIndex;
    values.audioSampleRateIndex = panel.audioSampleRate.selectedIndex;
    values.cpuIndex = panel.cpu.selectedIndex;
    values.resolutionListVisible = panel.shown.resolutionList;
    values.resolutionIndex = panel.resolution.selectedIndex;
    values.resolutionText = panel.resolution.items.value(panel.resolution.selectedIndex);
    values.videoWidth = panel.videoWidth.value;
    values.videoHeight = panel.videoHeight.value;
    values.videoBitRateText = QString::number(panel.videoBitRate.value);
    values.volumePosition = panel.volume.position;
    values.highQuality = panel.highQuality;
    values.deinterlace = panel.deinterlace;
    values.forceSync = panel.forceSync;
    values.addLetterBox = panel.addLetterBox;
    values.dvdNtsc = panel.dvdBoxes.ntsc;
    values.dvdWide = panel.dvdBoxes.wide;
    values.addLetterBoxVob = panel.addLetterBoxVob;
    values.dvdName = panel.dvdName;
    values.artistName = panel.artistName;
    return values;
}

} // namespace conversion
