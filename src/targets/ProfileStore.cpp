#include "ProfileStore.h"

#include "IniFile.h"
#include "ProfileDefinitions.h"

#include <QRegularExpression>

namespace targets {
namespace {

// Slots beyond this are never read: a larger ProfileCount is a broken file, not a list.
constexpr int MaxProfileSlots = 10000;

const QString CountKey = QStringLiteral("ProfileCount");
const QString DefaultKey = QStringLiteral("ProfileDefault");

QString SlotNameKey(int slot)
{
    return QStringLiteral("ProfileText") + QString::number(slot);
}

QString SlotValuesKey(int slot)
{
    return QStringLiteral("ProfileValue") + QString::number(slot);
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "Profile Name : "<name>"" followed by the message's ending.
QString ProfileMessage(const QString &name, const QString &ending)
{
    return QStringLiteral("Profile Name : \"") + name + QLatin1Char('"') + ending;
}

// Why `name` cannot be a key of a profile section; empty when it can. A name is stored as
// a key of its own, so it must not break the line syntax nor stand for the section's own keys.
QString NameRefusal(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("Please enter a profile name.");
    static const QRegularExpression brokenSyntax(QStringLiteral("[=\\[\\]\\r\\n]|^;"));
    if (name.contains(brokenSyntax))
        return ProfileMessage(name, QStringLiteral(".\nA profile name can not contain \"=\", \"[\", \"]\" or a "
                                                   "line break, and can not start with \";\"."));
    static const QRegularExpression slotKey(QStringLiteral("^profile(text|value)[0-9]+$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (SameName(name, CountKey) || SameName(name, DefaultKey) || SameName(name, NoDefinition)
        || slotKey.match(name).hasMatch())
        return ProfileMessage(name, QStringLiteral(".\nThis name is reserved, please choose another one."));
    return QString();
}

// One profile section of a document read from the file.
class ProfileSection {
public:
    ProfileSection(platform::IniDocument document, const QString &section)
        : document_(std::move(document)), section_(section),
          slotCount_(qBound(0, document_.IntValue(section_, CountKey, 0), MaxProfileSlots))
    {
    }
    static ProfileSection Read(const QString &path, const QString &section)
    {
        return ProfileSection(platform::IniDocument::Load(path), section);
    }
    const platform::IniDocument &Document() const { return document_; }

    int SlotCount() const { return slotCount_; }
    QString Text(const QString &key) const { return document_.Value(section_, key, NoDefinition); }
    QString SlotName(int slot) const { return slot >= 0 && slot < SlotCount() ? Text(SlotNameKey(slot)) : NoDefinition; }
    bool IsUsed(int slot) const { return SlotName(slot) != NoDefinition; }

    // The slot named `name`: `preferred` when it is, else the first; -1 when none is.
    int SlotOf(const QString &name, int preferred) const
    {
        if (SameName(SlotName(preferred), name))
            return preferred;
        for (int slot = 0; slot < SlotCount(); ++slot) {
            if (SameName(SlotName(slot), name))
                return slot;
        }
        return -1;
    }

    // The first free slot, or a new one at the end (ProfileCount grows by one).
    int TakeFreeSlot()
    {
        for (int slot = 0; slot < slotCount_; ++slot) {
            if (!IsUsed(slot))
                return slot;
        }
        document_.SetIntValue(section_, CountKey, slotCount_ + 1);
        return slotCount_++;
    }

    // Protected when either list the program reads for the profile says so.
    bool IsProtected(const QString &nameValues, int slot) const
    {
        const bool slotProtected = slot >= 0 && ProfileValues::Parse(Text(SlotValuesKey(slot))).IsProtected();
        return slotProtected || (nameValues != NoDefinition && ProfileValues::Parse(nameValues).IsProtected());
    }

    // A slot's own value list would hide the list kept under the name from the main window.
    void DropSlotValues(int slot)
    {
        if (slot >= 0 && Text(SlotValuesKey(slot)) != NoDefinition)
            document_.SetValue(section_, SlotValuesKey(slot), NoDefinition);
    }

    void Set(const QString &key, const QString &value) { document_.SetValue(section_, key, value); }
    bool Contains(const QString &key) const { return document_.Contains(section_, key); }

private:
    platform::IniDocument document_;
    QString section_;
    int slotCount_;   // ProfileCount, within 0..MaxProfileSlots
};

// The section read for a change to `name`; nothing, after telling why, for a name the file cannot hold.
std::optional<ProfileSection> OpenForChange(const QString &path, const QString &section, const QString &name,
                                            const ProfileQuestions &questions)
{
    if (const QString refusal = NameRefusal(name); !refusal.isEmpty()) {
        questions.inform(refusal);
        return std::nullopt;
    }
    return ProfileSection::Read(path, section);
}

ProfileEntry MainWindowEntryOf(const ProfileSection &profiles, const QString &section, int slot)
{
    ProfileEntry entry{section, slot, profiles.SlotName(slot), NoDefinition};
    if (entry.name == NoDefinition)
        return entry;
    entry.valueList = profiles.Text(SlotValuesKey(slot));
    if (entry.valueList == NoDefinition)
        entry.valueList = profiles.Text(entry.name);
    return entry;
}

// Writes the document; a failed write is told, never reported as a change.
bool SaveDocument(const platform::IniDocument &document, const QString &path, const QString &name,
                  const ProfileQuestions &questions)
{
    if (document.Save(path))
        return true;
    questions.inform(ProfileMessage(name, QStringLiteral(".\nThe profile file \"") + path
                                              + QStringLiteral("\" could not be written.")));
    return false;
}

} // namespace

QString ProfileSectionName(const QString &targetName)
{
    return targetName + QStringLiteral("-Profile");
}

bool ProfileEntry::HasValues() const
{
    return valueList != NoDefinition;
}

ProfileStore::ProfileStore(QString filePath) : filePath_(std::move(filePath)) {}

QVector<ProfileEntry> ProfileStore::MainWindowEntries(const QString &section) const
{
    const ProfileSection profiles = ProfileSection::Read(filePath_, section);
    QVector<ProfileEntry> entries;
    for (int slot = 0; slot < profiles.SlotCount(); ++slot) {
        ProfileEntry entry = MainWindowEntryOf(profiles, section, slot);
        if (entry.name != NoDefinition && entry.HasValues())
            entries.append(std::move(entry));
    }
    return entries;
}

std::optional<ProfileEntry> ProfileStore::MainWindowEntry(const QString &section, int slot) const
{
    ProfileEntry entry = MainWindowEntryOf(ProfileSection::Read(filePath_, section), section, slot);
    if (entry.name == NoDefinition || !entry.HasValues())
        return std::nullopt;
    return entry;
}

QVector<ProfileEntry> ProfileStore::DialogEntries(const QString &section) const
{
    const ProfileSection profiles = ProfileSection::Read(filePath_, section);
    QVector<ProfileEntry> entries;
    for (int slot = 0; slot < profiles.SlotCount(); ++slot) {
        const QString name = profiles.SlotName(slot);
        if (name != NoDefinition)
            entries.append(ProfileEntry{section, slot, name, profiles.Text(name)});
    }
    return entries;
}

int ProfileStore::DefaultIndex(const QString &section) const
{
    return platform::ReadIniInt(filePath_, section, DefaultKey, -1);
}

QString ProfileStore::SlotName(const QString &section, int slot) const
{
    return ProfileSection::Read(filePath_, section).SlotName(slot);
}

QString ProfileStore::ValueListOf(const QString &section, const QString &name) const
{
    return ProfileSection::Read(filePath_, section).Text(name);
}

bool ProfileStore::SaveProfile(const QString &section, const QString &name, const QString &valueList,
                               const ProfileQuestions &questions) const
{
    const QString profileName = name.trimmed();
    std::optional<ProfileSection> profiles = OpenForChange(filePath_, section, profileName, questions);
    if (!profiles)
        return false;
    const QString storedValues = profiles->Text(profileName);
    int slot = profiles->SlotOf(profileName, -1);
    if (profiles->IsProtected(storedValues, slot)) {
        questions.inform(ProfileMessage(profileName, QStringLiteral(".\nYou Can not modify this setting!")));
        return false;
    }
    if (storedValues != NoDefinition
        && !questions.confirm(ProfileMessage(profileName, QStringLiteral(" already exists.\nDo you want to overwrite it?"))))
        return false;
    // A new name takes a slot; so does a list kept under a name that no slot shows, and a
    // name already listed without a list keeps its slot rather than being listed twice.
    if (slot < 0) {
        slot = profiles->TakeFreeSlot();
        profiles->Set(SlotNameKey(slot), profileName);
    }
    profiles->DropSlotValues(slot);
    profiles->Set(profileName, valueList);
    return SaveDocument(profiles->Document(), filePath_, profileName, questions);
}

bool ProfileStore::RemoveProfile(const QString &section, const QString &name, int slot,
                                 const ProfileQuestions &questions) const
{
    const QString profileName = name.trimmed();
    std::optional<ProfileSection> profiles = OpenForChange(filePath_, section, profileName, questions);
    if (!profiles)
        return false;
    const QString storedValues = profiles->Text(profileName);
    const int namedSlot = profiles->SlotOf(profileName, slot);
    if (namedSlot < 0 && storedValues == NoDefinition) {
        questions.inform(ProfileMessage(profileName, QStringLiteral(".\nThere is no profile of this name.")));
        return false;
    }
    if (profiles->IsProtected(storedValues, namedSlot)) {
        questions.inform(ProfileMessage(profileName, QStringLiteral(".\nYou Can not remove this setting!")));
        return false;
    }
    if (!questions.confirm(ProfileMessage(profileName, QStringLiteral(".\nDo you want to remove it?"))))
        return false;
    if (namedSlot >= 0) {
        profiles->Set(SlotNameKey(namedSlot), NoDefinition);
        profiles->DropSlotValues(namedSlot);
    }
    if (profiles->Contains(profileName))
        profiles->Set(profileName, NoDefinition);
    return SaveDocument(profiles->Document(), filePath_, profileName, questions);
}

} // namespace targets
