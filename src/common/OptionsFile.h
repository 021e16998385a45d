#pragma once
// The option variables of OptionVariables.h loaded from and saved to "Option.ini",
// group by group, through a ProgramOptions of the settings folder, until every reader
// holds its options object.

#include "ProgramOptions.h"

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
CompletionOptions ReadCompletionOptions();
bool WriteCompletionOptions(const CompletionOptions &options);
