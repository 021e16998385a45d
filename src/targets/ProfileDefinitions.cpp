#include "ProfileDefinitions.h"

#include "LibraryLoader.h"
#include "TargetCatalogue.h"

namespace targets {
namespace {

// A list longer than this is a broken definition; a drop-down list cannot use it anyway.
constexpr int MaxListItems = 10000;

QString Indexed(const QString &base, const char *suffix, int index)
{
    return base + QLatin1String(suffix) + QString::number(index);
}

QString Key(const QString &base, const char *suffix)
{
    return base + QLatin1String(suffix);
}

ChoiceList ReadEnumerated(const ProfileDefinitions &reader, const QString &section, const QString &base,
                          int count)
{
    ChoiceList list;
    list.enabled = true;
    for (int index = 0; index < qMin(count, MaxListItems); ++index) {
        const QString text = reader.Text(section, Indexed(base, "Text", index));
        if (text != NoDefinition)
            list.items.append(text);
    }
    return list;
}

ChoiceList ReadRange(const ProfileDefinitions &reader, const QString &section, const QString &base,
                     int minimum, int maximum)
{
    ChoiceList list;
    list.enabled = true;
    // A step of 0 or below could never reach the maximum: take it as 1.
    const qint64 step = qMax(1, reader.Integer(section, Key(base, "Step"), 1));
    for (qint64 number = minimum; number <= maximum && list.items.size() < MaxListItems; number += step)
        list.items.append(QString::number(number));
    return list;
}

int ValidIndexOrNone(int index, const QStringList &items)
{
    return index >= 0 && index < items.size() ? index : -1;
}

} // namespace

ProfileDefinitions::ProfileDefinitions(platform::IniDocument document) : document_(std::move(document)) {}

ProfileDefinitions ProfileDefinitions::Load(const QString &path)
{
    return ProfileDefinitions(platform::IniDocument::Load(path));
}

ProfileDefinitions ProfileDefinitions::LoadShipped()
{
    return Load(platform::ProgramFolder() + DefinitionFileName);
}

QString ProfileDefinitions::Text(const QString &section, const QString &key) const
{
    return document_.Value(section, key, NoDefinition);
}

int ProfileDefinitions::Integer(const QString &section, const QString &key, int defaultValue) const
{
    return document_.IntValue(section, key, defaultValue);
}

ChoiceList ReadChoiceList(const ProfileDefinitions &reader, const QString &section, const QString &base)
{
    ChoiceList list;
    const int count = reader.Integer(section, Key(base, "Count"), 0);
    const int maximum = reader.Integer(section, Key(base, "Max"), 0);
    const int minimum = reader.Integer(section, Key(base, "Min"), 0);
    if (count >= 1) {
        list = ReadEnumerated(reader, section, base, count);
    } else if (maximum != 0 || minimum != 0) {
        list = ReadRange(reader, section, base, minimum, maximum);
    } else {
        const QString fixedText = reader.Text(section, Key(base, "Text"));
        if (fixedText != NoDefinition)
            return ChoiceList{.items = {fixedText}, .selectedIndex = 0, .enabled = false};
    }
    list.selectedIndex = ValidIndexOrNone(reader.Integer(section, Key(base, "Default"), -1), list.items);
    return list;
}

NumberSetting ReadNumberSetting(const ProfileDefinitions &reader, const QString &section, const QString &base)
{
    const int fixedNumber = reader.Integer(section, Key(base, "Text"), -1);
    if (fixedNumber != -1)
        return NumberSetting{fixedNumber, fixedNumber, fixedNumber, 0, false};
    NumberSetting setting;
    setting.maximum = reader.Integer(section, Key(base, "Max"), 0);
    setting.minimum = reader.Integer(section, Key(base, "Min"), 0);
    setting.value = reader.Integer(section, Key(base, "Default"), 0);
    setting.step = reader.Integer(section, Key(base, "Step"), 1);
    return setting;
}

QString ResolveChoiceValue(const ProfileDefinitions &reader, const QString &section, const QString &base,
                           int index)
{
    for (const QString &key : {Indexed(base, "Value", index), Indexed(base, "Text", index),
                               Key(base, "Value"), Key(base, "Text")}) {
        const QString value = reader.Text(section, key);
        if (value != NoDefinition)
            return value;
    }
    return NoDefinition;
}

QString JoinSection(const QString &section, const QString &name)
{
    return section + QLatin1Char('-') + name;
}

QString TargetSectionName(int target)
{
    return JoinSection(SectionPrefix, TargetName(target));
}

} // namespace targets
