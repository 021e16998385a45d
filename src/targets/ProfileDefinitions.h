#pragma once
// Reading the profile definition file (PfDef.dll, an INI text file beside the program):
// which choices each parameter control offers, which one is preselected, and the engine
// value behind each choice. The file is read-only for the program, so a reader parses it
// once and answers every read from memory.

#include "IniFile.h"

#include <QString>
#include <QStringList>

namespace targets {

// The default of every text read; a stored "nodef" counts as a missing entry.
inline const QString NoDefinition = QStringLiteral("nodef");
// The profile section name that switches a target's profile list off.
inline const QString NoProfile = QStringLiteral("NoProfile");
// The main window's section prefix; sections are prefix + "-" + target name.
inline const QString SectionPrefix = QStringLiteral("Ostrel");
inline const QString DefinitionFileName = QStringLiteral("PfDef.dll");

class ProfileDefinitions {
public:
    ProfileDefinitions() = default;   // an empty file: every read gives its default
    explicit ProfileDefinitions(platform::IniDocument document);
    // A missing or unreadable file behaves as an empty one.
    static ProfileDefinitions Load(const QString &path);
    // The shipped file in the program's folder.
    static ProfileDefinitions LoadShipped();

    // "nodef" when the key is missing (or holds "nodef").
    QString Text(const QString &section, const QString &key) const;
    int Integer(const QString &section, const QString &key, int defaultValue) const;

private:
    platform::IniDocument document_;
};

// What a drop-down list shows after a fill: its items, the selected index (-1 for none)
// and whether the control is enabled.
struct ChoiceList {
    QStringList items;
    int selectedIndex = -1;
    bool enabled = false;

    bool operator==(const ChoiceList &) const = default;
};

// What a numeric spin field shows after a fill.
struct NumberSetting {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    int step = 1;
    bool enabled = true;

    bool operator==(const NumberSetting &) const = default;
};

// The key family `base` in `section` as one of the four list forms: enumerated
// (baseCount >= 1), number range (baseMin/baseMax not both 0), fixed (baseText) or absent.
ChoiceList ReadChoiceList(const ProfileDefinitions &reader, const QString &section, const QString &base);

// The number family `base`: fixed when baseText holds an integer other than -1, else a range.
NumberSetting ReadNumberSetting(const ProfileDefinitions &reader, const QString &section, const QString &base);

// The engine value of choice `index`: the first present of baseValue<index>, baseText<index>,
// baseValue, baseText; "nodef" when none is.
QString ResolveChoiceValue(const ProfileDefinitions &reader, const QString &section, const QString &base,
                           int index);

// Section names join their parts with "-": prefix-target, target section-format, target section-mode.
QString JoinSection(const QString &section, const QString &name);
QString TargetSectionName(int target);   // "Ostrel-" + the target's name

} // namespace targets
