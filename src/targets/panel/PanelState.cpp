// The parameter panel's steps on a PanelState: the fill from the definitions, the profile
// list, the aspect handling (HD resolution list, MPEG's aspect-mode sections, the size
// fields), the remembered panels and the small edits. Lists and fields take values as
// their controls do: an index outside a list selects nothing, a spin value is held
// within its range.

#include "PanelState.h"

#include "DefinitionSections.h"
#include "TargetCatalogue.h"

#include <algorithm>
#include <functional>

namespace targets {
namespace {

void Select(ChoiceList &list, int index)
{
    list.selectedIndex = index >= 0 && index < list.items.size() ? index : -1;
}

int Held(int value, int minimum, int maximum)
{
    return std::clamp(value, minimum, std::max(minimum, maximum));
}

void SetValue(NumberSetting &field, int value)
{
    field.value = Held(value, field.minimum, field.maximum);
}

// A definition read put on a spin field: the range first, then the value within it.
NumberSetting Filled(const NumberSetting &read)
{
    NumberSetting field = read;
    field.maximum = std::max(read.minimum, read.maximum);
    SetValue(field, read.value);
    return field;
}

NumberSetting &SizeFieldOf(PanelState &state, SizeField field)
{
    return field == SizeField::Width ? state.videoWidth : state.videoHeight;
}

void SetSizeFieldsEnabled(PanelState &state, bool enabled)
{
    state.videoWidth.enabled = enabled;
    state.videoHeight.enabled = enabled;
}

// The volume track bar mirrors the volume list.
void FillVolume(PanelState &state, const ProfileDefinitions &reader, const QString &section,
                const QString &fallbackSection)
{
    state.volumeList = ReadChoiceListWithFallback(reader, section, fallbackSection, QStringLiteral("AudioVolume"));
    const VolumeTrack track = VolumeTrackOf(state.volumeList.items, state.volumeList.selectedIndex);
    state.volume = {track.minimum, std::max(track.minimum, track.maximum), 0};
    SetVolumePosition(state, track.position);
}

void FillFromDefinitions(PanelState &state, const ProfileDefinitions &reader)
{
    state.targetSection = TargetSectionName(state.target);
    const QString &section = state.targetSection;
    const QString subSection = FirstFillSubSection(reader, section);
    const auto list = [&](const char *base) {
        return ReadChoiceListWithFallback(reader, section, subSection, QLatin1String(base));
    };
    const auto number = [&](const char *base) {
        return Filled(ReadNumberSettingWithFallback(reader, section, subSection, QLatin1String(base)));
    };
    FillVolume(state, reader, section, subSection);
    state.aspect = list("VideoAspect");
    state.audioChannel = ReadChoiceList(reader, section, QStringLiteral("AudioChannel"));
    state.audioBitrate = list("AudioBitrate");
    state.audioCodec = list("AudioCodec");
    state.audioSampleRate = list("AudioSampleRate");
    state.videoCodec = list("VideoCodec");
    state.outputFormat = list("OutputFormat");
    state.frameRate = list("VideoFrameRate");
    state.videoBitRate = number("VideoBitRate");
    state.videoWidth = number("VideoWidth");
    state.videoHeight = number("VideoHeight");
    state.resolution = list("VideoResolution");
}

// The codec lists depend on the output format: its sub-section answers what the target section lacks.
void RefillCodecLists(PanelState &state, const ProfileDefinitions &reader)
{
    const QString subSection =
        OutputFormatSubSection(reader, state.targetSection, state.outputFormat.selectedIndex);
    state.videoCodec = ReadChoiceListWithFallback(reader, state.targetSection, subSection, QStringLiteral("VideoCodec"));
    state.audioCodec = ReadChoiceListWithFallback(reader, state.targetSection, subSection, QStringLiteral("AudioCodec"));
}

void PutProfile(PanelState &state, const ProfileValues &values, const ProfileDefinitions &reader)
{
    Select(state.audioBitrate, values.AudioBitrateIndex());
    Select(state.audioSampleRate, values.AudioSampleRateIndex());
    SetVolumePosition(state, values.VolumeStep());
    SetValue(state.videoBitRate, values.VideoBitRate());
    Select(state.frameRate, values.FrameRateIndex());
    Select(state.aspect, values.AspectIndex());
    Select(state.resolution, values.ResolutionIndex());
    Select(state.outputFormat, values.OutputFormatIndex());
    RefillCodecLists(state, reader);
    Select(state.videoCodec, values.VideoCodecIndex());
    Select(state.audioCodec, values.AudioCodecIndex());
}

// The profile of list entry `entry` as the store holds it now; nothing for no entry.
std::optional<ProfileValues> ProfileOfEntry(const PanelState &state, int entry, const PanelInputs &inputs)
{
    if (!inputs.profileStore || entry < 0 || entry >= state.profiles.entries.size())
        return std::nullopt;
    const std::optional<ProfileEntry> profile =
        inputs.profileStore->MainWindowEntry(state.profiles.section, state.profiles.entries[entry].slot);
    return profile ? std::optional(profile->Values()) : std::nullopt;
}

int ResolveAspectMode(const PanelState &state, const ProfileDefinitions &reader)
{
    return AspectModeOf(
        ResolveChoiceValue(reader, state.targetSection, QStringLiteral("VideoAspect"), state.aspect.selectedIndex));
}

// A resolution chosen before (by the user or a profile) survives the refill when the list
// still offers it; otherwise the definitions' preselection holds.
void RefillHdResolution(PanelState &state, const ProfileDefinitions &reader)
{
    if (state.aspectMode == OriginalSizeAspectMode) {
        state.resolution = ChoiceList{{OriginalSizeItem}, 0, false};
        return;
    }
    const QString chosen = state.resolution.items.value(state.resolution.selectedIndex);
    state.resolution = ReadChoiceList(reader, state.targetSection, QStringLiteral("VideoResolution"));
    if (state.resolution.items.contains(chosen))
        state.resolution.selectedIndex = int(state.resolution.items.indexOf(chosen));
}

// Target MPEG: an aspect mode above 10 has its own complete parameter set and a fixed
// picture size, so the size fields give way to the letter-box switch.
void MpegAspectHandling(PanelState &state, const ProfileDefinitions &reader)
{
    state.aspectMode = ResolveAspectMode(state, reader);
    FillVolume(state, reader, state.targetSection, state.targetSection);
    const bool ownSection = UsesAspectModeSection(TargetMPEG, state.aspectMode);
    const QString section =
        ownSection ? JoinSection(state.targetSection, QString::number(state.aspectMode)) : state.targetSection;
    state.shown.letterBox = ownSection;
    state.shown.resolutionLabel = !ownSection;
    state.shown.sizeFields = !ownSection;
    // Each read replaces a whole list, so no list keeps the previous mode's choices.
    const auto list = [&](const char *base) { return ReadChoiceList(reader, section, QLatin1String(base)); };
    const auto number = [&](const char *base) { return Filled(ReadNumberSetting(reader, section, QLatin1String(base))); };
    state.videoCodec = list("VideoCodec");
    state.frameRate = list("VideoFrameRate");
    state.audioBitrate = list("AudioBitrate");
    state.audioCodec = list("AudioCodec");
    state.audioChannel = list("AudioChannel");
    state.audioSampleRate = list("AudioSampleRate");
    state.videoBitRate = number("VideoBitRate");
    state.videoWidth = number("VideoWidth");
    state.videoHeight = number("VideoHeight");
    state.outputFormat = list("OutputFormat");
    SetSizeFieldsEnabled(state, state.videoWidth.enabled && state.aspectMode != OriginalSizeAspectMode);
}

void SyncSizeFields(PanelState &state, const std::optional<QSize> &clipSize)
{
    if (const std::optional<QSize> size = SyncedSize(state.aspectMode, state.lastCustomSize, clipSize)) {
        SetValue(state.videoWidth, size->width());
        SetValue(state.videoHeight, size->height());
    }
}

void ShowControlsFor(PanelState &state)
{
    const PanelVisibility visibility = VisibilityOf(state.target, int(state.resolution.items.size()));
    state.shown.deviceNames = visibility.deviceNames;
    state.shown.audioCodec = visibility.audioCodec;
    state.shown.videoCodecAndFormat = visibility.videoCodecAndFormat;
    state.shown.videoSettings = visibility.videoSettings;
    state.shown.resolutionLabel = visibility.videoSettings;
    state.shown.resolutionList = visibility.resolutionList;
    state.shown.sizeFields = visibility.sizeFields;
    state.shown.dvdSetting = visibility.dvdSetting;
}

RememberedPanel CurrentPanel(const PanelState &state)
{
    RememberedPanel panel;
    panel.audioCodecIndex = state.audioCodec.selectedIndex;
    panel.audioSampleRateIndex = state.audioSampleRate.selectedIndex;
    panel.audioChannelIndex = state.audioChannel.selectedIndex;
    panel.audioBitrateIndex = state.audioBitrate.selectedIndex;
    panel.volumePosition = state.volume.position;
    panel.videoCodecIndex = state.videoCodec.selectedIndex;
    panel.frameRateIndex = state.frameRate.selectedIndex;
    panel.videoBitRate = state.videoBitRate.value;
    panel.aspectIndex = state.aspect.selectedIndex;
    panel.videoWidth = state.videoWidth.value;
    panel.videoHeight = state.videoHeight.value;
    panel.outputFormatIndex = state.outputFormat.selectedIndex;
    return panel;
}

void RestorePanel(PanelState &state, const RememberedPanel &slot, const PanelInputs &inputs)
{
    for (const RestoreValue &restore : RestoreOrder(slot)) {
        switch (restore.step) {
        case RestoreStep::AudioSampleRate: Select(state.audioSampleRate, restore.value); break;
        case RestoreStep::AudioChannel: Select(state.audioChannel, restore.value); break;
        case RestoreStep::AudioBitrate: Select(state.audioBitrate, restore.value); break;
        case RestoreStep::OutputFormat: ChooseOutputFormat(state, restore.value, inputs); break;
        case RestoreStep::VideoCodec: Select(state.videoCodec, restore.value); break;
        case RestoreStep::AudioCodec: Select(state.audioCodec, restore.value); break;
        case RestoreStep::FrameRate: Select(state.frameRate, restore.value); break;
        case RestoreStep::Aspect: ChooseAspect(state, restore.value, inputs); break;
        case RestoreStep::VideoBitRate: SetValue(state.videoBitRate, restore.value); break;
        case RestoreStep::VideoWidth: SetValue(state.videoWidth, restore.value); break;
        case RestoreStep::VideoHeight: SetValue(state.videoHeight, restore.value); break;
        case RestoreStep::VolumePosition: SetVolumePosition(state, restore.value); break;
        }
    }
}

} // namespace

namespace {

// The window's target selection; `profileOf` gives the profile put on once the list is built.
void SelectTargetPutting(PanelState &state, int target, const PanelInputs &inputs,
                         const std::function<std::optional<ProfileValues>(const PanelState &)> &profileOf)
{
    state.remembered.Store(state.target, CurrentPanel(state));
    state.target = target;
    FillFromDefinitions(state, inputs.definitions);
    BuildProfileList(state, inputs);
    if (const std::optional<ProfileValues> profile = profileOf(state))
        PutProfile(state, *profile, inputs.definitions);
    RunAspectHandling(state, inputs);
    state.outputFolder = inputs.outputRoot + TargetFolder(target);
    ShowControlsFor(state);
    if (const RememberedPanel *slot = state.remembered.FilledSlot(target))
        RestorePanel(state, *slot, inputs);
}

} // namespace

void SelectTarget(PanelState &state, int target, const PanelInputs &inputs)
{
    SelectTargetPutting(state, target, inputs,
                        [&](const PanelState &filled) { return ProfileOfEntry(filled, filled.profileIndex, inputs); });
}

void SelectTargetWithProfile(PanelState &state, int target, const PanelInputs &inputs,
                             const std::optional<ProfileValues> &profile)
{
    SelectTargetPutting(state, target, inputs, [&](const PanelState &) { return profile; });
}

void ChooseAspect(PanelState &state, int index, const PanelInputs &inputs)
{
    Select(state.aspect, index);
    RunAspectHandling(state, inputs);
}

void RunAspectHandling(PanelState &state, const PanelInputs &inputs)
{
    if (state.targetSection.isEmpty())
        return;   // nothing is filled before the first target
    const ProfileDefinitions &reader = inputs.definitions;
    if (state.videoWidth.enabled)
        state.lastCustomSize = QSize(state.videoWidth.value, state.videoHeight.value);
    state.aspectMode = ResolveAspectMode(state, reader);
    if (IsHdFileTarget(state.target))
        RefillHdResolution(state, reader);
    const bool customSize = state.aspectMode != OriginalSizeAspectMode;
    SetSizeFieldsEnabled(state, customSize);
    state.resolution.enabled = customSize;
    if (state.target == TargetMPEG)
        MpegAspectHandling(state, reader);
    SyncSizeFields(state, inputs.clipSize);
}

void ChooseOutputFormat(PanelState &state, int index, const PanelInputs &inputs)
{
    Select(state.outputFormat, index);
    RefillCodecLists(state, inputs.definitions);
}

void ChooseProfileEntry(PanelState &state, int entry, const PanelInputs &inputs)
{
    state.profileIndex = entry >= 0 && entry < state.profiles.entries.size() ? entry : -1;
    if (const std::optional<ProfileValues> profile = ProfileOfEntry(state, entry, inputs))
        PutProfile(state, *profile, inputs.definitions);
    RunAspectHandling(state, inputs);
}

void SelectProfileEntry(PanelState &state, int entry)
{
    if (entry >= 0 && entry < state.profiles.entries.size())
        state.profileIndex = entry;
}

void BuildProfileList(PanelState &state, const PanelInputs &inputs)
{
    state.profiles = inputs.profileStore
        ? ReadMainWindowProfileList(*inputs.profileStore, inputs.definitions, state.targetSection)
        : MainWindowProfileList{};
    state.shown.profileList = state.profiles.available;
    state.profileIndex = state.profiles.available ? state.profiles.defaultIndex : -1;
}

PanelProfileChoice ProfileChoiceOf(const PanelState &state)
{
    PanelProfileChoice choice;
    choice.video = {state.outputFormat.selectedIndex,    state.resolution.selectedIndex,
                    state.frameRate.selectedIndex,       state.videoBitRate.value,
                    state.audioBitrate.selectedIndex,    state.audioSampleRate.selectedIndex,
                    state.volume.position,               state.videoCodec.selectedIndex};
    choice.aspectIndex = state.aspect.selectedIndex;
    choice.audioCodecIndex = state.audioCodec.selectedIndex;
    return choice;
}

ChoiceList &ListOf(PanelState &state, PanelList list)
{
    switch (list) {
    case PanelList::VideoCodec: return state.videoCodec;
    case PanelList::AudioCodec: return state.audioCodec;
    case PanelList::Resolution: return state.resolution;
    case PanelList::FrameRate: return state.frameRate;
    case PanelList::AudioBitrate: return state.audioBitrate;
    case PanelList::AudioSampleRate: return state.audioSampleRate;
    case PanelList::AudioChannel: return state.audioChannel;
    case PanelList::Cpu: return state.cpu;
    }
    return state.cpu;
}

void SelectChoice(PanelState &state, PanelList list, int index)
{
    Select(ListOf(state, list), index);
}

void SetSizeValue(PanelState &state, SizeField field, int value)
{
    SetValue(SizeFieldOf(state, field), value);
}

void LeaveSizeField(PanelState &state, SizeField field)
{
    NumberSetting &size = SizeFieldOf(state, field);
    SetValue(size, RoundTowardZeroToMultipleOf4(size.value));
}

void SetVideoBitRate(PanelState &state, int kbps)
{
    SetValue(state.videoBitRate, kbps);
}

void SetVolumePosition(PanelState &state, int position)
{
    state.volume.position = Held(position, state.volume.minimum, state.volume.maximum);
}

void SetEngineSwitch(PanelState &state, EngineSwitch engineSwitch, bool on)
{
    switch (engineSwitch) {
    case EngineSwitch::HighQuality: state.highQuality = on; break;
    case EngineSwitch::Deinterlace: state.deinterlace = on; break;
    case EngineSwitch::ForceSync: state.forceSync = on; break;
    }
}

void ChooseDvdSetting(PanelState &state, int index)
{
    state.dvdSettingIndex = index >= 0 && index < DvdSettingItems().size() ? index : -1;
    if (const std::optional<DvdBoxes> boxes = DvdBoxesOfSetting(index))
        state.dvdBoxes = *boxes;
}

void ReleaseDvdBox(PanelState &state, DvdBox box)
{
    DvdBoxes &boxes = state.dvdBoxes;
    switch (box) {
    case DvdBox::Ntsc: boxes.ntsc = true; boxes.pal = false; break;
    case DvdBox::Pal: boxes.pal = true; boxes.ntsc = false; break;
    case DvdBox::Wide: boxes.wide = true; boxes.fourThree = false; break;
    case DvdBox::FourThree: boxes.fourThree = true; boxes.wide = false; break;
    }
}

void SetDvdBox(PanelState &state, DvdBox box, bool on)
{
    switch (box) {
    case DvdBox::Ntsc: state.dvdBoxes.ntsc = on; break;
    case DvdBox::Pal: state.dvdBoxes.pal = on; break;
    case DvdBox::Wide: state.dvdBoxes.wide = on; break;
    case DvdBox::FourThree: state.dvdBoxes.fourThree = on; break;
    }
}

naming::OutputPanelValues OutputPanelValuesOf(const PanelState &state, const ProfileDefinitions &definitions)
{
    naming::OutputPanelValues values;
    values.targetNumber = state.target;
    values.aspectMode = state.aspectMode;
    values.resolutionListShown = state.shown.resolutionList;
    values.resolutionText = state.resolution.items.value(state.resolution.selectedIndex);
    values.sizeFieldsEnabled = state.videoWidth.enabled;
    values.widthText = QString::number(state.videoWidth.value);
    values.heightText = QString::number(state.videoHeight.value);
    values.outputFormatIndex = state.outputFormat.selectedIndex;
    values.outputFormatValue = state.targetSection.isEmpty()
        ? NoDefinition
        : ResolveChoiceValue(definitions, state.targetSection, QStringLiteral("OutputFormat"), values.outputFormatIndex);
    return values;
}

} // namespace targets
