#include "OptionVariables.h"

#include "LibraryLoader.h"

QString path_PNG = platform::ProgramFolder();
QString g_s_Application_Data_Path = path_PNG;

QString g_s_OutputFolder;
QString OpenDialogFilter;
int i_MinDurationTime = -1;
QString g_Rename_Template = QStringLiteral("#Name");
int i_OutputPSPSerialNumber = 1;
int i_FitDigi = 3;
bool g_b_Add1 = false;
bool g_b_Add2 = false;
QString PSPUploadFolder;
QString PSPAVCFolder;
QString PSPMP4Folder;
