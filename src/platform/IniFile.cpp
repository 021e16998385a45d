#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <limits>

namespace platform {

namespace {

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString IndexKey(const QString &section, const QString &key)
{
    return section.toCaseFolded() + QLatin1Char('\n') + key.toCaseFolded();
}

// Settings files are UTF-8; files written by older tools in a single-byte code
// page still load (as Latin-1) instead of turning into replacement characters.
QString DecodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// A line break inside a name or value would split the entry into two lines.
QString SingleLine(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return result;
}

} // namespace

bool LeadingInteger(const QString &text, int &result)
{
    int position = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        position = 1;
    qint64 magnitude = 0;
    const int firstDigit = position;
    while (position < text.size() && text.at(position).isDigit() && text.at(position).unicode() < 128) {
        magnitude = std::min<qint64>(magnitude * 10 + text.at(position).digitValue(), qint64(1) << 32);
        ++position;
    }
    if (position == firstDigit)
        return false;
    const qint64 value = negative ? -magnitude : magnitude;
    result = int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    return true;
}

IniDocument::Line IniDocument::ParseLine(const QString &text, const QString &currentSection)
{
    Line line;
    line.text = text;
    line.section = currentSection;
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        line.section = trimmed.mid(1, close < 0 ? -1 : close - 1).trimmed();
        line.isHeader = true;
        return line;
    }
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (trimmed.startsWith(QLatin1Char(';')) || equals <= 0)
        return line;
    line.key = trimmed.left(equals).trimmed();
    line.value = trimmed.mid(equals + 1).trimmed();
    return line;
}

IniDocument IniDocument::Load(const QString &path)
{
    IniDocument document;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return document;
    const QString text = DecodeText(file.readAll());
    document.lineBreak_ = text.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList rawLines = text.split(QLatin1Char('\n'));
    if (!rawLines.isEmpty() && rawLines.constLast().isEmpty())
        rawLines.removeLast();
    QString section;
    for (QString raw : rawLines) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        document.lines_.append(ParseLine(raw, section));
        section = document.lines_.constLast().section;
    }
    document.RebuildKeyIndex();
    return document;
}

// Reads are many (a profile definition file has thousands of lines), edits few.
void IniDocument::RebuildKeyIndex()
{
    keyIndex_.clear();
    for (int index = int(lines_.size()) - 1; index >= 0; --index) {
        const Line &line = lines_.at(index);
        if (!line.key.isEmpty())
            keyIndex_.insert(IndexKey(line.section, line.key), index);
    }
}

int IniDocument::FindKey(const QString &section, const QString &key) const
{
    return keyIndex_.value(IndexKey(section, key), -1);
}

int IniDocument::FindSectionEnd(const QString &section) const
{
    int end = -1;
    for (int index = 0; index < lines_.size(); ++index) {
        const Line &line = lines_.at(index);
        if (!SameName(line.section, section) || (!line.isHeader && line.key.isEmpty()))
            continue;
        if (line.isHeader && end >= 0)
            break;   // a repeated header: new keys go into the first block
        end = index + 1;
    }
    return end;
}

QString IniDocument::Value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const int index = FindKey(section, key);
    return index < 0 ? defaultValue : lines_.at(index).value;
}

int IniDocument::IntValue(const QString &section, const QString &key, int defaultValue) const
{
    int result = defaultValue;
    const int index = FindKey(section, key);
    if (index >= 0 && LeadingInteger(lines_.at(index).value, result))
        return result;
    return defaultValue;
}

bool IniDocument::BoolValue(const QString &section, const QString &key, bool defaultValue) const
{
    return IntValue(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniDocument::Contains(const QString &section, const QString &key) const
{
    return FindKey(section, key) >= 0;
}

QStringList IniDocument::Keys(const QString &section) const
{
    QStringList result;
    for (const Line &line : lines_) {
        if (!line.key.isEmpty() && SameName(line.section, section) && !result.contains(line.key, Qt::CaseInsensitive))
            result.append(line.key);
    }
    return result;
}

QStringList IniDocument::Sections() const
{
    QStringList result;
    for (const Line &line : lines_) {
        if (line.isHeader && !result.contains(line.section, Qt::CaseInsensitive))
            result.append(line.section);
    }
    return result;
}

void IniDocument::SetValue(const QString &section, const QString &key, const QString &value)
{
    const QString cleanSection = SingleLine(section).trimmed();
    const QString cleanKey = SingleLine(key).trimmed();
    const QString cleanValue = SingleLine(value);
    const int existing = FindKey(cleanSection, cleanKey);
    if (existing >= 0) {
        Line &line = lines_[existing];
        line.text = line.key + QLatin1Char('=') + cleanValue;
        line.value = cleanValue.trimmed();
        return;
    }
    int insertAt = FindSectionEnd(cleanSection);
    if (insertAt < 0) {
        if (!lines_.isEmpty() && !lines_.constLast().text.trimmed().isEmpty())
            lines_.append(ParseLine(QString(), lines_.constLast().section));
        lines_.append(ParseLine(QLatin1Char('[') + cleanSection + QLatin1Char(']'), QString()));
        insertAt = int(lines_.size());
    }
    lines_.insert(insertAt, ParseLine(cleanKey + QLatin1Char('=') + cleanValue, cleanSection));
    RebuildKeyIndex();
}

void IniDocument::SetIntValue(const QString &section, const QString &key, int value)
{
    SetValue(section, key, QString::number(value));
}

void IniDocument::SetBoolValue(const QString &section, const QString &key, bool value)
{
    SetValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniDocument::RemoveKey(const QString &section, const QString &key)
{
    const QString removed = IndexKey(section, key);
    lines_.removeIf([&removed](const Line &line) { return !line.key.isEmpty() && IndexKey(line.section, line.key) == removed; });
    RebuildKeyIndex();
}

bool IniDocument::Save(const QString &path) const
{
    QString text;
    for (const Line &line : lines_)
        text += line.text + lineBreak_;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

} // namespace platform
