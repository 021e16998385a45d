#include "SettingsLocation.h"

#include "Paths.h"
#include "ProductTexts.h"
#include "SettingsFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// True when the marker was there; it is gone afterwards.
bool TakeMarker(const QString &programFolder, const QString &name)
{
    const QString marker = programFolder + name;
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
void CopyDefault(const QString &programFolder, const QString &name, const QString &settingsFolder,
                 bool replaceExisting)
{
    const QString target = settingsFolder + name;
    if (!replaceExisting && QFileInfo::exists(target))
        return;
    QFile source(programFolder + name);
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

QString UserSettingsFolder()
{
    return ProductFolder() + kDisplayTitle + QLatin1Char('/');
}

QString LocateSettings(const QString &programFolderPath)
{
    const QString programFolder = platform::WithTrailingSlash(programFolderPath);
    const bool replaceProfiles = TakeMarker(programFolder, QStringLiteral("ReplacePfSetting.ini"));
    const bool replaceOptions = TakeMarker(programFolder, QStringLiteral("ReplaceOption.ini"));
    QDir().mkpath(platform::ApplicationDataFolder());   // a new account may have no configuration folder yet
    const QString settingsFolder = UserSettingsFolder();
    if (!MakeFolder(ProductFolder()) || !MakeFolder(settingsFolder))
        return programFolder;
    CopyDefault(programFolder, QStringLiteral("PfSetting.ini"), settingsFolder, replaceProfiles);
    CopyDefault(programFolder, QStringLiteral("Option.ini"), settingsFolder, replaceOptions);
    return settingsFolder;
}

QString ExistingSettingsFolder(const QString &programFolder)
{
    const QString settingsFolder = UserSettingsFolder();
    return QFileInfo(settingsFolder).isDir() ? settingsFolder : platform::WithTrailingSlash(programFolder);
}
