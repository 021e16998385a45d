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

ClipListPanel *AttachClipList(TMainForm &mainForm, const ProgramOptions &options)
{
    // Children of the main window: it owns them and they live as long as it does.
    auto *clipList = new ClipListPanel(&mainForm);
    clipList->environment.openDialogFilter = [&options] { return options.openDialogFilter; };
    clipList->environment.settingsFolder = [&options] { return options.SettingsFolder(); };
    clipList->environment.defaultAudioLanguage = [&options] { return options.DefaultAudioLanguage(); };
    clipList->environment.localeLanguage = [&mainForm] { return mainForm.LocaleLanguage; };
    clipList->environment.previewSeeking = [&mainForm] { return mainForm.previewIsSeeking(); };
    clipList->SetRowCursor(skin::RegisteredCursor(skin::kPressCursor));
    clipList->WatchVolumes(new platform::VolumeWatcher(&mainForm));
    new ClipListKeeper(*clipList, options.SettingsFolder());   // a child of the list
    return clipList;
}

// The parameter panel reads the size of the clip shown in the detail area; the clips'
// output names follow the panel.
void AttachParameterPanel(TMainForm &mainForm, ClipListPanel *clipList, const ProgramOptions &options)
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
}

// The template dialog; every close, OK or not, renames the clips' outputs.
void AttachRenameButton(ProgramWindows &windows, ClipListPanel *clipList)
{
    auto *button = windows.MainForm->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Rename"));
    TRenameForm *renameForm = windows.RenameForm.get();
    QObject::connect(button, &QAbstractButton::clicked, clipList, [renameForm, clipList] {
        platform::questions().exec(*renameForm);
        clipList->RefreshOutputNames();
    });
}

} // namespace

void AttachProgramParts(ProgramWindows &windows)
{
    ClipListPanel *clipList = AttachClipList(*windows.MainForm, windows.Options);
    AttachParameterPanel(*windows.MainForm, clipList, windows.Options);
    AttachRenameButton(windows, clipList);
    AttachOptionsButton(windows);
    new FileOpener(*windows.MainForm, *clipList, *windows.ProcessForm);   // a child of the main window
    new PreviewPanel(windows.MainForm.get(), clipList, windows.Options.SettingsFolder());   // a child of the main window
    conversion::AttachConversionRun(*windows.MainForm, *windows.ProcessForm, windows.Options);
}

void OpenStartFiles(ProgramWindows &windows, const QStringList &givenFiles)
{
    windows.MainForm->findChild<ClipListKeeper *>()->Restore();
    windows.MainForm->findChild<FileOpener *>()->open(givenFiles);
}
