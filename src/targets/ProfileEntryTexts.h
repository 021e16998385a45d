#pragma once
// The texts by which profile lists show their entries, composed from the definition file's
// display texts. The main window and the options dialog compose them differently.

#include "ProfileDefinitions.h"
#include "ProfileStore.h"

#include <QStringList>

namespace targets {

// The main window's entry: name, " : Video-", format, [",", resolution,] ",", bitrate, "kbps",
// ",Audio-", audio bitrate, "kbps", ",", sample rate, "hz"; the resolution part only when its
// text is not empty. Texts come from the target section, else the format's sub-section.
QString MainWindowEntryText(const ProfileDefinitions &reader, const QString &targetSection,
                            const QString &name, const ProfileValues &values);

// The options dialog's video entry: the name alone without a value list; otherwise like the
// main window's but always with the resolution part (even empty), and a target with one
// output format names its codec instead of the format. `definitionSection` is "Ostrel-" + type.
QString DialogEntryText(const ProfileDefinitions &reader, const QString &definitionSection,
                        const ProfileEntry &entry);

// The options dialog's music entry: the name alone without a value list, else name,
// " : Audio-", audio bitrate, "kbps", ",", sample rate, "hz".
QString MusicEntryText(const ProfileDefinitions &reader, const QString &definitionSection,
                       const ProfileEntry &entry);

// Everything the main window's profile list shows for one target.
struct MainWindowProfileList {
    bool available = false;          // false: the target has no profiles (hide the list and its label)
    QString section;                 // the PfSetting.ini section (the target's ProfileName)
    QVector<ProfileEntry> entries;   // entry i of the list is entries[i]
    QStringList texts;               // the entries' texts, in the same order
    int defaultIndex = -1;           // ProfileDefault when it names an entry, else -1

    bool operator==(const MainWindowProfileList &) const = default;
};

MainWindowProfileList ReadMainWindowProfileList(const ProfileStore &store, const ProfileDefinitions &reader,
                                                const QString &targetSection);

} // namespace targets
