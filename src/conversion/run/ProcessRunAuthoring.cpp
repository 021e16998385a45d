// The progress window while the run authors its DVD folder: what it says, the
// progress read from the authoring library, and the stop button.

#include "ProcessRun.h"

#include "ModalQuestions.h"
#include "forms/TProcessForm.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

namespace conversion {

int ProcessRun::AuthorShowingProgress()
{
    OnWindowThread([this] {
        Label("Label_TitleName")->setText(QStringLiteral("Authoring DVD\u2026"));
        Label("Label_DesName")->clear();
        Label("Label_FPS")->clear();
        Label("Label_CurrentFrame")->clear();
        ShowProgress(ProgressForPercent(0));
        stopButton_->setEnabled(true);
        authorTimer_->start();
    });
    const int result = run_.AuthorConvertedClips();
    OnWindowThread([this] { authorTimer_->stop(); });
    return result;
}

void ProcessRun::Timer_AuthorTimer()
{
    if (const std::optional<int> percent = run_.AuthoringProgress())
        ShowProgress(ProgressForPercent(*percent));
}

void ProcessRun::StopAuthoring()
{
    if (!platform::Questions().Confirm(&form_, QString(), QStringLiteral("Do you want to stop the process?")))
        return;
    if (!run_.StopAuthoring())
        return;   // finished meanwhile, or a library that cannot stop
    stopRequested_ = true;
    authorTimer_->stop();
}

} // namespace conversion
