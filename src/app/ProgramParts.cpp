#include "ProgramParts.h"

#include <QAbstractButton>

#include "ClipListKeeper.h"
#include "ClipListPanel.h"
#include "ClipOutputNames.h"
#include "FileOpener.h"
#include "MainWindowStart.h"
#include "ModalQuestions.h"
#include "OptionVariables.h"
#include "OptionsButton.h"
#include "PreviewPanel.h"
#include "ParameterPanel.h"
#include "Volumes.h"
#include "forms/ProgramWindows.h"
#include "skin/CursorFile.h"

namespace {

ClipListPanel *AttachClipList(TMainForm &mainForm)
{
    // Children of the main window: it owns them and they live as long as it does.
    auto *clipList = new ClipListPanel(&mainForm);
    clipList->environment.localeLanguage = [&mainForm] { return mainForm.LocaleLanguage; };
    clipList->environment.previewSeeking = [&mainForm] { return mainForm.previewIsSeeking(); };
    clipList->SetRowCursor(skin::RegisteredCursor(skin::kPressCursor));
    clipList->WatchVolumes(new platform::VolumeWatcher(&mainForm));
    new ClipListKeeper(*clipList, g_s_Application_Data_Path);   // a child of the list
    return clipList;
}

// The parameter panel reads the size of the clip shown in the detail area; the clips'
// output names follow the panel.
void AttachParameterPanel(TMainForm &mainForm, ClipListPanel *clipList)
{
    auto *panel = new ParameterPanel(mainForm);   // a child of the main window
    panel->environment.currentClipSize = [clipList]() -> std::optional<QSize> {
        if (!clipList->CurVideoInfo)
            return std::nullopt;
        return QSize(clipList->CurVideoInfo->Width, clipList->CurVideoInfo->Height);
    };
    panel->environment.refreshOutputNames = [clipList] { clipList->RefreshOutputNames(); };
    clipList->environment.outputName = [panel](const TVideoInfo &clip, int position) {
        return naming::MakeOutputName(clip, position, panel->OutputValues());
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
    ClipListPanel *clipList = AttachClipList(*windows.MainForm);
    AttachParameterPanel(*windows.MainForm, clipList);
    AttachRenameButton(windows, clipList);
    AttachOptionsButton(windows);
    new FileOpener(*windows.MainForm, *clipList, *windows.ProcessForm);   // a child of the main window
    new PreviewPanel(windows.MainForm.get(), clipList);   // a child of the main window
    conversion::AttachConversionRun(*windows.MainForm, *windows.ProcessForm);
}

void OpenStartFiles(ProgramWindows &windows, const QStringList &givenFiles)
{
    windows.MainForm->findChild<ClipListKeeper *>()->Restore();
    windows.MainForm->findChild<FileOpener *>()->open(givenFiles);
}
