#include "DefinitionSections.h"

namespace targets {

QString FirstFillSubSection(const ProfileDefinitions &reader, const QString &targetSection)
{
    if (reader.Integer(targetSection, QStringLiteral("OutputFormatCount"), 1) <= 0)
        return targetSection;
    const int formatIndex = reader.Integer(targetSection, QStringLiteral("OutputFormatDefault"), 0);
    const QString format =
        reader.Text(targetSection, QStringLiteral("OutputFormatText") + QString::number(formatIndex));
    if (format == NoDefinition || format.isEmpty())
        return targetSection;
    return JoinSection(targetSection, format);
}

QString OutputFormatSubSection(const ProfileDefinitions &reader, const QString &targetSection, int formatIndex)
{
    return JoinSection(targetSection,
                       ResolveChoiceValue(reader, targetSection, QStringLiteral("OutputFormat"), formatIndex));
}

ChoiceList ReadChoiceListWithFallback(const ProfileDefinitions &reader, const QString &section,
                                      const QString &fallbackSection, const QString &base)
{
    const ChoiceList list = ReadChoiceList(reader, section, base);
    return list.enabled ? list : ReadChoiceList(reader, fallbackSection, base);
}

NumberSetting ReadNumberSettingWithFallback(const ProfileDefinitions &reader, const QString &section,
                                            const QString &fallbackSection, const QString &base)
{
    const NumberSetting setting = ReadNumberSetting(reader, section, base);
    return setting.value != 0 ? setting : ReadNumberSetting(reader, fallbackSection, base);
}

QString ResolveChoiceValueWithFallback(const ProfileDefinitions &reader, const QString &section,
                                       const QString &fallbackSection, const QString &base, int index)
{
    const QString value = ResolveChoiceValue(reader, section, base, index);
    return value != NoDefinition ? value : ResolveChoiceValue(reader, fallbackSection, base, index);
}

QString ProfileSectionOf(const ProfileDefinitions &reader, const QString &targetSection)
{
    const QString name = reader.Text(targetSection, QStringLiteral("ProfileName"));
    return name == NoDefinition ? NoProfile : name;
}

int AspectModeOf(const QString &aspectValue)
{
    const QString text = aspectValue.trimmed();
    qsizetype digits = 0;
    while (digits < text.size() && digits < 9 && text.at(digits).isDigit())
        ++digits;
    return text.left(digits).toInt();   // no leading digits gives 0
}

} // namespace targets
