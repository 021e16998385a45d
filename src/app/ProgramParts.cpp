#include "ProgramParts.h"

#include <QAbstractButton>

#include "ClipListKeeper.h"
#include "ClipListPanel.h"
#include "ClipOutputNames.h"
#include "FileOpener.h"
#include "MainWindowStart.h"
#include "ModalQuestions.h"
#include "OptionsButton.h"
#include "PreviewPanel.h"
#include "ParameterPanel.h"
#include "Volumes.h"
#include "forms/ProgramWindows.h"
#include "skin/CursorFile.h"

namespace {

ClipListPanel *AttachClipList(ProgramWindows &windows)
{
    TMainForm &mainForm = *windows.MainForm;
    const ProgramOptions &options = windows.Options;
    // Children of the main window: it owns them and they live as long as it does.
    auto *clipList = new ClipListPanel(&mainForm);
    clipList->environment.openDialogFilter = [&options] { return options.openDialogFilter; };
    clipList->environment.settingsFolder = [&options] { return options.SettingsFolder(); };
    clipList->environment.defaultAudioLanguage = [&options] { return options.DefaultAudioLanguage(); };
    clipList->environment.localeLanguage = [&mainForm] { return mainForm.LocaleLanguage; };
    clipList->environment.previewSeeking = [&mainForm] { return mainForm.PreviewIsSeeking(); };
    clipList->SetRowCursor(skin::RegisteredCursor(skin::kPressCursor));
    clipList->WatchVolumes(new platform::VolumeWatcher(&mainForm));
    clipList->UseFrameRateForm(*windows.FPSSelecteForm);
    return clipList;
}

// The parameter panel reads the size of the clip shown in the detail area; the clips'
// output names follow the panel.
ParameterPanel *AttachParameterPanel(TMainForm &mainForm, ClipListPanel *clipList, const ProgramOptions &options)
{
    auto *panel = new ParameterPanel(mainForm, options);   // a child of the main window
    panel->environment.currentClipSize = [clipList]() -> std::optional<QSize> {
        const TVideoInfo *clip = clipList->Model().Current();
        if (!clip)
            return std::nullopt;
        return QSize(clip->Width, clip->Height);
    };
    panel->environment.refreshOutputNames = [clipList] { clipList->RefreshOutputNames(); };
    clipList->environment.outputName = [panel, &options](const TVideoInfo &clip, int position) {
        return naming::MakeOutputName(clip, position, options.renameSettings, panel->OutputValues());
    };
    return panel;
}

// The template dialog; every close, OK or not, renames the clips' outputs.
void AttachRenameButton(ProgramWindows &windows, ClipListPanel *clipList)
{
    auto *button = windows.MainForm->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Rename"));
    TRenameForm *renameForm = windows.RenameForm.get();
    QObject::connect(button, &QAbstractButton::clicked, clipList, [renameForm, clipList] {
        platform::Questions().Exec(*renameForm);
        clipList->RefreshOutputNames();
    });
}

} // namespace

ProgramParts AttachProgramParts(ProgramWindows &windows)
{
    ProgramParts parts;
    parts.clipList = AttachClipList(windows);
    parts.clipListKeeper = new ClipListKeeper(*parts.clipList, windows.Options.SettingsFolder());   // a child of the list
    parts.panel = AttachParameterPanel(*windows.MainForm, parts.clipList, windows.Options);
    AttachRenameButton(windows, parts.clipList);
    AttachOptionsButton(windows);
    parts.fileOpener = new FileOpener(*windows.MainForm, *parts.clipList, *windows.ProcessForm);
    parts.preview = new PreviewPanel(windows.MainForm.get(), parts.clipList, windows.Options.SettingsFolder());
    conversion::AttachConversionRun(*windows.MainForm, *windows.ProcessForm, windows.Options,
                                    {*parts.clipList, *parts.panel, parts.preview});
    return parts;
}

void OpenStartFiles(const ProgramParts &parts, const QStringList &givenFiles)
{
    parts.clipListKeeper->Restore();
    parts.fileOpener->Open(givenFiles);
}
