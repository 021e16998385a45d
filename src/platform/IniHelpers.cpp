#include "IniFile.h"

namespace platform {

QString ReadIniString(const QString &path, const QString &section, const QString &key, const QString &defaultValue)
{
    return IniDocument::Load(path).Value(section, key, defaultValue);
}

int ReadIniInt(const QString &path, const QString &section, const QString &key, int defaultValue)
{
    return IniDocument::Load(path).IntValue(section, key, defaultValue);
}

bool ReadIniBool(const QString &path, const QString &section, const QString &key, bool defaultValue)
{
    return IniDocument::Load(path).BoolValue(section, key, defaultValue);
}

bool WriteIniString(const QString &path, const QString &section, const QString &key, const QString &value)
{
    IniDocument document = IniDocument::Load(path);
    document.SetValue(section, key, value);
    return document.Save(path);
}

bool WriteIniInt(const QString &path, const QString &section, const QString &key, int value)
{
    return WriteIniString(path, section, key, QString::number(value));
}

bool WriteIniBool(const QString &path, const QString &section, const QString &key, bool value)
{
    return WriteIniString(path, section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace platform
