#include "ProgramOptions.h"

#include "IniFile.h"
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

QString ResolveOutputFolder(const QString &storedFolder)
{
    QString folder = storedFolder;
    if (folder == kNodef || !IsExistingFolder(folder))
        folder = platform::UserVideosFolder() + QStringLiteral("OutputFolder/");
    return platform::WithTrailingSlash(folder);
}

ProgramOptions::ProgramOptions(const QString &programFolder, const QString &settingsFolder, Access access)
    : lastTarget(kNodef), programFolder_(platform::WithTrailingSlash(programFolder)),
      settingsFolder_(platform::WithTrailingSlash(settingsFolder)), access_(access)
{
}

ProgramOptions ProgramOptions::Load(const QString &programFolder, const QString &settingsFolder, Access access)
{
    ProgramOptions options(programFolder, settingsFolder, access);
    const platform::IniDocument ini = platform::IniDocument::Load(options.OptionFilePath());
    options.LoadGeneral(ini);
    options.LoadRunKeys(ini);
    options.LoadRenameSettings(ini);
    options.LoadCompletion(ini);
    return options;
}

ProgramOptions ProgramOptions::StartProgram(const QString &programFolder)
{
    return Load(programFolder, LocateSettings(programFolder), Access::Writable);
}

QString ProgramOptions::OptionFilePath() const
{
    return settingsFolder_ + QStringLiteral("Option.ini");
}

QString ProgramOptions::ProfileSettingsFilePath() const
{
    return settingsFolder_ + QStringLiteral("PfSetting.ini");
}

void ProgramOptions::LoadGeneral()
{
    LoadGeneral(platform::IniDocument::Load(OptionFilePath()));
}

// The videos folder itself may be missing on a fresh account, so the whole path is
// made; a folder that cannot be made is still the value.
void ProgramOptions::LoadGeneral(const platform::IniDocument &ini)
{
    defaultAudio = ini.IntValue(kSection, QStringLiteral("DefaultAudio"), 1);
    outputFolder = ResolveOutputFolder(ini.Value(kSection, QStringLiteral("OutputFolder"), kNodef));
    if (IsWritable() && !QFileInfo(outputFolder).isDir())
        QDir().mkpath(outputFolder);
    psp.upload = ini.Value(kSection, QStringLiteral("PSPUploadFolder"), QString());
    psp.avc = ini.Value(kSection, QStringLiteral("PSPAVCFolder"), QString());
    psp.mp4 = ini.Value(kSection, QStringLiteral("PSPMP4Folder"), QString());
    minDurationSeconds = ini.IntValue(kSection, QStringLiteral("MinDuration"), -1);
    openDialogFilter = ini.Value(kSection, QStringLiteral("OpenDialogFilter"), QString());
    notify = ini.BoolValue(kSection, QStringLiteral("Notify"), true);
}

bool ProgramOptions::SaveGeneral()
{
    outputFolder = platform::WithTrailingSlash(outputFolder);
    return Write([this](platform::IniDocument &ini) {
        ini.SetIntValue(kSection, QStringLiteral("DefaultAudio"), defaultAudio);
        ini.SetValue(kSection, QStringLiteral("OutputFolder"), outputFolder);
        ini.SetBoolValue(kSection, QStringLiteral("Notify"), notify);
    });
}

void ProgramOptions::LoadRunKeys(const platform::IniDocument &ini)
{
    stallTimeoutSeconds = ini.IntValue(kSection, QStringLiteral("StallTimeout"), 60);
    lastTarget = ini.Value(kSection, QStringLiteral("LastTarget"), kNodef);
}

bool ProgramOptions::SaveLastTarget() const
{
    return Write([this](platform::IniDocument &ini) { ini.SetValue(kSection, QStringLiteral("LastTarget"), lastTarget); });
}

void ProgramOptions::LoadRenameSettings(const platform::IniDocument &ini)
{
    renameSettings.nameTemplate = ini.Value(kSection, QStringLiteral("Template"), QStringLiteral("#Name"));
    renameSettings.firstSerialNumber = ini.IntValue(kSection, QStringLiteral("OutputPSPSerialNumber"), 1);
    renameSettings.fixedDigits = ini.IntValue(kSection, QStringLiteral("FitDigi"), 3);
    renameSettings.addDash = ini.BoolValue(kSection, QStringLiteral("Add1"), false);
    renameSettings.addUnderscore = ini.BoolValue(kSection, QStringLiteral("Add2"), false);
}

bool ProgramOptions::SaveRenameSettings() const
{
    return Write([this](platform::IniDocument &ini) {
        ini.SetValue(kSection, QStringLiteral("Template"), renameSettings.nameTemplate);
        ini.SetIntValue(kSection, QStringLiteral("OutputPSPSerialNumber"), renameSettings.firstSerialNumber);
        ini.SetIntValue(kSection, QStringLiteral("FitDigi"), renameSettings.fixedDigits);
        ini.SetBoolValue(kSection, QStringLiteral("Add1"), renameSettings.addDash);
        ini.SetBoolValue(kSection, QStringLiteral("Add2"), renameSettings.addUnderscore);
    });
}

void ProgramOptions::LoadCompletion(const platform::IniDocument &ini)
{
    completion.powerOff = ini.BoolValue(kSection, QStringLiteral("PowerOff"), false);
    completion.openFolder = ini.BoolValue(kSection, QStringLiteral("OpenFolder"), true);
    completion.upload = ini.BoolValue(kSection, QStringLiteral("Upload"), false);
}

bool ProgramOptions::SaveCompletion() const
{
    return Write([this](platform::IniDocument &ini) {
        ini.SetBoolValue(kSection, QStringLiteral("PowerOff"), completion.powerOff);
        ini.SetBoolValue(kSection, QStringLiteral("OpenFolder"), completion.openFolder);
        ini.SetBoolValue(kSection, QStringLiteral("Upload"), completion.upload);
    });
}

// Every other key and line of the file stays as it was.
bool ProgramOptions::Write(const std::function<void(platform::IniDocument &)> &setKeys) const
{
    if (!IsWritable())
        return false;
    platform::IniDocument ini = platform::IniDocument::Load(OptionFilePath());
    setKeys(ini);
    return ini.Save(OptionFilePath());
}

QString ProgramOptions::DefaultAudioLanguage() const
{
    return AudioLanguageNames().value(defaultAudio);
}
