#include "OptionsFile.h"

#include "OptionVariables.h"

namespace {

ProgramOptions OptionsOfTheSettingsFolder()
{
    return ProgramOptions(path_PNG, g_s_Application_Data_Path, ProgramOptions::Access::Writable);
}

ProgramOptions LoadedOptions()
{
    return ProgramOptions::Load(path_PNG, g_s_Application_Data_Path, ProgramOptions::Access::Writable);
}

} // namespace

int ReadGeneralOptions()
{
    ProgramOptions options = OptionsOfTheSettingsFolder();
    options.LoadGeneral();
    g_s_OutputFolder = options.outputFolder;
    PSPUploadFolder = options.psp.upload;
    PSPAVCFolder = options.psp.avc;
    PSPMP4Folder = options.psp.mp4;
    i_MinDurationTime = options.minDurationSeconds;
    OpenDialogFilter = options.openDialogFilter;
    return options.defaultAudio;
}

bool WriteGeneralOptions(int defaultAudioIndex)
{
    ProgramOptions options = OptionsOfTheSettingsFolder();
    options.notify = ReadNotifyOption();
    options.defaultAudio = defaultAudioIndex;
    options.outputFolder = g_s_OutputFolder;
    const bool saved = options.SaveGeneral();
    g_s_OutputFolder = options.outputFolder;
    return saved;
}

bool ReadNotifyOption()
{
    return ProgramOptions::Load(path_PNG, g_s_Application_Data_Path).notify;
}

bool WriteNotifyOption(bool notify)
{
    ProgramOptions options = LoadedOptions();
    options.notify = notify;
    return options.SaveGeneral();
}

int ReadStallTimeoutOption()
{
    return ProgramOptions::Load(path_PNG, g_s_Application_Data_Path).stallTimeoutSeconds;
}

QString ReadLastTargetName()
{
    return ProgramOptions::Load(path_PNG, g_s_Application_Data_Path).lastTarget;
}

bool WriteLastTargetName(const QString &targetName)
{
    ProgramOptions options = OptionsOfTheSettingsFolder();
    options.lastTarget = targetName;
    return options.SaveLastTarget();
}

void ReadRenameOptions()
{
    ProgramOptions options = OptionsOfTheSettingsFolder();
    options.LoadRenameSettings();
    const RenameSettings &settings = options.renameSettings;
    g_Rename_Template = settings.nameTemplate;
    i_OutputPSPSerialNumber = settings.firstSerialNumber;
    i_FitDigi = settings.fixedDigits;
    g_b_Add1 = settings.addDash;
    g_b_Add2 = settings.addUnderscore;
}

bool WriteRenameOptions()
{
    ProgramOptions options = OptionsOfTheSettingsFolder();
    options.renameSettings = {g_Rename_Template, i_OutputPSPSerialNumber, i_FitDigi, g_b_Add1, g_b_Add2};
    return options.SaveRenameSettings();
}

CompletionOptions ReadCompletionOptions()
{
    ProgramOptions options = OptionsOfTheSettingsFolder();
    options.LoadCompletion();
    return options.completion;
}

bool WriteCompletionOptions(const CompletionOptions &completion)
{
    ProgramOptions options = OptionsOfTheSettingsFolder();
    options.completion = completion;
    return options.SaveCompletion();
}
