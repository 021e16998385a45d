#pragma once
// The main window's start button: the checks before a run, the jobs made from the clip
// list and the parameter panel's state, and the run handed to the progress window.

#include <QStringList>
#include <QtGlobal>

#include <optional>

class ClipListPanel;
class ParameterPanel;
class PreviewPanel;
class ProgramOptions;
class QWidget;
class TMainForm;
class TProcessForm;

namespace conversion {

class ProcessRun;

// What the start checks look at, taken from the main window when the button is pressed.
struct StartState {
    bool busy = false;             // clips are being added from a folder
    bool seeking = false;          // "Seeking please wait..." is shown
    bool anyClipChecked = false;
    int target = -1;
    int clipCount = 0;
    QStringList clipsWithoutPicture;   // source files of the clips that have sound only
    qint64 predictedBytes = 0;         // what the run's files will take
    std::optional<qint64> freeBytes;   // free on the output folder's drive, when known
};

// The start checks with their messages; true when the run may begin. A run to a
// target with pictures skips the clips without one, once the user has agreed; a run
// whose files will not fit on the output folder's drive starts only when the user says so.
bool StartChecksPass(QWidget *parent, const StartState &state);

// The features a run starts from: the list it converts, the panel whose values make the
// jobs, and the preview whose frame service makes way for the run (none in some tests).
struct RunSources {
    ClipListPanel &clipList;
    const ParameterPanel &panel;
    PreviewPanel *preview = nullptr;
};

// Gives the progress window its run and the main window's start button its handler;
// each run takes the output root and the other run options from `options` as it starts.
ProcessRun *AttachConversionRun(TMainForm &mainForm, TProcessForm &processForm, const ProgramOptions &options,
                                RunSources sources);

} // namespace conversion
