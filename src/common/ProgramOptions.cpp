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
    const platform::IniDocument ini = platform::IniDocument::load(options.OptionFilePath());
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
    LoadGeneral(platform::IniDocument::load(OptionFilePath()));
}

// The videos folder itself may be missing on a fresh account, so the whole path is
// made; a folder that cannot be made is still the value.
void ProgramOptions::LoadGeneral(const platform::IniDocument &ini)
{
    defaultAudio = ini.intValue(kSection, QStringLiteral("DefaultAudio"), 1);
    outputFolder = ResolveOutputFolder(ini.value(kSection, QStringLiteral("OutputFolder"), kNodef));
    if (IsWritable() && !QFileInfo(outputFolder).isDir())
        QDir().mkpath(outputFolder);
    psp.upload = ini.value(kSection, QStringLiteral("PSPUploadFolder"), QString());
    psp.avc = ini.value(kSection, QStringLiteral("PSPAVCFolder"), QString());
    psp.mp4 = ini.value(kSection, QStringLiteral("PSPMP4Folder"), QString());
    minDurationSeconds = ini.intValue(kSection, QStringLiteral("MinDuration"), -1);
    openDialogFilter = ini.value(kSection, QStringLiteral("OpenDialogFilter"), QString());
    notify = ini.BoolValue(kSection, QStringLiteral("Notify"), true);
}

bool ProgramOptions::SaveGeneral()
{
    outputFolder = platform::WithTrailingSlash(outputFolder);
    return Write([this](platform::IniDocument &ini) {
        ini.setIntValue(kSection, QStringLiteral("DefaultAudio"), defaultAudio);
        ini.setValue(kSection, QStringLiteral("OutputFolder"), outputFolder);
        ini.SetBoolValue(kSection, QStringLiteral("Notify"), notify);
    });
}

void ProgramOptions::LoadRunKeys(const platform::IniDocument &ini)
{
    stallTimeoutSeconds = ini.intValue(kSection, QStringLiteral("StallTimeout"), 60);
    lastTarget = ini.value(kSection, QStringLiteral("LastTarget"), kNodef);
}

bool ProgramOptions::SaveLastTarget() const
{
    return Write([this](platform::IniDocument &ini) { ini.setValue(kSection, QStringLiteral("LastTarget"), lastTarget); });
}

void ProgramOptions::LoadRenameSettings(const platform::IniDocument &ini)
{
    renameSettings.nameTemplate = ini.value(kSection, QStringLiteral("Template"), QStringLiteral("#Name"));
    renameSettings.firstSerialNumber = ini.intValue(kSection, QStringLiteral("OutputPSPSerialNumber"), 1);
    renameSettings.fixedDigits = ini.intValue(kSection, QStringLiteral("FitDigi"), 3);
    renameSettings.addDash = ini.BoolValue(kSection, QStringLiteral("Add1"), false);
    renameSettings.addUnderscore = ini.BoolValue(kSection, QStringLiteral("Add2"), false);
}

bool ProgramOptions::SaveRenameSettings() const
{
    return Write([this](platform::IniDocument &ini) {
        ini.setValue(kSection, QStringLiteral("Template"), renameSettings.nameTemplate);
        ini.setIntValue(kSection, QStringLiteral("OutputPSPSerialNumber"), renameSettings.firstSerialNumber);
        ini.setIntValue(kSection, QStringLiteral("FitDigi"), renameSettings.fixedDigits);
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
    platform::IniDocument ini = platform::IniDocument::load(OptionFilePath());
    setKeys(ini);
    return ini.save(OptionFilePath());
}

QString ProgramOptions::DefaultAudioLanguage() const
{
    return AudioLanguageNames().value(defaultAudio);
}
