// The adding pass of the clip list and the optical-disc notices.

#include "AddingPass.h"
#include "AddingReport.h"
#include "ClipListPanel.h"
#include "FpsSelecteContent.h"
#include "ModalQuestions.h"
#include "SettingsFolder.h"
#include "Volumes.h"

#include <QDialog>
#include <QDir>
#include <QLabel>

void ClipListPanel::suiImageButton_OpenDirClick()
{
    if (model_->Busy())
        return;
    const QString filter = environment.openDialogFilter ? environment.openDialogFilter() : QString();
    const QStringList files = platform::Questions().OpenFiles(window(), QStringLiteral("Open"), QString(),
                                                              platform::QtFilterFromWindowsFilter(filter));
    if (!files.isEmpty())
        AddFiles(files);
}

// The pass runs on while the window goes on answering; the list stays busy (no
// clicks, no removing, no start) until it ends.
void ClipListPanel::AddFiles(const QStringList &files)
{
    if (model_->Busy() || files.isEmpty())
        return;
    emit PreviewShutdownRequested();
    repaint();
    model_->SetBusy(true);
    addingPass_ = std::make_unique<AddingPass>(files, ProbeServices(), [this](std::unique_ptr<TVideoInfo> clip) {
        model_->Append(std::move(clip));
    });
    if (files.size() > 1) {
        connect(addingPass_.get(), &AddingPass::Progress, this, &ClipListPanel::ShowProgress);
        ShowProgress(0, static_cast<int>(files.size()));
    }
    connect(addingPass_.get(), &AddingPass::Ended, this, &ClipListPanel::AddingPassEnded, Qt::QueuedConnection);
    addingPass_->Start();
}

void ClipListPanel::CancelAdding()
{
    if (addingPass_)
        addingPass_->Cancel();
}

void ClipListPanel::AddingPassEnded()
{
    const QStringList rejected = addingPass_->Rejected();
    addingPass_.reset();
    Panel_AddProgress->hide();
    model_->SetBusy(false);
    if (!rejected.isEmpty())
        platform::Questions().Information(window(), window()->windowTitle(), UnsupportedFilesReport(rejected));
    if (!model_->AnySelected() && !rows_.isEmpty())
        SelectClipRow(rows_.first());
}

void ClipListPanel::ShowProgress(int done, int total)
{
    const AddingProgress progress = AddingProgressAt(done, total);
    Panel_Progress1->resize(progress.barWidth, Panel_Progress1->height());
    Label_Percent->setText(QString::number(progress.percent));
    Panel_AddProgress->show();
    Panel_AddProgress->raise();
    emit ProgressStepShown(progress.percent);
}

ClipProbeServices ClipListPanel::ProbeServices()
{
    ClipProbeServices services;
    services.rows = &rowFactory_;
    services.frameRateQuestion = &deferredFrameRateQuestion_;
    services.settingsFolder = environment.settingsFolder ? environment.settingsFolder()
                                                         : QDir::tempPath() + QLatin1Char('/');
    services.optionAudioLanguage = environment.defaultAudioLanguage ? environment.defaultAudioLanguage() : QString();
    services.localeLanguage = environment.localeLanguage ? environment.localeLanguage()
                                                         : platform::LocaleEnglishLanguageName().left(30).toUpper();
    return services;
}

// The program's window gets its controls now, so that it is whole before anyone asks.
void ClipListPanel::UseFrameRateForm(QDialog &form)
{
    fpsForm_ = &form;
    ownFpsQuestion_.reset();
    FrameRateQuestionInUse();
}

// The program's skinned frame-rate window gets the dialog's controls on first use;
// without it a plain dialog of the panel's own asks.
FrameRateQuestion &ClipListPanel::FrameRateQuestionInUse()
{
    if (frameRateQuestion_)
        return *frameRateQuestion_;
    if (!ownFpsQuestion_) {
        QDialog *form = fpsForm_;
        if (!form) {
            ownFpsForm_ = std::make_unique<QDialog>();
            ownFpsForm_->setObjectName(QStringLiteral("FPSSelecteForm"));
            ownFpsForm_->resize(425, 236);
            form = ownFpsForm_.get();
        }
        auto *content = form->findChild<FpsSelecteContent *>();
        ownFpsQuestion_ = std::make_unique<FpsDialogQuestion>(*form, content ? *content : *new FpsSelecteContent(form));
    }
    return *ownFpsQuestion_;
}

void ClipListPanel::WatchVolumes(platform::VolumeWatcher *watcher)
{
    connect(watcher, &platform::VolumeWatcher::OpticalVolumeArrived, this, &ClipListPanel::OpticalVolumeArrived);
    connect(watcher, &platform::VolumeWatcher::OpticalVolumeRemoved, this, &ClipListPanel::OpticalVolumeRemoved);
}

// A disc inserted into an empty list names the DVD and, when it holds a
// VIDEO_TS folder, is remembered; nothing is added.
void ClipListPanel::OpticalVolumeArrived(const platform::Volume &volume)
{
    if (!model_->IsEmpty())
        return;
    if (!volume.label.isEmpty())
        emit DiscLabelFound(volume.label.left(255));
    if (QDir(volume.mountPoint + QStringLiteral("VIDEO_TS")).exists())
        discDrive_ = volume.mountPoint;
}

void ClipListPanel::OpticalVolumeRemoved(const platform::Volume &volume)
{
    if (volume.mountPoint == discDrive_)
        ClearClipList();
}
