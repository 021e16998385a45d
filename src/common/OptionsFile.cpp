#include "OptionsFile.h"

#include "IniFile.h"
#include "OptionVariables.h"
#include "Paths.h"
#include "ProductTexts.h"
#include "SettingsFolder.h"
#include "SettingsLocation.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("Option");

bool IsExistingFolder(const QString &folder)
{
    return QDir::isAbsolutePath(folder) && QFileInfo(folder).isDir();
}

} // namespace

QStringList AudioLanguageNames()
{
    return {QStringLiteral("Deutsch"), QStringLiteral("English"), QStringLiteral("Espanol"), QStringLiteral("Francais"),
            QStringLiteral("Italiano"), QStringLiteral("Japanese"), QStringLiteral("Korean"), QStringLiteral("Latin"),
            QStringLiteral("Portugues"), QStringLiteral("Russian"), QStringLiteral("Thai"), QStringLiteral("Chinese")};
}

// The videos folder itself may be missing on a fresh account, so the whole path
// is created; a folder that cannot be made is still the value.
QString ResolveOutputFolder(const QString &storedFolder)
{
    QString folder = storedFolder;
    if (folder == kNodef || !IsExistingFolder(folder))
        folder = platform::UserVideosFolder() + QStringLiteral("OutputFolder/");
    folder = platform::WithTrailingSlash(folder);
    if (!QFileInfo(folder).isDir())
        QDir().mkpath(folder);
    return folder;
}

int ReadGeneralOptions()
{
    const platform::IniDocument ini = platform::IniDocument::load(OptionFilePath());
    const int defaultAudio = ini.intValue(kSection, QStringLiteral("DefaultAudio"), 1);
    g_s_OutputFolder = ResolveOutputFolder(ini.value(kSection, QStringLiteral("OutputFolder"), kNodef));
    PSPUploadFolder = ini.value(kSection, QStringLiteral("PSPUploadFolder"), QString());
    PSPAVCFolder = ini.value(kSection, QStringLiteral("PSPAVCFolder"), QString());
    PSPMP4Folder = ini.value(kSection, QStringLiteral("PSPMP4Folder"), QString());
    i_MinDurationTime = ini.intValue(kSection, QStringLiteral("MinDuration"), -1);
    OpenDialogFilter = ini.value(kSection, QStringLiteral("OpenDialogFilter"), QString());
    return defaultAudio;
}

bool WriteGeneralOptions(int defaultAudioIndex)
{
    g_s_OutputFolder = platform::WithTrailingSlash(g_s_OutputFolder);
    platform::IniDocument ini = platform::IniDocument::load(OptionFilePath());
    ini.setIntValue(kSection, QStringLiteral("DefaultAudio"), defaultAudioIndex);
    ini.setValue(kSection, QStringLiteral("OutputFolder"), g_s_OutputFolder);
    return ini.save(OptionFilePath());
}

bool ReadNotifyOption()
{
    return platform::IniDocument::load(OptionFilePath()).boolValue(kSection, QStringLiteral("Notify"), true);
}

bool WriteNotifyOption(bool notify)
{
    platform::IniDocument ini = platform::IniDocument::load(OptionFilePath());
    ini.setBoolValue(kSection, QStringLiteral("Notify"), notify);
    return ini.save(OptionFilePath());
}

int ReadStallTimeoutOption()
{
    return platform::IniDocument::load(OptionFilePath()).intValue(kSection, QStringLiteral("StallTimeout"), 60);
}

QString ReadLastTargetName()
{
    return platform::IniDocument::load(OptionFilePath()).value(kSection, QStringLiteral("LastTarget"), kNodef);
}

bool WriteLastTargetName(const QString &targetName)
{
    platform::IniDocument ini = platform::IniDocument::load(OptionFilePath());
    ini.setValue(kSection, QStringLiteral("LastTarget"), targetName);
    return ini.save(OptionFilePath());
}

void ReadRenameOptions()
{
    const platform::IniDocument ini = platform::IniDocument::load(OptionFilePath());
    g_Rename_Template = ini.value(kSection, QStringLiteral("Template"), QStringLiteral("#Name"));
    i_OutputPSPSerialNumber = ini.intValue(kSection, QStringLiteral("OutputPSPSerialNumber"), 1);
    i_FitDigi = ini.intValue(kSection, QStringLiteral("FitDigi"), 3);
    g_b_Add1 = ini.boolValue(kSection, QStringLiteral("Add1"), false);
    g_b_Add2 = ini.boolValue(kSection, QStringLiteral("Add2"), false);
}

bool WriteRenameOptions()
{
    platform::IniDocument ini = platform::IniDocument::load(OptionFilePath());
    ini.setValue(kSection, QStringLiteral("Template"), g_Rename_Template);
    ini.setIntValue(kSection, QStringLiteral("OutputPSPSerialNumber"), i_OutputPSPSerialNumber);
    ini.setIntValue(kSection, QStringLiteral("FitDigi"), i_FitDigi);
    ini.setBoolValue(kSection, QStringLiteral("Add1"), g_b_Add1);
    ini.setBoolValue(kSection, QStringLiteral("Add2"), g_b_Add2);
    return ini.save(OptionFilePath());
}

CompletionOptions ReadCompletionOptions()
{
    const platform::IniDocument ini = platform::IniDocument::load(OptionFilePath());
    CompletionOptions options;
    options.powerOff = ini.boolValue(kSection, QStringLiteral("PowerOff"), false);
    options.openFolder = ini.boolValue(kSection, QStringLiteral("OpenFolder"), true);
    options.upload = ini.boolValue(kSection, QStringLiteral("Upload"), false);
    return options;
}

bool WriteCompletionOptions(const CompletionOptions &options)
{
    platform::IniDocument ini = platform::IniDocument::load(OptionFilePath());
    ini.setBoolValue(kSection, QStringLiteral("PowerOff"), options.powerOff);
    ini.setBoolValue(kSection, QStringLiteral("OpenFolder"), options.openFolder);
    ini.setBoolValue(kSection, QStringLiteral("Upload"), options.upload);
    return ini.save(OptionFilePath());
}
