#pragma once
// The program's start: refuse a second copy, show the splash while every window
// is created, then run the message loop until the main window closes.

// Returns the process exit status: platform::kSecondCopyExitStatus for a second copy, else 0.
int RunProgram(int argc, char **argv);
