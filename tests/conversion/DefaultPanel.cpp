#include "DefaultPanel.h"

#include "DefinitionSections.h"
#include "OutputExtension.h"
#include "TargetCatalogue.h"

#include <algorithm>

namespace conversion::testing_support {
namespace {

using targets::ChoiceList;

struct PanelReader {
    const targets::ProfileDefinitions &definitions;
    QString section;
    QString fallback;   // the same as section when there is no fallback

    ChoiceList list(const char *base) const
    {
        return targets::ReadChoiceListWithFallback(definitions, section, fallback, QLatin1String(base));
    }
    int number(const char *base) const
    {
        return targets::ReadNumberSettingWithFallback(definitions, section, fallback, QLatin1String(base)).value;
    }
};

// The lists that depend on the section: the first fill, and MPEG's aspect handling again.
void ReadSectionLists(JobPanelValues &panel, const PanelReader &reader)
{
    panel.audioBitRateIndex = reader.list("AudioBitrate").selectedIndex;
    panel.audioCodecIndex = reader.list("AudioCodec").selectedIndex;
    panel.audioSampleRateIndex = reader.list("AudioSampleRate").selectedIndex;
    panel.videoCodecIndex = reader.list("VideoCodec").selectedIndex;
    const ChoiceList formats = reader.list("OutputFormat");
    panel.outputFormatIndex = formats.selectedIndex;
    panel.outputFormatText = formats.items.value(formats.selectedIndex);
    panel.videoFrameRateIndex = reader.list("VideoFrameRate").selectedIndex;
    panel.videoBitRateText = QString::number(reader.number("VideoBitRate"));
    panel.videoWidth = reader.number("VideoWidth");
    panel.videoHeight = reader.number("VideoHeight");
}

ChoiceList ResolutionAfterAspect(const PanelReader &reader, int target, int mode)
{
    const bool hdFileTarget = target >= targets::TargetHDAVI && target <= targets::TargetHDMOV;
    if (!hdFileTarget)
        return reader.list("VideoResolution");
    if (mode == 1)
        return {{QStringLiteral("Original Width : Height")}, 0, false};
    return targets::ReadChoiceList(reader.definitions, reader.section, QStringLiteral("VideoResolution"));
}

void SyncSize(JobPanelValues &panel, int mode, const JobClip &clip)
{
    const bool customSize = mode == 0 || mode == 2;
    const bool keepTyped = customSize && panel.videoWidth >= 8 && panel.videoHeight >= 8;
    if (mode == 1 || (customSize && !keepTyped)) {
        panel.videoWidth = clip.width;
        panel.videoHeight = clip.height;
    }
}

} // namespace

JobPanelValues DefaultPanelValues(const targets::ProfileDefinitions &definitions, int target, const JobClip &clip,
                                  int aspectChoice)
{
    const QString section = targets::TargetSectionName(target);
    const PanelReader reader{definitions, section, targets::FirstFillSubSection(definitions, section)};
    JobPanelValues panel;
    panel.cpuIndex = 0;
    panel.volumePosition = std::max(reader.list("AudioVolume").selectedIndex, 0);
    panel.aspectIndex = aspectChoice >= 0 ? aspectChoice : reader.list("VideoAspect").selectedIndex;
    ReadSectionLists(panel, reader);
    const int mode = targets::AspectModeOf(
        targets::ResolveChoiceValue(definitions, section, QStringLiteral("VideoAspect"), panel.aspectIndex));
    if (target == targets::TargetMPEG) {
        const QString modeSection = mode > 10 ? targets::JoinSection(section, QString::number(mode)) : section;
        ReadSectionLists(panel, PanelReader{definitions, modeSection, modeSection});
    }
    const ChoiceList resolution = ResolutionAfterAspect(reader, target, mode);
    panel.resolutionListVisible = target != targets::TargetMP3 && !resolution.items.isEmpty();
    panel.resolutionIndex = resolution.selectedIndex;
    panel.resolutionText = resolution.items.value(resolution.selectedIndex);
    SyncSize(panel, mode, clip);
    return panel;
}

QString DefaultOutputName(const targets::ProfileDefinitions &definitions, int target, const JobPanelValues &panel,
                          const QString &baseName)
{
    const QString section = targets::TargetSectionName(target);
    naming::OutputPanelValues naming;
    naming.targetNumber = target;
    naming.aspectMode = targets::AspectModeOf(
        targets::ResolveChoiceValue(definitions, section, QStringLiteral("VideoAspect"), panel.aspectIndex));
    naming.outputFormatIndex = panel.outputFormatIndex;
    naming.outputFormatValue =
        targets::ResolveChoiceValue(definitions, section, QStringLiteral("OutputFormat"), panel.outputFormatIndex);
    return baseName + naming::OutputExtension(naming);
}

} // namespace conversion::testing_support
