#include "ProfileEntryTexts.h"

#include "DefinitionSections.h"

namespace targets {
namespace {

// The text of `key`, or `fallback` when the definition file has none.
QString TextOr(const ProfileDefinitions &reader, const QString &section, const QString &key, const QString &fallback)
{
    const QString text = reader.Text(section, key);
    return text == NoDefinition ? fallback : text;
}

QString IndexedKey(const char *base, int index)
{
    return QLatin1String(base) + QString::number(index);
}

// An indexed display text from the target section, else from the format's sub-section.
QString TextWithFallback(const ProfileDefinitions &reader, const QString &section, const QString &subSection,
                         const QString &key)
{
    const QString text = TextOr(reader, section, key, QString());
    return text.isEmpty() ? TextOr(reader, subSection, key, QString()) : text;
}

// The profile's codec from the section's own codec list; the list's default for an index past it.
QString ChosenCodecText(const ProfileDefinitions &reader, const QString &section, int codecIndex)
{
    const ChoiceList codecs = ReadChoiceList(reader, section, QStringLiteral("VideoCodec"));
    if (codecIndex >= 0 && codecIndex < codecs.items.size())
        return codecs.items[codecIndex];
    return codecs.items.value(codecs.selectedIndex);
}

QString Summary(const QString &name, const QString &format, const QString &resolutionPart, int videoBitRate,
                const QString &audioBitrate, const QString &sampleRate)
{
    return name + QStringLiteral(" : Video-") + format + resolutionPart + QLatin1Char(',')
        + QString::number(videoBitRate) + QStringLiteral("kbps,Audio-") + audioBitrate + QStringLiteral("kbps,")
        + sampleRate + QStringLiteral("hz");
}

} // namespace

QString MainWindowEntryText(const ProfileDefinitions &reader, const QString &targetSection,
                            const QString &name, const ProfileValues &values)
{
    const QString outputFormat = QStringLiteral("OutputFormat");
    QString format = ResolveChoiceValue(reader, targetSection, outputFormat, values.OutputFormatIndex());
    if (format == NoDefinition)
        format = ResolveChoiceValue(reader, targetSection, outputFormat, 0);
    const QString subSection = JoinSection(targetSection, format);
    const QString resolution =
        TextWithFallback(reader, targetSection, subSection, IndexedKey("VideoResolutionText", values.ResolutionIndex()));
    const QString audioBitrate =
        TextWithFallback(reader, targetSection, subSection, IndexedKey("AudioBitrateText", values.AudioBitrateIndex()));
    const QString sampleRate = TextWithFallback(reader, targetSection, subSection,
                                                IndexedKey("AudioSampleRateText", values.AudioSampleRateIndex()));
    const QString resolutionPart = resolution.isEmpty() ? QString() : QLatin1Char(',') + resolution;
    return Summary(name, format, resolutionPart, values.VideoBitRate(), audioBitrate, sampleRate);
}

QString DialogEntryText(const ProfileDefinitions &reader, const QString &definitionSection, const ProfileEntry &entry)
{
    if (!entry.HasValues())
        return entry.name;
    const ProfileValues values = entry.Values();
    QString section = definitionSection;
    QString format;
    const int formatCount = reader.Integer(definitionSection, QStringLiteral("OutputFormatCount"), 1);
    if (formatCount > 1) {
        format = TextOr(reader, definitionSection, IndexedKey("OutputFormatText", values.OutputFormatIndex()), QString());
        const bool validIndex = values.OutputFormatIndex() >= 0 && values.OutputFormatIndex() < formatCount;
        if (validIndex && !format.isEmpty())
            section = JoinSection(definitionSection, format);
    }
    if (format.isEmpty())
        format = ChosenCodecText(reader, section, values.VideoCodecIndex());
    const QString resolution = TextOr(reader, section, IndexedKey("VideoResolutionText", values.ResolutionIndex()), QString());
    const QString zero = QStringLiteral("0");
    return Summary(entry.name, format, QLatin1Char(',') + resolution, values.VideoBitRate(),
                   TextOr(reader, section, IndexedKey("AudioBitrateText", values.AudioBitrateIndex()), zero),
                   TextOr(reader, section, IndexedKey("AudioSampleRateText", values.AudioSampleRateIndex()), zero));
}

QString MusicEntryText(const ProfileDefinitions &reader, const QString &definitionSection, const ProfileEntry &entry)
{
    if (!entry.HasValues())
        return entry.name;
    const ProfileValues values = entry.Values();
    const QString zero = QStringLiteral("0");
    return entry.name + QStringLiteral(" : Audio-")
        + TextOr(reader, definitionSection, IndexedKey("AudioBitrateText", values.AudioBitrateIndex()), zero)
        + QStringLiteral("kbps,")
        + TextOr(reader, definitionSection, IndexedKey("AudioSampleRateText", values.AudioSampleRateIndex()), zero)
        + QStringLiteral("hz");
}

MainWindowProfileList ReadMainWindowProfileList(const ProfileStore &store, const ProfileDefinitions &reader,
                                                const QString &targetSection)
{
    MainWindowProfileList list;
    list.section = ProfileSectionOf(reader, targetSection);
    if (list.section == NoProfile)
        return list;
    list.available = true;
    list.entries = store.MainWindowEntries(list.section);
    for (const ProfileEntry &entry : list.entries)
        list.texts.append(MainWindowEntryText(reader, targetSection, entry.name, entry.Values()));
    const int selected = store.DefaultIndex(list.section);
    list.defaultIndex = selected >= 0 && selected < list.entries.size() ? selected : -1;
    return list;
}

} // namespace targets
