#include "ClipSizeDisplay.h"

#include "ClipListPanel.h"
#include "ClipRecordFacts.h"
#include "RunInputs.h"
#include "ParameterPanel.h"
#include "RunSize.h"
#include "VideoInfo.h"
#include "mainform/TMainForm.h"

#include <QLabel>

#include <algorithm>

namespace conversion {

namespace {

// Long enough to take a whole panel fill or an adding pass as one change.
constexpr int kSettleMs = 100;

} // namespace

ClipSizeDisplay::ClipSizeDisplay(TMainForm &mainForm, ClipListPanel &clipList, const ParameterPanel &panel,
                                 Definitions definitions, const ProgramOptions &options)
    : QObject(&mainForm), mainForm_(mainForm), clipList_(clipList), panel_(panel), definitions_(std::move(definitions)),
      options_(options), total_(mainForm.findChild<QLabel *>(QStringLiteral("Label_RunTotal")))
{
    pending_.setSingleShot(true);
    pending_.setInterval(kSettleMs);
    connect(&pending_, &QTimer::timeout, this, &ClipSizeDisplay::Refresh);
    connect(&clipList_.Model(), &ClipListModel::Changed, this, &ClipSizeDisplay::Schedule);
    connect(&panel_, &ParameterPanel::StateChanged, this, &ClipSizeDisplay::Schedule);
}

void ClipSizeDisplay::Schedule()
{
    pending_.start();
}

void ClipSizeDisplay::Refresh()
{
    pending_.stop();
    const auto &clips = clipList_.Model().Clips();
    const int target = mainForm_.CurTargetType;
    RunPrediction prediction;
    RunSettings settings;
    if (target >= 0 && !clips.empty()) {
        settings = RunSettingsFromOptions(target, panel_.JobValues(), definitions_(), options_);
        prediction = PredictRun(settings, ClipLookupOf(RunClipsOf(clips, target)));
    }
    // The run leaves out the clips it will not convert; their rows show no size.
    const RunClips runClips = RunClipsOf(clips, target);
    for (const auto &clip : clips) {
        const auto at = std::find(runClips->begin(), runClips->end(), clip.get()) - runClips->begin();
        if (clip->Row)
            clip->Row->SetPredictedSize(at < prediction.clips.size() ? PredictedSizeText(prediction.clips[at]) : QString());
    }
    if (!total_)
        return;
    total_->setVisible(!prediction.clips.isEmpty());
    if (!prediction.clips.isEmpty())
        total_->setText(RunTotalText(prediction.total, FreeBytesFor(settings.outputFolder)));
}

} // namespace conversion
