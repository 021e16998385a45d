#pragma once
// The main window's options button: shows the options dialog
// modally and, when the dialog reports a change, shows the output folder again and
// selects the current target anew, which rebuilds the panel and its profile list.

class ProgramWindows;

void AttachOptionsButton(ProgramWindows &windows);
