#pragma once
// Puts the subsystems' behaviour onto the windows made at start-up: the clip
// list, the parameter panel, the preview, naming, the run, files from outside
// (FileOpener). The program calls it
// once after creating the windows; window tests call it to get the program's
// wiring without the splash or the message loop.

#include <QStringList>

class ClipListKeeper;
class ClipListPanel;
class FileOpener;
class ParameterPanel;
class PreviewPanel;
class ProgramWindows;

// The features put onto the windows; children of the main window, living as long as it.
struct ProgramParts {
    ClipListPanel *clipList = nullptr;
    ClipListKeeper *clipListKeeper = nullptr;
    ParameterPanel *panel = nullptr;
    PreviewPanel *preview = nullptr;
    FileOpener *fileOpener = nullptr;
};

ProgramParts AttachProgramParts(ProgramWindows &windows);

// The start's files, once the main window shows: the clip list kept from the last
// session first, then the files given to the program (absolute paths).
void OpenStartFiles(const ProgramParts &parts, const QStringList &givenFiles);
