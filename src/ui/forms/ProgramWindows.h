#pragma once
// Every window of the program, created once at start-up in a fixed order and
// destroyed together at the end (the progress and rename windows write their
// options back as they go), and the program's options object they share.

#include <functional>
#include <memory>

#include "ProgramOptions.h"

#include "forms/NoticeWindow.h"
#include "forms/TFPSSelecteForm.h"
#include "forms/TForm_About.h"
#include "forms/TOptionForm.h"
#include "forms/TProcessForm.h"
#include "forms/TRenameForm.h"
#include "mainform/TMainForm.h"

class ProgramWindows {
public:
    // Locates the settings of the program in `programFolder` and loads the options,
    // then creates main, options, progress, about, rename, frame-rate and notice
    // windows in this order; `afterEach` runs after each creation (the splash repaints there).
    explicit ProgramWindows(const QString &programFolder, const std::function<void()> &afterEach = {});
    ~ProgramWindows();

    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;

    ProgramOptions Options;   // outlives the windows, which save their options as they go
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TOptionForm> OptionForm;
    std::unique_ptr<TProcessForm> ProcessForm;
    std::unique_ptr<TForm_About> Form_About;
    std::unique_ptr<TRenameForm> RenameForm;
    std::unique_ptr<TFPSSelecteForm> FPSSelecteForm;
    std::unique_ptr<NoticeWindow> NoticeForm;
};
