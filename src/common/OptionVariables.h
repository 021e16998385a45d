#pragma once
// Process-wide folders and option values. Folders end with "/". The option
// values start at their defaults and are set at start-up by the options, rename
// and progress windows (OptionsFile.h reads and writes them).

#include <QString>

extern QString path_PNG;                    // the program's folder
extern QString g_s_Application_Data_Path;   // the settings folder (LocateSettings)

extern QString g_s_OutputFolder;            // output root folder
extern QString OpenDialogFilter;            // replaces the add dialog's filter when not empty
extern int i_MinDurationTime;               // minimum conversion length in seconds; 0 or less: none
extern QString g_Rename_Template;           // output-name template
extern int i_OutputPSPSerialNumber;         // first serial number of the template
extern int i_FitDigi;                       // digits of the serial number
extern bool g_b_Add1;                       // template tokens joined with "-"
extern bool g_b_Add2;                       // template tokens joined with "_"
extern QString PSPUploadFolder;             // folder that identifies a PSP, relative to its root
extern QString PSPAVCFolder;                // PSP folder for "MAQ" files
extern QString PSPMP4Folder;                // PSP folder for "M4V" files
