#include "MainWindowStart.h"

#include "ModalQuestions.h"
#include "RunSize.h"
#include "TargetCatalogue.h"

namespace conversion {

namespace {

constexpr int kDvdClipLimit = 100;   // a DVD holds the first 99 clips

bool IsDiscTarget(int target)
{
    return target == targets::TargetDVD_Folder || target == targets::TargetDVD_Disc || target == targets::TargetDVD_ISO;
}

// Sound-only clips cannot become video: name them and ask whether to go on without them.
bool ClipsWithoutPictureAccepted(QWidget *parent, const StartState &state)
{
    if (state.clipsWithoutPicture.isEmpty() || targets::IsMusicTarget(state.target))
        return true;
    const QString target = targets::TargetName(state.target);
    if (state.clipsWithoutPicture.size() >= state.clipCount) {
        platform::Questions().Information(
            parent, QString(),
            QStringLiteral("The clips in the list have no video, so they cannot be converted to %1.\n"
                           "Choose a music format such as MP3 to convert their sound.").arg(target));
        return false;
    }
    QString files;
    for (const QString &file : state.clipsWithoutPicture)
        files += file + QLatin1Char('\n');
    return platform::Questions().Confirm(
        parent, QString(),
        QStringLiteral("These clips have no video and cannot be converted to %1:\n\n%2\n"
                       "Skip them and convert the other clips?").arg(target, files));
}

bool SpaceAccepted(QWidget *parent, const StartState &state)
{
    if (!state.freeBytes || state.predictedBytes <= *state.freeBytes)
        return true;
    return platform::Questions().Confirm(
        parent, QString(),
        QStringLiteral("The converted files need about %1, but the output folder's drive has only %2 free.\n"
                       "Convert anyway?").arg(SizeText(state.predictedBytes), SizeText(*state.freeBytes)));
}

} // namespace

bool StartChecksPass(QWidget *parent, const StartState &state)
{
    auto &questions = platform::Questions();
    if (state.busy)
        return false;
    if (state.seeking) {
        questions.Information(parent, QString(), QStringLiteral("Seeking disc, please waiting."));
        return false;
    }
    if (!state.anyClipChecked) {
        questions.Information(parent, QString(), QStringLiteral("No clip to convert!"));
        return false;
    }
    if (IsDiscTarget(state.target) && state.clipCount >= kDvdClipLimit
        && !questions.OkCancel(parent, QString(),
                               QStringLiteral("The video clips you added exceed the recommended amount. We will "
                                              "create DVD with the first 99 video files.\nDo you want to continue?")))
        return false;
    return ClipsWithoutPictureAccepted(parent, state) && SpaceAccepted(parent, state);
}

} // namespace conversion
