#include "TargetPanel.h"

#include "DefinitionSections.h"
#include "PanelRules.h"
#include "TargetCatalogue.h"

#include <algorithm>

namespace conversion {
namespace {

using targets::ChoiceList;
using targets::NumberSetting;

// A list's selection as a combo box takes it: an index outside the list selects nothing.
void Select(ChoiceList &choices, int index)
{
    choices.selectedIndex = index >= 0 && index < choices.items.size() ? index : -1;
}

// A value as a spin field or track bar takes it: held within the range.
int Clamped(int value, const NumberSetting &setting)
{
    return std::clamp(value, setting.minimum, std::max(setting.minimum, setting.maximum));
}

// The entry of `key` (any case) in a table of key names, or null.
template <typename Entry, std::size_t Count>
Entry KeyedEntry(const std::pair<const char *, Entry> (&table)[Count], const QString &key)
{
    for (const auto &[name, entry] : table) {
        if (key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return entry;
    }
    return nullptr;
}

bool SameText(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

const QList<PanelKey> &PanelKeys()
{
    static const QList<PanelKey> keys = {
        {"OutputFormat", "output container"},
        {"VideoAspect", "Output Image Setting"},
        {"VideoResolution", "frame size list"},
        {"VideoWidth", "frame width where there is no size list"},
        {"VideoHeight", "frame height where there is no size list"},
        {"VideoFrameRate", "frame rate"},
        {"VideoBitRate", "video bit rate, kbps"},
        {"VideoCodec", "video codec"},
        {"AudioCodec", "audio codec"},
        {"AudioBitrate", "audio bit rate, kbps"},
        {"AudioSampleRate", "audio sample rate, Hz"},
        {"AudioVolume", "volume step"},
    };
    return keys;
}

TargetPanel::TargetPanel(const targets::ProfileDefinitions &definitions, int target, QSize clipSize,
                         const std::optional<targets::ProfileValues> &profile)
    : definitions_(definitions), target_(target), section_(targets::TargetSectionName(target)), clipSize_(clipSize)
{
    Fill();
    if (profile)
        PutProfile(*profile);
    AspectChanged();
}

TargetPanel::List TargetPanel::ReadList(const QString &section, const QString &fallbackSection, const char *base) const
{
    const QString name = QLatin1String(base);
    List list{targets::ReadChoiceList(definitions_, section, name), section};
    if (!list.choices.enabled)
        list = {targets::ReadChoiceList(definitions_, fallbackSection, name), fallbackSection};
    return list;
}

TargetPanel::Number TargetPanel::ReadNumber(const QString &section, const QString &fallbackSection,
                                            const char *base) const
{
    const NumberSetting setting =
        targets::ReadNumberSettingWithFallback(definitions_, section, fallbackSection, QLatin1String(base));
    return {setting, Clamped(setting.value, setting)};
}

void TargetPanel::Fill()
{
    const QString subSection = targets::FirstFillSubSection(definitions_, section_);
    FillVolume(section_, subSection);
    aspect_ = ReadList(section_, subSection, "VideoAspect");
    audioBitrate_ = ReadList(section_, subSection, "AudioBitrate");
    audioCodec_ = ReadList(section_, subSection, "AudioCodec");
    audioSampleRate_ = ReadList(section_, subSection, "AudioSampleRate");
    videoCodec_ = ReadList(section_, subSection, "VideoCodec");
    outputFormat_ = ReadList(section_, subSection, "OutputFormat");
    frameRate_ = ReadList(section_, subSection, "VideoFrameRate");
    videoBitRate_ = ReadNumber(section_, subSection, "VideoBitRate");
    width_ = ReadNumber(section_, subSection, "VideoWidth");
    height_ = ReadNumber(section_, subSection, "VideoHeight");
    sizeFieldsEnabled_ = width_.setting.enabled;
    resolution_ = ReadList(section_, subSection, "VideoResolution");
}

// The volume track bar mirrors the volume list: its range from the list, its position the selection.
void TargetPanel::FillVolume(const QString &section, const QString &fallbackSection)
{
    volumeList_ = ReadList(section, fallbackSection, "AudioVolume");
    const targets::VolumeTrack track =
        targets::VolumeTrackOf(volumeList_.choices.items, volumeList_.choices.selectedIndex);
    volume_.setting = {track.minimum, track.maximum, track.position, 1, true};
    volume_.value = Clamped(track.position, volume_.setting);
}

void TargetPanel::PutProfile(const targets::ProfileValues &values)
{
    Select(audioBitrate_.choices, values.audioBitrateIndex());
    Select(audioSampleRate_.choices, values.audioSampleRateIndex());
    volume_.value = Clamped(values.volumeStep(), volume_.setting);
    videoBitRate_.value = Clamped(values.videoBitRate(), videoBitRate_.setting);
    Select(frameRate_.choices, values.frameRateIndex());
    Select(aspect_.choices, values.aspectIndex());
    Select(resolution_.choices, values.resolutionIndex());
    Select(outputFormat_.choices, values.outputFormatIndex());
    RefillCodecLists();
    Select(videoCodec_.choices, values.videoCodecIndex());
    Select(audioCodec_.choices, values.audioCodecIndex());
}

// The codec lists depend on the output format: its sub-section answers what the target section lacks.
void TargetPanel::RefillCodecLists()
{
    const QString subSection =
        targets::OutputFormatSubSection(definitions_, section_, outputFormat_.choices.selectedIndex);
    videoCodec_ = ReadList(section_, subSection, "VideoCodec");
    audioCodec_ = ReadList(section_, subSection, "AudioCodec");
}

int TargetPanel::ResolveAspectMode() const
{
    return targets::AspectModeOf(targets::ResolveChoiceValue(definitions_, section_, QStringLiteral("VideoAspect"),
                                                             aspect_.choices.selectedIndex));
}

void TargetPanel::AspectChanged()
{
    if (sizeFieldsEnabled_)
        lastCustomSize_ = QSize(width_.value, height_.value);
    aspectMode_ = ResolveAspectMode();
    if (targets::IsHdFileTarget(target_))
        RefillHdResolution();
    const bool customSize = aspectMode_ != targets::OriginalSizeAspectMode;
    sizeFieldsEnabled_ = customSize;
    resolution_.choices.enabled = customSize;
    if (target_ == targets::TargetMPEG)
        MpegAspectHandling();
    SyncSizeFields();
}

// A resolution chosen before survives the refill when the list still offers it.
void TargetPanel::RefillHdResolution()
{
    if (aspectMode_ == targets::OriginalSizeAspectMode) {
        resolution_ = {ChoiceList{{targets::OriginalSizeItem}, 0, false}, section_};
        return;
    }
    const QString chosen = resolution_.choices.items.value(resolution_.choices.selectedIndex);
    resolution_ = {targets::ReadChoiceList(definitions_, section_, QStringLiteral("VideoResolution")), section_};
    if (resolution_.choices.items.contains(chosen))
        resolution_.choices.selectedIndex = int(resolution_.choices.items.indexOf(chosen));
}

// Target MPEG: an aspect mode above 10 has its own complete parameter set, read without fallback.
void TargetPanel::MpegAspectHandling()
{
    const bool ownSection = targets::UsesAspectModeSection(targets::TargetMPEG, aspectMode_);
    const QString section = ownSection ? targets::JoinSection(section_, QString::number(aspectMode_)) : section_;
    FillVolume(section_, section_);
    videoCodec_ = ReadList(section, section, "VideoCodec");
    frameRate_ = ReadList(section, section, "VideoFrameRate");
    audioBitrate_ = ReadList(section, section, "AudioBitrate");
    audioCodec_ = ReadList(section, section, "AudioCodec");
    audioSampleRate_ = ReadList(section, section, "AudioSampleRate");
    videoBitRate_ = ReadNumber(section, section, "VideoBitRate");
    width_ = ReadNumber(section, section, "VideoWidth");
    height_ = ReadNumber(section, section, "VideoHeight");
    outputFormat_ = ReadList(section, section, "OutputFormat");
    sizeFieldsEnabled_ = width_.setting.enabled && aspectMode_ != targets::OriginalSizeAspectMode;
}

void TargetPanel::SyncSizeFields()
{
    const std::optional<QSize> clipSize = clipSize_.isValid() ? std::optional<QSize>(clipSize_) : std::nullopt;
    if (const std::optional<QSize> size = targets::SyncedSize(aspectMode_, lastCustomSize_, clipSize)) {
        width_.value = size->width();
        height_.value = size->height();
    }
}

void TargetPanel::ChooseAspect(int index)
{
    Select(aspect_.choices, index);
    AspectChanged();
}

template <typename Panel>
auto *TargetPanel::ListOf(Panel &panel, const QString &key)
{
    const std::pair<const char *, decltype(&panel.aspect_)> lists[] = {
        {"OutputFormat", &panel.outputFormat_},     {"VideoAspect", &panel.aspect_},
        {"VideoResolution", &panel.resolution_},    {"VideoFrameRate", &panel.frameRate_},
        {"VideoCodec", &panel.videoCodec_},         {"AudioCodec", &panel.audioCodec_},
        {"AudioBitrate", &panel.audioBitrate_},     {"AudioSampleRate", &panel.audioSampleRate_},
    };
    return KeyedEntry(lists, key);
}

template <typename Panel>
auto *TargetPanel::NumberOf(Panel &panel, const QString &key)
{
    const std::pair<const char *, decltype(&panel.volume_)> numbers[] = {
        {"VideoBitRate", &panel.videoBitRate_}, {"VideoWidth", &panel.width_},
        {"VideoHeight", &panel.height_},        {"AudioVolume", &panel.volume_},
    };
    return KeyedEntry(numbers, key);
}

std::optional<QString> TargetPanel::Set(const QString &key, const QString &value)
{
    if (List *list = ListOf(*this, key))
        return SetChoice(key, *list, value);
    if (Number *number = NumberOf(*this, key))
        return SetNumber(key, *number, value);
    QStringList names;
    for (const PanelKey &known : PanelKeys())
        names << QLatin1String(known.name);
    return QStringLiteral("unknown setting \"%1\"; settings: %2").arg(key, names.join(QStringLiteral(", ")));
}

std::optional<QString> TargetPanel::SetChoice(const QString &key, List &list, const QString &value)
{
    const QStringList &items = list.choices.items;
    qsizetype found = -1;
    for (qsizetype i = 0; i < items.size() && found < 0; ++i) {
        if (SameText(items[i], value))
            found = i;
    }
    for (qsizetype i = 0; i < items.size() && found < 0; ++i) {
        if (SameText(targets::ResolveChoiceValue(definitions_, list.section, key, int(i)), value))
            found = i;
    }
    if (found < 0)
        return QStringLiteral("%1 has no choice \"%2\" for %3; %4")
            .arg(key, value, targets::TargetName(target_), ChoicesText(key));
    if (found != list.choices.selectedIndex && !list.choices.enabled)
        return QStringLiteral("%1 is fixed for %2; %3").arg(key, targets::TargetName(target_), ChoicesText(key));
    list.choices.selectedIndex = int(found);
    if (&list == &outputFormat_)
        RefillCodecLists();
    else if (&list == &aspect_)
        AspectChanged();
    return std::nullopt;
}

std::optional<QString> TargetPanel::SetNumber(const QString &key, Number &number, const QString &value)
{
    bool isNumber = false;
    int wanted = value.trimmed().toInt(&isNumber);
    const bool sizeField = &number == &width_ || &number == &height_;
    if (sizeField)
        wanted = targets::RoundTowardZeroToMultipleOf4(wanted);
    if (!isNumber)
        return QStringLiteral("%1 takes a whole number, not \"%2\"").arg(key, value);
    const bool enabled = sizeField ? sizeFieldsEnabled_ : number.setting.enabled;
    if (wanted != number.value && !enabled)
        return QStringLiteral("%1 is fixed for %2; %3").arg(key, targets::TargetName(target_), ChoicesText(key));
    if (!sizeField && Clamped(wanted, number.setting) != wanted)
        return QStringLiteral("%1 is out of range for %2; %3").arg(key, targets::TargetName(target_), ChoicesText(key));
    number.value = wanted;
    return std::nullopt;
}

QString TargetPanel::ChoicesText(const QString &key) const
{
    if (const List *list = ListOf(*this, key)) {
        QStringList shown;
        for (qsizetype i = 0; i < list->choices.items.size(); ++i)
            shown << (i == list->choices.selectedIndex ? QStringLiteral("*") : QString()) + list->choices.items[i];
        return shown.isEmpty() ? QStringLiteral("no choices") : QStringLiteral("choices: ") + shown.join(QStringLiteral(", "));
    }
    if (const Number *number = NumberOf(*this, key)) {
        if (!number->setting.enabled && number != &width_ && number != &height_)
            return QStringLiteral("fixed at %1").arg(number->value);
        return QStringLiteral("now %1, range %2 to %3")
            .arg(number->value)
            .arg(number->setting.minimum)
            .arg(std::max(number->setting.minimum, number->setting.maximum));
    }
    return QString();
}

JobPanelValues TargetPanel::JobValues() const
{
    JobPanelValues panel;
    panel.cpuIndex = 0;
    panel.outputFormatIndex = outputFormat_.choices.selectedIndex;
    panel.outputFormatText = outputFormat_.choices.items.value(outputFormat_.choices.selectedIndex);
    panel.videoCodecIndex = videoCodec_.choices.selectedIndex;
    panel.audioCodecIndex = audioCodec_.choices.selectedIndex;
    panel.aspectIndex = aspect_.choices.selectedIndex;
    panel.videoFrameRateIndex = frameRate_.choices.selectedIndex;
    panel.audioBitRateIndex = audioBitrate_.choices.selectedIndex;
    panel.audioSampleRateIndex = audioSampleRate_.choices.selectedIndex;
    panel.resolutionListVisible = targets::VisibilityOf(target_, int(resolution_.choices.items.size())).resolutionList;
    panel.resolutionIndex = resolution_.choices.selectedIndex;
    panel.resolutionText = resolution_.choices.items.value(resolution_.choices.selectedIndex);
    panel.videoWidth = width_.value;
    panel.videoHeight = height_.value;
    panel.videoBitRateText = QString::number(videoBitRate_.value);
    panel.volumePosition = volume_.value;
    return panel;
}

naming::OutputPanelValues TargetPanel::OutputValues() const
{
    naming::OutputPanelValues values;
    values.targetNumber = target_;
    values.aspectMode = aspectMode_;
    values.resolutionListShown = targets::VisibilityOf(target_, int(resolution_.choices.items.size())).resolutionList;
    values.resolutionText = resolution_.choices.items.value(resolution_.choices.selectedIndex);
    values.sizeFieldsEnabled = sizeFieldsEnabled_;
    values.widthText = QString::number(width_.value);
    values.heightText = QString::number(height_.value);
    values.outputFormatIndex = outputFormat_.choices.selectedIndex;
    values.outputFormatValue = targets::ResolveChoiceValue(definitions_, section_, QStringLiteral("OutputFormat"),
                                                           values.outputFormatIndex);
    return values;
}

} // namespace conversion
