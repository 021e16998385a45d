#pragma once
// Puts the subsystems' behaviour onto the windows made at start-up: the clip
// list, the parameter panel, the preview, naming, the run, files from outside
// (FileOpener). The program calls it
// once after creating the windows; window tests call it to get the program's
// wiring without the splash or the message loop.

class ProgramWindows;

void AttachProgramParts(ProgramWindows &windows);
