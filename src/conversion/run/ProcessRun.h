#pragma once
// The behaviour of the progress window: starts a run on a worker thread, shows each
// clip and its progress, stops on request and ends the run with its outcome.
//
// Threads: the worker runs RunConversion and the engine; everything that touches a
// widget is marshalled to the window thread. The stop flag is atomic; the engine handle
// lives in ConversionRun behind its own lock.

#include "ConversionRun.h"
#include "FinishRules.h"
#include "ProgressFigures.h"
#include "PspUpload.h"
#include "RunStanding.h"
#include "EngineWindow.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QTimer;
class ProgramOptions;
class QWidget;
class TProcessForm;

namespace conversion {

// What a run is given by the main window.
struct RunRequest {
    RunSettings settings;                 // with the target number
    ClipLookup clipAt;                    // read on the worker thread
    // On the window thread: the clip's TargetFile becomes its OutputPath.
    std::function<void(int clipIndex, const QString &targetFile)> storeTargetFile;
    // On the window thread, when an upload starts: the clip list as it is then.
    std::function<QList<UploadClip>()> uploadClips;
};

class ProcessRun : public QObject {
    Q_OBJECT
public:
    // Reads the PSP folders and the notification choice from `options` when it uses them.
    ProcessRun(TProcessForm &form, const ProgramOptions &options);
    ~ProcessRun() override;

    // Starts the worker and shows the window modally (returns when it closes).
    void StartConversion(RunRequest request);

    // The window's handlers.
    void FormShow();
    void Timer_InfoTimer();
    void Timer_AuthorTimer();
    void suiImageButton_StopConvertClick();
    void suiImageButton_MinClick();
    void FinishRun(int result);
    // Copies the checked clips' converted files to the PSP; tells the outcome itself.
    void suiImageButton_CopyClick();
    void Label_UploadClick();

    bool Converting() const { return running_.load(); }
    bool Uploading() const { return uploading_; }
    bool StopRequested() const { return stopRequested_.load(); }
    QTimer *InfoTimer() const { return timer_; }
    QTimer *AuthorTimer() const { return authorTimer_; }

protected:
    bool event(QEvent *event) override;

private:
    void RunConversion();
    // Worker thread: the DVD folder of the run, its progress shown while dvdauthor works.
    int AuthorShowingProgress();
    void StopAuthoring();
    void ShowFailedClips(const QStringList &failed);
    void OfferFailedClips(const QString &report, const QString &logFile);   // window thread
    void ShowClip(int clipIndex);
    void ShowProgress(const ProgressShown &shown);
    // The whole run's percent, remaining time and clip count, and the task bar's share.
    void ShowRunStanding(double secondsDoneInClip);
    void CarryOut(const FinishPlan &plan);
    void OpenOutputFolder();
    // The desktop's side of a run: sleep inhibitor and task bar progress end, the notification.
    void EndDesktopRunServices();
    void NotifyDesktop(int result);
    bool CopyWithProgress(const QString &source, const QString &destination);
    void EnableUploadControls(bool enabled);
    bool CloseQuery(bool explain);
    void OnWindowThread(std::function<void()> work);
    QLabel *Label(const char *name) const;
    bool Checked(const char *name) const;

    TProcessForm &form_;
    const ProgramOptions &options_;
    platform::EngineWindow engineWindow_;
    ConversionRun run_;
    QTimer *timer_;
    QTimer *authorTimer_;   // Timer_Author: polls the authoring's progress
    QAbstractButton *stopButton_;
    RunRequest request_;
    int target_ = -1;
    int tickCount_ = 0;                     // window thread only
    QList<int> clipLengths_;                // window thread only: the weights of the run's clips
    QElapsedTimer runClock_;                // window thread only: since the run started
    int clipIndex_ = 0;                     // window thread only: the clip being converted
    int failedCount_ = 0;                   // window thread only, at the end of a run
    bool uploading_ = false;                // window thread only
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> running_{false};
    std::thread worker_;

    // The worker waits for the failed-files message; a window going away releases it.
    std::mutex messageMutex_;
    std::condition_variable messageDismissed_;
    bool messagePending_ = false;
    bool closing_ = false;
};

} // namespace conversion
