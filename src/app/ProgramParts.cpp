#include "ProgramParts.h"

#include "ClipListPanel.h"
#include "forms/ProgramWindows.h"

void AttachProgramParts(ProgramWindows &windows)
{
    TMainForm &mainForm = *windows.MainForm;
    // Children of the main window: it owns them and they live as long as it does.
    new TClipListPanel(&mainForm);
}
