#pragma once
// Puts the subsystems' behaviour onto the windows made at start-up: the clip
// list, the parameter panel, the preview, naming, the run, files from outside
// (FileOpener). The program calls it
// once after creating the windows; window tests call it to get the program's
// wiring without the splash or the message loop.

#include <QStringList>

class ProgramWindows;

void AttachProgramParts(ProgramWindows &windows);

// The start's files, once the main window shows: the clip list kept from the last
// session first, then the files given to the program (absolute paths).
void OpenStartFiles(ProgramWindows &windows, const QStringList &givenFiles);
