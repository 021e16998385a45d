// Edits of a PanelState by name: a saved profile by its name, and single values by the
// keys of PanelKeys(), each checked against what the panel offers for the target.

#include "PanelState.h"

#include "DefinitionSections.h"
#include "TargetCatalogue.h"

#include <algorithm>
#include <type_traits>

namespace targets {
namespace {

bool SameText(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

enum class KeyKind { List, Number, Switch, Text };

struct KeyEntry {
    PanelKey key;
    KeyKind kind;
};

// The profile's families first (in the order of a profile's value list), then the rest of the panel.
const QList<KeyEntry> &KeyTable()
{
    static const QList<KeyEntry> table = {
        {{"OutputFormat", "output container"}, KeyKind::List},
        {{"VideoAspect", "Output Image Setting"}, KeyKind::List},
        {{"VideoResolution", "frame size list"}, KeyKind::List},
        {{"VideoFrameRate", "frame rate"}, KeyKind::List},
        {{"VideoBitRate", "video bit rate, kbps"}, KeyKind::Number},
        {{"AudioBitrate", "audio bit rate, kbps"}, KeyKind::List},
        {{"AudioSampleRate", "audio sample rate, Hz"}, KeyKind::List},
        {{"AudioVolume", "volume step"}, KeyKind::Number},
        {{"VideoCodec", "video codec"}, KeyKind::List},
        {{"AudioCodec", "audio codec"}, KeyKind::List},
        {{"VideoWidth", "frame width where there is no size list"}, KeyKind::Number},
        {{"VideoHeight", "frame height where there is no size list"}, KeyKind::Number},
        {{"AudioChannel", "audio channels"}, KeyKind::List},
        {{"DVDSetting", "DVD format and aspect ratio"}, KeyKind::List},
        {{"HighQuality", "Use High Quality Engine"}, KeyKind::Switch},
        {{"Deinterlace", "Use Advanced De-interlace Accelerator"}, KeyKind::Switch},
        {{"ForceSync", "Use Intelligent A/V Synchronizer"}, KeyKind::Switch},
        {{"AddLetterBox", "letter box for MPEG's fixed picture sizes"}, KeyKind::Switch},
        {{"AddLetterBoxVOB", "letter box for the DVD targets"}, KeyKind::Switch},
        {{"DVDName", "display name (devices, DVD title)"}, KeyKind::Text},
        {{"ArtistName", "artist name (devices)"}, KeyKind::Text},
    };
    return table;
}

const KeyEntry *EntryOf(const QString &key)
{
    const QList<KeyEntry> &table = KeyTable();
    const auto found = std::find_if(table.begin(), table.end(), [&](const KeyEntry &entry) {
        return key.trimmed().compare(QLatin1String(entry.key.name), Qt::CaseInsensitive) == 0;
    });
    return found == table.end() ? nullptr : &*found;
}

// The DVD setting list is fixed and always open to a choice.
ChoiceList DvdSettingList(const PanelState &state)
{
    return ChoiceList{DvdSettingItems(), state.dvdSettingIndex, true};
}

// The list of a List key, as the state holds it.
ChoiceList ListNamed(const PanelState &state, const QString &name)
{
    const std::pair<const char *, const ChoiceList *> lists[] = {
        {"OutputFormat", &state.outputFormat},   {"VideoAspect", &state.aspect},
        {"VideoResolution", &state.resolution},  {"VideoFrameRate", &state.frameRate},
        {"AudioBitrate", &state.audioBitrate},   {"AudioSampleRate", &state.audioSampleRate},
        {"VideoCodec", &state.videoCodec},       {"AudioCodec", &state.audioCodec},
        {"AudioChannel", &state.audioChannel},
    };
    for (const auto &[listName, list] : lists) {
        if (name == QLatin1String(listName))
            return *list;
    }
    return DvdSettingList(state);
}

// Makes entry `index` of a List key's list the chosen one, with the window's follow-ups.
void ChooseInList(PanelState &state, const QString &name, int index, const PanelInputs &inputs)
{
    const std::pair<const char *, PanelList> plainLists[] = {
        {"VideoResolution", PanelList::Resolution}, {"VideoFrameRate", PanelList::FrameRate},
        {"AudioBitrate", PanelList::AudioBitrate},  {"AudioSampleRate", PanelList::AudioSampleRate},
        {"VideoCodec", PanelList::VideoCodec},      {"AudioCodec", PanelList::AudioCodec},
        {"AudioChannel", PanelList::AudioChannel},
    };
    for (const auto &[listName, list] : plainLists) {
        if (name == QLatin1String(listName))
            return SelectChoice(state, list, index);
    }
    if (name == QLatin1String("OutputFormat"))
        ChooseOutputFormat(state, index, inputs);
    else if (name == QLatin1String("VideoAspect"))
        ChooseAspect(state, index, inputs);
    else
        ChooseDvdSetting(state, index);
}

// The engine value behind entry `index`, from the section the list was read from.
bool HasEngineValue(const PanelState &state, const ProfileDefinitions &reader, const QString &name, int index,
                    const QString &value)
{
    QStringList sections = {state.targetSection,
                            OutputFormatSubSection(reader, state.targetSection, state.outputFormat.selectedIndex)};
    if (UsesAspectModeSection(state.target, state.aspectMode))
        sections.prepend(JoinSection(state.targetSection, QString::number(state.aspectMode)));
    return std::any_of(sections.begin(), sections.end(), [&](const QString &section) {
        const QString resolved = ResolveChoiceValue(reader, section, name, index);
        return resolved != NoDefinition && SameText(resolved, value);
    });
}

// A spin field or the track bar: value, range and whether the user can change it.
struct NumberView {
    int value;
    int minimum;
    int maximum;
    bool enabled;
};

NumberView NumberNamed(const PanelState &state, const QString &name)
{
    if (name == QLatin1String("AudioVolume"))
        return {state.volume.position, state.volume.minimum, state.volume.maximum, true};
    const NumberSetting &field = name == QLatin1String("VideoBitRate") ? state.videoBitRate
        : name == QLatin1String("VideoWidth")                          ? state.videoWidth
                                                                       : state.videoHeight;
    // The height field is enabled with the width field.
    return {field.value, field.minimum, field.maximum, field.enabled && state.videoWidth.enabled};
}

void SetNumberNamed(PanelState &state, const QString &name, int value)
{
    if (name == QLatin1String("AudioVolume"))
        SetVolumePosition(state, value);
    else if (name == QLatin1String("VideoBitRate"))
        SetVideoBitRate(state, value);
    else
        SetSizeValue(state, name == QLatin1String("VideoWidth") ? SizeField::Width : SizeField::Height, value);
}

// A switch or text of the state, const as the state is.
template <typename State>
using Member = std::conditional_t<std::is_const_v<State>, const bool, bool>;

template <typename State>
auto *SwitchNamed(State &state, const QString &name)
{
    const std::pair<const char *, Member<State> *> switches[] = {
        {"HighQuality", &state.highQuality}, {"Deinterlace", &state.deinterlace},
        {"ForceSync", &state.forceSync},     {"AddLetterBox", &state.addLetterBox},
        {"AddLetterBoxVOB", &state.addLetterBoxVob},
    };
    for (const auto &[switchName, on] : switches) {
        if (name == QLatin1String(switchName))
            return on;
    }
    return static_cast<Member<State> *>(nullptr);
}

template <typename State>
auto *TextNamed(State &state, const QString &name)
{
    return name == QLatin1String("DVDName") ? &state.dvdName : &state.artistName;
}

std::optional<bool> SwitchValue(const QString &value)
{
    for (const char *on : {"on", "true", "yes", "1"}) {
        if (SameText(value, QLatin1String(on)))
            return true;
    }
    for (const char *off : {"off", "false", "no", "0"}) {
        if (SameText(value, QLatin1String(off)))
            return false;
    }
    return std::nullopt;
}

std::optional<QString> SetListByKey(PanelState &state, const QString &name, const QString &value,
                                    const PanelInputs &inputs)
{
    const ChoiceList list = ListNamed(state, name);
    const QString target = TargetName(state.target);
    // A shown text anywhere in the list goes before an engine value.
    int found = -1;
    for (int index = 0; index < list.items.size() && found < 0; ++index) {
        if (SameText(list.items[index], value))
            found = index;
    }
    for (int index = 0; index < list.items.size() && found < 0; ++index) {
        if (HasEngineValue(state, inputs.definitions, name, index, value))
            found = index;
    }
    if (found < 0)
        return QStringLiteral("%1 has no choice \"%2\" for %3; %4").arg(name, value, target, ChoicesText(state, name));
    if (found != list.selectedIndex && !list.enabled)
        return QStringLiteral("%1 is fixed for %2; %3").arg(name, target, ChoicesText(state, name));
    ChooseInList(state, name, found, inputs);
    return std::nullopt;
}

std::optional<QString> SetNumberByKey(PanelState &state, const QString &name, const QString &value)
{
    bool isNumber = false;
    int wanted = value.trimmed().toInt(&isNumber);
    if (!isNumber)
        return QStringLiteral("%1 takes a whole number, not \"%2\"").arg(name, value);
    if (name == QLatin1String("VideoWidth") || name == QLatin1String("VideoHeight"))
        wanted = RoundTowardZeroToMultipleOf4(wanted);   // as leaving the field does
    const NumberView number = NumberNamed(state, name);
    const QString target = TargetName(state.target);
    if (wanted != number.value && !number.enabled)
        return QStringLiteral("%1 is fixed for %2; %3").arg(name, target, ChoicesText(state, name));
    if (wanted < number.minimum || wanted > number.maximum)
        return QStringLiteral("%1 is out of range for %2; %3").arg(name, target, ChoicesText(state, name));
    SetNumberNamed(state, name, wanted);
    return std::nullopt;
}

} // namespace

QStringList ProfileNames(const PanelState &state)
{
    QStringList names;
    for (const ProfileEntry &entry : state.profiles.entries)
        names << entry.name;
    return names;
}

std::optional<QString> ApplyProfileNamed(PanelState &state, const QString &name, const PanelInputs &inputs)
{
    const QStringList names = ProfileNames(state);
    const auto found = std::find_if(names.begin(), names.end(), [&](const QString &entry) { return SameText(entry, name); });
    if (found != names.end()) {
        ChooseProfileEntry(state, int(found - names.begin()), inputs);
        return std::nullopt;
    }
    if (names.isEmpty())
        return QStringLiteral("%1 has no saved profiles").arg(TargetName(state.target));
    return QStringLiteral("unknown profile \"%1\" for %2; profiles: %3")
        .arg(name, TargetName(state.target), names.join(QStringLiteral(", ")));
}

const QList<PanelKey> &PanelKeys()
{
    static const QList<PanelKey> keys = [] {
        QList<PanelKey> names;
        for (const KeyEntry &entry : KeyTable())
            names << entry.key;
        return names;
    }();
    return keys;
}

std::optional<QString> SetByKey(PanelState &state, const QString &key, const QString &value,
                                const PanelInputs &inputs)
{
    const KeyEntry *entry = EntryOf(key);
    if (!entry) {
        QStringList names;
        for (const PanelKey &known : PanelKeys())
            names << QLatin1String(known.name);
        return QStringLiteral("unknown setting \"%1\"; settings: %2").arg(key, names.join(QStringLiteral(", ")));
    }
    const QString name = QLatin1String(entry->key.name);
    switch (entry->kind) {
    case KeyKind::List:
        return SetListByKey(state, name, value, inputs);
    case KeyKind::Number:
        return SetNumberByKey(state, name, value);
    case KeyKind::Switch:
        if (const std::optional<bool> on = SwitchValue(value)) {
            *SwitchNamed(state, name) = *on;
            return std::nullopt;
        }
        return QStringLiteral("%1 takes on or off, not \"%2\"").arg(name, value);
    case KeyKind::Text:
        *TextNamed(state, name) = value;
        return std::nullopt;
    }
    return std::nullopt;
}

QString ChoicesText(const PanelState &state, const QString &key)
{
    const KeyEntry *entry = EntryOf(key);
    if (!entry)
        return QString();
    const QString name = QLatin1String(entry->key.name);
    switch (entry->kind) {
    case KeyKind::List: {
        const ChoiceList list = ListNamed(state, name);
        QStringList shown;
        for (int index = 0; index < list.items.size(); ++index)
            shown << (index == list.selectedIndex ? QStringLiteral("*") : QString()) + list.items[index];
        return shown.isEmpty() ? QStringLiteral("no choices") : QStringLiteral("choices: ") + shown.join(QStringLiteral(", "));
    }
    case KeyKind::Number: {
        const NumberView number = NumberNamed(state, name);
        if (!number.enabled)
            return QStringLiteral("fixed at %1").arg(number.value);
        return QStringLiteral("now %1, range %2 to %3").arg(number.value).arg(number.minimum).arg(number.maximum);
    }
    case KeyKind::Switch:
        return *SwitchNamed(state, name) ? QStringLiteral("on") : QStringLiteral("off");
    case KeyKind::Text:
        return QLatin1Char('"') + *TextNamed(state, name) + QLatin1Char('"');
    }
    return QString();
}

} // namespace targets
