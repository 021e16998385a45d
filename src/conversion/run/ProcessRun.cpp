#include "ProcessRun.h"

#include "Desktop.h"
#include "AddingReport.h"
#include "ClipJob.h"
#include "ModalQuestions.h"
#include "ProgramOptions.h"
#include "RunNotice.h"
#include "ShutdownCountdown.h"
#include "TargetCatalogue.h"
#include "TimeText.h"
#include "korvid.h"
#include "forms/TProcessForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <QUrl>

namespace conversion {

namespace {

constexpr int kInfoInterval = 500;
const QString kFailedClipsText = QStringLiteral(
    "Some UNSUPPORTED file(s) format can not be converted correctly.\nWe suggest you select AVI format and try again.\n\n");
const QString kOpenLogQuestion = QStringLiteral("\nThe run log tells more about each file. Open it?");
const QString kNoPspText = QStringLiteral("Can not find PSP Video folder.\nPlease check your PSP connection!");

// The shown lengths of the run's clips, in order: the weights of the whole run's progress.
QList<int> ClipLengths(const ClipLookup &clipAt)
{
    QList<int> lengths;
    while (clipAt)
        if (const std::optional<JobClip> clip = clipAt(int(lengths.size())))
            lengths.append(ShownLengthOf(*clip));
        else
            break;
    return lengths;
}

} // namespace

ProcessRun::ProcessRun(TProcessForm &form, const ProgramOptions &options)
    : QObject(&form), form_(form), options_(options), engineWindow_(this),
      run_(engineWindow_.Handle(),
           {[this](int index) { ShowClip(index); }, [this] { OnWindowThread([this] { form_.repaint(); }); },
            [this](bool on) { OnWindowThread([this, on] { stopButton_->setEnabled(on); }); },
            [this](bool on) { OnWindowThread([this, on] { on ? timer_->start() : timer_->stop(); }); }}),
      timer_(new QTimer(this)), authorTimer_(new QTimer(this)),
      stopButton_(form.findChild<QAbstractButton *>(QStringLiteral("suiImageButton_StopConvert")))
{
    setObjectName(QStringLiteral("ProcessRun"));
    timer_->setObjectName(QStringLiteral("Timer_Info"));
    timer_->setInterval(kInfoInterval);
    connect(timer_, &QTimer::timeout, this, &ProcessRun::Timer_InfoTimer);
    authorTimer_->setObjectName(QStringLiteral("Timer_Author"));
    authorTimer_->setInterval(kInfoInterval);
    connect(authorTimer_, &QTimer::timeout, this, &ProcessRun::Timer_AuthorTimer);
    connect(stopButton_, &QAbstractButton::clicked, this, &ProcessRun::suiImageButton_StopConvertClick);
    connect(form.findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Min")), &QAbstractButton::clicked, this,
            &ProcessRun::suiImageButton_MinClick);
    connect(&form, &TProcessForm::UploadNowClicked, this, &ProcessRun::Label_UploadClick);
    form.SetCloseGuard([self = QPointer(this)](bool explain) { return !self || self->CloseQuery(explain); });
}

ProcessRun::~ProcessRun()
{
    stopRequested_ = true;
    run_.StopEngine();
    if (running_)
        EndDesktopRunServices();
    {
        std::lock_guard lock(messageMutex_);
        closing_ = true;
    }
    messageDismissed_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void ProcessRun::StartConversion(RunRequest request)
{
    if (worker_.joinable())
        worker_.join();   // the last run has posted its end already
    request_ = std::move(request);
    target_ = request_.settings.target;
    run_.Start(request_.settings, request_.clipAt);
    const bool psp = target_ == targets::TargetPSP;
    form_.findChild<QCheckBox *>(QStringLiteral("suiCheckBox_Upload"))->setVisible(psp);
    Label("Label_Upload")->setVisible(psp);
    form_.findChild<QCheckBox *>(QStringLiteral("suiCheckBox_OpenFolder"))->setVisible(!psp);
    FormShow();
    stopRequested_ = false;
    running_ = true;
    clipLengths_ = ClipLengths(request_.clipAt);
    clipIndex_ = 0;
    runClock_.start();
    failedCount_ = 0;
    platform::CurrentDesktop().InhibitSleep(QStringLiteral("Converting %1 clip(s) to %2")
                                         .arg(clipLengths_.size())
                                         .arg(targets::TargetName(target_)));
    platform::CurrentDesktop().ShowTaskbarProgress(0);
    worker_ = std::thread([this] { RunConversion(); });
    platform::Questions().Exec(form_);
}

void ProcessRun::FormShow()
{
    for (const char *name : {"Label_StartTime", "Label_StopTime", "Label_Length", "Label_CurrentTime"})
        Label(name)->setText(QStringLiteral("00:00:00"));
    for (const char *name : {"Label_TitleName", "Label_DesName", "Label_CopyFile", "Label_RunProgress"})
        Label(name)->clear();
    Label("Label_FPS")->setText(QStringLiteral("0"));
    Label("Label_CurrentFrame")->setText(QStringLiteral("0"));
    Label("Label_Upload")->setEnabled(false);
    ShowProgress(ProgressForPosition(0, 0));
}

void ProcessRun::RunConversion()
{
    run_.RunFolderStep();
    QStringList failed;
    int result = ClipFailed;
    for (int index = 0;; ++index) {
        result = run_.ConvertClip(index);
        if (result == RunComplete || result == EngineUnavailable)
            break;
        if (result == ClipFailed) {
            failed << FileWithReason(run_.Job().SourceFile, run_.FailureReason());
        }
        if (stopRequested_)
            break;
    }
    run_.Finish(stopRequested_);
    if (!failed.isEmpty())
        ShowFailedClips(failed);
    else if (result == RunComplete && target_ == targets::TargetDVD_Folder && !stopRequested_)
        result = AuthorShowingProgress();
    const int failedCount = static_cast<int>(failed.size());
    OnWindowThread([this, result, failedCount] {
        running_ = false;
        failedCount_ = failedCount;
        FinishRun(result);
    });
}

void ProcessRun::ShowFailedClips(const QStringList &failed)
{
    QString text = kFailedClipsText;
    for (const QString &path : failed)
        text += path + QLatin1Char('\n');
    {
        std::lock_guard lock(messageMutex_);
        messagePending_ = true;
    }
    const QString logFile = run_.LogFilePath();
    OnWindowThread([this, text, logFile] {
        OfferFailedClips(text, logFile);
        std::lock_guard lock(messageMutex_);
        messagePending_ = false;
        messageDismissed_.notify_all();
    });
    std::unique_lock lock(messageMutex_);
    messageDismissed_.wait(lock, [this] { return !messagePending_ || closing_; });
}

// The report offers the run log, which holds each file's engine call and reason, when
// there is one to open.
void ProcessRun::OfferFailedClips(const QString &report, const QString &logFile)
{
    if (logFile.isEmpty() || !QFileInfo::exists(logFile)) {
        platform::Questions().Information(&form_, QString(), report);
        return;
    }
    if (platform::Questions().Confirm(&form_, QString(), report + kOpenLogQuestion))
        platform::CurrentDesktop().OpenUrl(QUrl::fromLocalFile(logFile).toString());
}

void ProcessRun::ShowClip(int clipIndex)
{
    const ConvertJob &job = run_.Job();
    const std::optional<JobClip> clip = request_.clipAt(clipIndex);
    const QString outputName = clip ? clip->outputName : QString();
    const QString targetFile = job.TargetFile;
    const int start = job.StartSeconds;
    const int length = job.ShownLength;
    const QString title = QFileInfo(job.SourceFile).fileName();
    OnWindowThread([=, this] {
        tickCount_ = 0;
        clipIndex_ = clipIndex;
        Label("Label_StartTime")->setText(TimeText(start));
        Label("Label_StopTime")->setText(TimeText(start + length));
        Label("Label_Length")->setText(TimeText(length));
        Label("Label_CurrentTime")->setText(TimeText(0));
        Label("Label_TitleName")->setText(title);
        Label("Label_DesName")->setText(outputName);
        Label("Label_FPS")->setText(QStringLiteral("0"));
        Label("Label_CurrentFrame")->setText(QStringLiteral("0"));
        Label("Label_CopyFile")->clear();
        ShowProgress(ProgressForPosition(0, length));
        ShowRunStanding(0);
        if (request_.storeTargetFile)
            request_.storeTargetFile(clipIndex, targetFile);
    });
}

void ProcessRun::Timer_InfoTimer()
{
    if (run_.StopIfStalled(runClock_.elapsed()))
        return;
    ClipProgress progress;
    if (!run_.QueryProgress(progress))
        return;
    const InfoTickFigures figures = FiguresOfTick(++tickCount_, progress);
    Label("Label_CurrentTime")->setText(figures.currentTime);
    Label("Label_FPS")->setText(figures.fps);
    Label("Label_CurrentFrame")->setText(figures.remaining);
    if (figures.repaintNow)
        form_.repaint();
    ShowProgress(figures.progress);
    ShowRunStanding(progress.engine.secondsDone);
}

void ProcessRun::ShowRunStanding(double secondsDoneInClip)
{
    if (clipLengths_.isEmpty())
        return;
    const RunStanding standing =
        RunStandingOf(clipLengths_, clipIndex_, secondsDoneInClip, runClock_.elapsed() / 1000.0);
    Label("Label_RunProgress")->setText(RunStandingText(standing));
    platform::CurrentDesktop().ShowTaskbarProgress(standing.share);
}

void ProcessRun::ShowProgress(const ProgressShown &shown)
{
    form_.findChild<QProgressBar *>(QStringLiteral("Panel_Progress"))->setValue(shown.percent.toInt());
    Label("Label_Percent")->setText(shown.percent);
}

void ProcessRun::suiImageButton_StopConvertClick()
{
    if (authorTimer_->isActive()) {
        StopAuthoring();
        return;
    }
    if (!timer_->isActive() || !run_.EngineLoaded())
        return;
    if (!platform::Questions().Confirm(&form_, QString(), QStringLiteral("Do you want to stop the process?")))
        return;
    stopRequested_ = true;
    run_.StopEngine();
    timer_->stop();
}

void ProcessRun::suiImageButton_MinClick()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->showMinimized();
}

bool ProcessRun::CloseQuery(bool explain)
{
    if (uploading_)
        return false;   // its close button is disabled meanwhile
    // The whole run, not only a clip's engine: between two clips the worker goes on.
    if (!running_)
        return true;
    if (explain)
        platform::Questions().Information(&form_, QString(), QStringLiteral("Please stop conversion process first!"));
    return false;
}

void ProcessRun::FinishRun(int result)
{
    const CompletionChoices choices{Checked("suiCheckBox_PowerOff"), Checked("suiCheckBox_Upload"),
                                    Checked("suiCheckBox_OpenFolder")};
    EndDesktopRunServices();
    NotifyDesktop(result);
    CarryOut(PlanFinish(result, target_, choices));
}

void ProcessRun::EndDesktopRunServices()
{
    platform::CurrentDesktop().ReleaseSleep();
    platform::CurrentDesktop().ShowTaskbarProgress(-1);
}

void ProcessRun::NotifyDesktop(int result)
{
    if (!options_.notify)
        return;
    const QString folder = QFileInfo(run_.Job().TargetFile).absolutePath();
    const RunNotice notice = NoticeOfRun(result, targets::TargetName(target_), int(clipLengths_.size()), failedCount_,
                                         result == RunComplete ? folder : QString());
    platform::CurrentDesktop().Notify(notice.summary, notice.body, result == RunComplete ? folder : QString());
}

void ProcessRun::CarryOut(const FinishPlan &plan)
{
    if (plan.showFullPercent) {
        form_.findChild<QCheckBox *>(QStringLiteral("suiCheckBox_Upload"))->setEnabled(true);
        Label("Label_Upload")->setEnabled(true);
        ShowProgress(ProgressForPercent(100));
    }
    if (plan.action == FinishAction::ShutDown) {
        if (ShutdownConfirmed(&form_))
            platform::CurrentDesktop().PowerOff();
    } else if (plan.action == FinishAction::OpenFolder) {
        OpenOutputFolder();
    } else if (plan.action == FinishAction::Upload)
        suiImageButton_CopyClick();
    if (plan.messageKind == FinishPlan::Message::Information)
        platform::Questions().Information(&form_, QString(), plan.message);
    else if (plan.messageKind == FinishPlan::Message::Error)
        platform::Questions().Error(&form_, QString(), plan.message);
    if (plan.closeWindow)
        form_.done(0);
}

// No file manager and no folder handler: the run still ends with a word and the folder's path.
void ProcessRun::OpenOutputFolder()
{
    const QString file = run_.Job().TargetFile;
    if (!platform::CurrentDesktop().ShowFileInFolder(file))
        platform::Questions().Information(&form_, QString(),
                                          QStringLiteral("Process Finished!\n\n") + QFileInfo(file).absolutePath());
}

void ProcessRun::Label_UploadClick()
{
    suiImageButton_CopyClick();
}

void ProcessRun::suiImageButton_CopyClick()
{
    if (uploading_)
        return;
    const QString pspRoot = FindPspRoot(platform::MountedVolumes(), options_.psp.upload);
    if (pspRoot.isEmpty()) {
        platform::Questions().Information(&form_, QString(), kNoPspText);
        return;
    }
    const QList<UploadClip> clips = request_.uploadClips ? request_.uploadClips() : QList<UploadClip>();
    if (clips.isEmpty())
        return;
    EnableUploadControls(false);
    bool allCopied = true;
    for (const UploadClip &clip : clips) {
        if (!clip.checked)
            continue;
        if (!QFileInfo::exists(clip.outputPath)) {
            platform::Questions().Error(&form_, QString(),
                                        QStringLiteral("Can not find srcfile : \n") + clip.outputPath + QLatin1Char('\n'));
            continue;
        }
        Label("Label_CopyFile")->setText(QStringLiteral("Uploading : ") + clip.outputName + QStringLiteral(" to PSP."));
        const QString name = QFileInfo(clip.outputPath).fileName();
        allCopied = CopyWithProgress(clip.outputPath, PspDestination(pspRoot, name, options_.psp.avc, options_.psp.mp4));
        if (!allCopied)
            break;   // most likely the device is gone: the next files would fail alike
    }
    EnableUploadControls(true);
    Label("Label_CopyFile")->clear();
    if (allCopied)
        platform::Questions().Information(&form_, QString(), QStringLiteral("Upload to PSP finish!"));
}

bool ProcessRun::CopyWithProgress(const QString &source, const QString &destination)
{
    const FileCopyResult result = CopyFileInBlocks(source, destination, [this](int percent) {
        ShowProgress(ProgressForPercent(percent));
        QCoreApplication::processEvents();
    });
    if (!result.copied)
        platform::Questions().Error(&form_, QString(), result.error);
    return result.copied;
}

void ProcessRun::EnableUploadControls(bool enabled)
{
    uploading_ = !enabled;
    Label("Label_Upload")->setEnabled(enabled);
    form_.findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Close"))->setEnabled(enabled);
    stopButton_->setEnabled(enabled);
    if (enabled)
        form_.findChild<QCheckBox *>(QStringLiteral("suiCheckBox_Upload"))->setEnabled(true);
}

bool ProcessRun::event(QEvent *event)
{
    if (event->type() != platform::EngineMessageEvent::EventType())
        return QObject::event(event);
    if (static_cast<platform::EngineMessageEvent *>(event)->message == KORVID_MSG_READY)
        stopButton_->setEnabled(true);
    return true;
}

void ProcessRun::OnWindowThread(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

QLabel *ProcessRun::Label(const char *name) const
{
    return form_.findChild<QLabel *>(QLatin1String(name));
}

bool ProcessRun::Checked(const char *name) const
{
    return form_.findChild<QCheckBox *>(QLatin1String(name))->isChecked();
}

} // namespace conversion
