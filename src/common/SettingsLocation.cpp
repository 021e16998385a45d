#include "SettingsLocation.h"

#include "OptionVariables.h"
#include "ProductTexts.h"
#include "SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// True when the marker was there; it is gone afterwards.
bool TakeMarker(const QString &name)
{
    const QString marker = path_PNG + name;
    if (!QFileInfo::exists(marker))
        return false;
    QFile::remove(marker);
    return true;
}

bool MakeFolder(const QString &folder)
{
    return QFileInfo(folder).isDir() || QDir().mkdir(folder);
}

// The user's copy is replaced only as a whole: a missing default leaves it as
// it is, and a failed copy never leaves half a file.
void CopyDefault(const QString &name, const QString &settingsFolder, bool replaceExisting)
{
    const QString target = settingsFolder + name;
    if (!replaceExisting && QFileInfo::exists(target))
        return;
    QFile source(path_PNG + name);
    if (!source.open(QIODevice::ReadOnly))
        return;
    QSaveFile copy(target);
    if (copy.open(QIODevice::WriteOnly)) {
        copy.write(source.readAll());
        copy.commit();
    }
}

QString ProductFolder()
{
    return platform::ApplicationDataFolder() + QStringLiteral("Pelorin/");
}

} // namespace

void LocateSettings()
{
    g_s_Application_Data_Path = path_PNG;
    const bool replaceProfiles = TakeMarker(QStringLiteral("ReplacePfSetting.ini"));
    const bool replaceOptions = TakeMarker(QStringLiteral("ReplaceOption.ini"));
    const QString applicationData = platform::ApplicationDataFolder();
    QDir().mkpath(applicationData);   // a new account may have no configuration folder yet
    const QString settingsFolder = UserSettingsFolder();
    if (!MakeFolder(ProductFolder()) || !MakeFolder(settingsFolder))
        return;
    CopyDefault(QStringLiteral("PfSetting.ini"), settingsFolder, replaceProfiles);
    CopyDefault(QStringLiteral("Option.ini"), settingsFolder, replaceOptions);
    g_s_Application_Data_Path = settingsFolder;
}

QString UserSettingsFolder()
{
    return ProductFolder() + kDisplayTitle + QLatin1Char('/');
}

QString ExistingSettingsFolder()
{
    const QString settingsFolder = UserSettingsFolder();
    return QFileInfo(settingsFolder).isDir() ? settingsFolder : path_PNG;
}

QString OptionFilePath()
{
    return g_s_Application_Data_Path + QStringLiteral("Option.ini");
}

QString ProfileSettingsFilePath()
{
    return g_s_Application_Data_Path + QStringLiteral("PfSetting.ini");
}
