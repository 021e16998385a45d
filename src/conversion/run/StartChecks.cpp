#include "MainWindowStart.h"

#include "ModalQuestions.h"
#include "TargetCatalogue.h"

namespace conversion {

namespace {

constexpr int kDvdClipLimit = 100;   // a DVD holds the first 99 clips

bool IsDiscTarget(int target)
{
    return target == targets::TargetDVD_Folder || target == targets::TargetDVD_Disc || target == targets::TargetDVD_ISO;
}

} // namespace

bool StartChecksPass(QWidget *parent, const StartState &state)
{
    auto &questions = platform::questions();
    if (state.busy)
        return false;
    if (state.seeking) {
        questions.information(parent, QString(), QStringLiteral("Seeking disc, please waiting."));
        return false;
    }
    if (!state.anyClipChecked) {
        questions.information(parent, QString(), QStringLiteral("No clip to convert!"));
        return false;
    }
    if (IsDiscTarget(state.target) && state.clipCount >= kDvdClipLimit) {
        return questions.okCancel(parent, QString(),
                                  QStringLiteral("The video clips you added exceed the recommended amount. We will "
                                                 "create DVD with the first 99 video files.\nDo you want to continue?"));
    }
    return true;
}

} // namespace conversion
