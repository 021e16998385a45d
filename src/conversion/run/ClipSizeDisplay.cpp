#include "ClipSizeDisplay.h"

#include "ClipListPanel.h"
#include "ClipRecordFacts.h"
#include "MainWindowStart.h"
#include "RunSize.h"
#include "VideoInfo.h"
#include "mainform/TMainForm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>

namespace conversion {

namespace {

// Long enough to take a whole panel fill or an adding pass as one change.
constexpr int kSettleMs = 100;

} // namespace

ClipSizeDisplay::ClipSizeDisplay(TMainForm &mainForm, ClipListPanel &clipList, Definitions definitions,
                                 const ProgramOptions &options)
    : QObject(&mainForm), mainForm_(mainForm), clipList_(clipList), definitions_(std::move(definitions)), options_(options),
      total_(mainForm.findChild<QLabel *>(QStringLiteral("Label_RunTotal")))
{
    pending_.setSingleShot(true);
    pending_.setInterval(kSettleMs);
    connect(&pending_, &QTimer::timeout, this, &ClipSizeDisplay::Refresh);
    connect(&clipList_.Model(), &ClipListModel::Changed, this, &ClipSizeDisplay::Schedule);
    FollowControls();
}

// Every list, field and box of the window can change a job: the target's fill, the
// profile, the bit rates, the sizes, the DVD settings, the output folder.
void ClipSizeDisplay::FollowControls()
{
    for (QComboBox *list : mainForm_.findChildren<QComboBox *>())
        connect(list, &QComboBox::currentIndexChanged, this, &ClipSizeDisplay::Schedule);
    for (QSpinBox *field : mainForm_.findChildren<QSpinBox *>())
        connect(field, &QSpinBox::valueChanged, this, &ClipSizeDisplay::Schedule);
    for (QAbstractButton *box : mainForm_.findChildren<QAbstractButton *>()) {
        if (box->isCheckable())
            connect(box, &QAbstractButton::toggled, this, &ClipSizeDisplay::Schedule);
    }
    for (QLineEdit *edit : mainForm_.findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, &ClipSizeDisplay::Schedule);
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
        settings = RunSettingsFromOptions(target, PanelValuesOf(mainForm_), definitions_(), options_);
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
