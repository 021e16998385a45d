#include "ClipSource.h"

#include "AddingPass.h"
#include "SettingsFolder.h"

namespace cli {
namespace {

// The frame-rate dialog's answer, given on the command line before any file is probed.
class AnswerGiven : public FrameRateQuestion {
public:
    explicit AnswerGiven(FrameRateAnswer answer) : answer_(answer) {}
    FrameRateAnswer Ask(const QString &, float, float) override { return answer_; }

private:
    FrameRateAnswer answer_;
};

// Why the trim range cannot be used on the clip, or nothing after setting it.
std::optional<QString> ApplyTrim(TVideoInfo &clip, const ClipChoices &choices)
{
    if (!choices.startSeconds && !choices.endSeconds)
        return std::nullopt;   // the whole clip, also one whose length the probe could not tell
    const int start = choices.startSeconds.value_or(0);
    const int end = choices.endSeconds && clip.Duration > 0 ? std::min(*choices.endSeconds, clip.Duration)
                                                            : choices.endSeconds.value_or(clip.Duration);
    if (start >= end)
        return QStringLiteral("--start is not before the end of the clip (%1 s long)").arg(clip.Duration);
    clip.SetStartTime(start);
    clip.SetEndTime(end);
    return std::nullopt;
}

std::optional<QString> ApplyAudioTrack(TVideoInfo &clip, const ClipChoices &choices)
{
    if (!choices.audioTrack)
        return std::nullopt;
    const int count = int(clip.AudioStreams.size());
    if (*choices.audioTrack > count)
        return QStringLiteral("the clip has %1 audio track(s), not %2").arg(count).arg(*choices.audioTrack);
    clip.ChooseAudioRow(*choices.audioTrack - 1);
    return std::nullopt;
}

} // namespace

ClipSource::ClipSource(ClipChoices choices) : choices_(std::move(choices)) {}

void ClipSource::Take(const QStringList &files, const std::function<void(const QString &file, Taken taken)> &each)
{
    if (!scratch_.isValid()) {
        for (const QString &file : files)
            each(file, QStringLiteral("no scratch folder for the probe: %1").arg(scratch_.errorString()));
        return;
    }
    AnswerGiven frameRate(choices_.frameRate);
    ClipProbeServices services;
    services.frameRateQuestion = &frameRate;
    services.settingsFolder = scratch_.path() + QLatin1Char('/');
    services.optionAudioLanguage = choices_.audioLanguage;
    services.localeLanguage = platform::LocaleEnglishLanguageName().left(30).toUpper();
    AddingPass pass(files, services, [this, &each](std::unique_ptr<TVideoInfo> clip) {
        const QString file = clip->FileName;
        each(file, Chosen(std::move(clip)));
    });
    QObject::connect(&pass, &AddingPass::FileRejected, [&each](const QString &file, const QString &reason) {
        each(file, reason.isEmpty() ? QStringLiteral("the file cannot be read") : reason);
    });
    pass.Start();
    pass.WaitForEnd();
}

ClipSource::Taken ClipSource::Chosen(std::unique_ptr<TVideoInfo> clip) const
{
    if (std::optional<QString> problem = ApplyTrim(*clip, choices_))
        return *problem;
    if (std::optional<QString> problem = ApplyAudioTrack(*clip, choices_))
        return *problem;
    return clip;
}

} // namespace cli
