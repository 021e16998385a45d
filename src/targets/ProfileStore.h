#pragma once
// The user profiles in PfSetting.ini: one section per target ("<target name>-Profile")
// with numbered slots. ProfileCount is the number of slots (it only grows), ProfileText<n>
// names slot n ("nodef" or absent: a free slot), the key named by the profile's name holds
// its value list, ProfileValue<n> optionally holds slot n's list for the main window, and
// ProfileDefault is the entry selected after a list is filled.
//
// Every call reads the file afresh, so a change made by the options dialog is seen by the
// main window at once. Questions to the user go through the caller's ProfileQuestions,
// which keeps this library free of widgets.

#include "ProfileValueList.h"

#include <QString>
#include <QVector>

#include <functional>
#include <optional>

namespace targets {

// The PfSetting.ini section of a target's profiles: the target's name + "-Profile".
QString ProfileSectionName(const QString &targetName);

// One profile as a list shows it: where it came from and what it holds.
struct ProfileEntry {
    QString section;     // the PfSetting.ini section
    int slot = -1;       // n of ProfileText<n>
    QString name;        // ProfileText<slot>
    QString valueList;   // "nodef" when the profile has none

    bool HasValues() const;
    ProfileValues Values() const { return ProfileValues::Parse(valueList); }

    bool operator==(const ProfileEntry &) const = default;
};

// How the store asks: an information box with OK, and a Yes/No question (true: Yes).
struct ProfileQuestions {
    std::function<void(const QString &text)> inform;
    std::function<bool(const QString &text)> confirm;
};

class ProfileStore {
public:
    explicit ProfileStore(QString filePath);
    const QString &FilePath() const { return filePath_; }

    // The main window's list: used slots that have a value list, ProfileValue<n> first, else
    // the key named by the slot's name. Entry i of the list is element i.
    QVector<ProfileEntry> MainWindowEntries(const QString &section) const;
    // The same reading for one slot (applying an entry); nothing for a free slot or no list.
    std::optional<ProfileEntry> MainWindowEntry(const QString &section, int slot) const;
    // The options dialog's list: every used slot, its value list from the key of its name only.
    QVector<ProfileEntry> DialogEntries(const QString &section) const;
    // ProfileDefault (-1 when absent).
    int DefaultIndex(const QString &section) const;
    // ProfileText<slot>, "nodef" for a free slot or a slot outside the section.
    QString SlotName(const QString &section, int slot) const;
    // The value list kept under the key `name`, "nodef" when there is none.
    QString ValueListOf(const QString &section, const QString &name) const;

    // Creates the profile `name` (trimmed) in a free slot, or overwrites an existing one after
    // asking; refuses protected profiles and names the file cannot hold. True when the file changed.
    bool SaveProfile(const QString &section, const QString &name, const QString &valueList,
                     const ProfileQuestions &questions) const;
    // Removes the profile `name` (trimmed) after asking: frees its slot (the selected `slot`
    // when it holds that name, else the slot that does) and marks its value list "nodef".
    // Refuses protected profiles. True when the file changed.
    bool RemoveProfile(const QString &section, const QString &name, int slot,
                       const ProfileQuestions &questions) const;

private:
    QString filePath_;
};

} // namespace targets
