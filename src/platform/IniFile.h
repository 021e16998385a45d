#pragma once
// Private-profile INI files with Windows semantics: section and key names compare
// without regard to case, a missing file or key yields the caller's default, values
// are read with surrounding blanks removed, integers from their leading digits.
// A write keeps every other line and comment and replaces the file atomically.
// Files are UTF-8; a file that is not valid UTF-8 reads as Latin-1.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace platform {

// One INI file held in memory. Parsing keeps every line so that a save rewrites
// the file unchanged apart from the edited keys.
class IniDocument {
public:
    // Missing or unreadable files give an empty document.
    static IniDocument Load(const QString &path);

    QString Value(const QString &section, const QString &key, const QString &defaultValue) const;
    // Leading digits (with an optional sign) after trimming; no digits gives defaultValue.
    int IntValue(const QString &section, const QString &key, int defaultValue) const;
    // True for any number other than 0; a text without digits gives defaultValue.
    bool BoolValue(const QString &section, const QString &key, bool defaultValue) const;
    bool Contains(const QString &section, const QString &key) const;
    QStringList Keys(const QString &section) const;   // in file order
    QStringList Sections() const;                     // in file order

    // Creates the section or key as needed; other lines stay as they were.
    void SetValue(const QString &section, const QString &key, const QString &value);
    void SetIntValue(const QString &section, const QString &key, int value);     // decimal
    void SetBoolValue(const QString &section, const QString &key, bool value);   // "1" or "0"
    void RemoveKey(const QString &section, const QString &key);

    // Writes a temporary file beside `path`, then renames it over `path`.
    bool Save(const QString &path) const;

private:
    struct Line {
        QString text;       // the line as read (or as composed for new keys)
        QString section;    // section the line belongs to ("" before the first header)
        QString key;        // key name for key lines, empty otherwise
        QString value;      // trimmed value for key lines
        bool isHeader = false;
    };
    static Line ParseLine(const QString &text, const QString &currentSection);
    QVector<Line> lines_;
    QString lineBreak_ = QStringLiteral("\n");   // kept as the file had it
    QHash<QString, int> keyIndex_;   // case-folded "section\nkey" -> first line of that key
    void RebuildKeyIndex();
    int FindKey(const QString &section, const QString &key) const;
    // Index after the section's last key (or its header); -1 when the section is absent.
    int FindSectionEnd(const QString &section) const;
};

// The integer rule of every read: leading digits with an optional sign, clamped to the
// int range; false (result untouched) when there is no digit. Callers trim first.
bool LeadingInteger(const QString &text, int &result);

// One-shot helpers: each opens, reads or writes, and closes the file at once.
QString ReadIniString(const QString &path, const QString &section, const QString &key, const QString &defaultValue);
int ReadIniInt(const QString &path, const QString &section, const QString &key, int defaultValue);
bool ReadIniBool(const QString &path, const QString &section, const QString &key, bool defaultValue);
bool WriteIniString(const QString &path, const QString &section, const QString &key, const QString &value);
bool WriteIniInt(const QString &path, const QString &section, const QString &key, int value);
bool WriteIniBool(const QString &path, const QString &section, const QString &key, bool value);

} // namespace platform
