#pragma once
// Readers and writers of "Option.ini" (section "Option") for the windows that own
// the keys. Each call opens, reads or writes, and closes the file at once.

#include <QString>
#include <QStringList>

// The twelve audio-language names that "DefaultAudio" indexes (1 = "English").
QStringList AudioLanguageNames();

// The output root: a stored folder that exists, else the user's videos folder +
// "OutputFolder/"; always ending with "/" and created when missing.
QString ResolveOutputFolder(const QString &storedFolder);

// Options load: sets g_s_OutputFolder, PSPUploadFolder, PSPAVCFolder,
// PSPMP4Folder, i_MinDurationTime and OpenDialogFilter; returns "DefaultAudio".
int ReadGeneralOptions();
// Options save: "DefaultAudio", then "OutputFolder" (g_s_OutputFolder, given its trailing "/").
bool WriteGeneralOptions(int defaultAudioIndex);

// "Notify": whether a desktop notification tells that a run has ended (on by default).
bool ReadNotifyOption();
bool WriteNotifyOption(bool notify);

// "StallTimeout": seconds without progress after which a clip is stopped and reported
// (60 by default; 0 or less never stops a clip).
int ReadStallTimeoutOption();

// "LastTarget": the name of the target chosen when the main window last closed
// ("nodef" when none was stored).
QString ReadLastTargetName();
bool WriteLastTargetName(const QString &targetName);

// The rename dialog's keys into and out of g_Rename_Template,
// i_OutputPSPSerialNumber, i_FitDigi, g_b_Add1 and g_b_Add2.
void ReadRenameOptions();
bool WriteRenameOptions();

// The progress window's completion choices.
struct CompletionOptions {
    bool powerOff = false;     // "PowerOff"
    bool openFolder = true;    // "OpenFolder"
    bool upload = false;       // "Upload"
};
CompletionOptions ReadCompletionOptions();
bool WriteCompletionOptions(const CompletionOptions &options);
