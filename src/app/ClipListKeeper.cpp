#include "ClipListKeeper.h"

#include "ClipListPanel.h"
#include "ModalQuestions.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

ClipListKeeper::ClipListKeeper(ClipListPanel &clipList, const QString &settingsFolder)
    : QObject(&clipList), clipList_(clipList), store_(settingsFolder),
      saver_(store_, [&clipList] { return StoredListOf(clipList.Model().Clips(), clipList.Model().Current()); }, this)
{
    setObjectName(QStringLiteral("ClipListKeeper"));
    connect(&clipList.Model(), &ClipListModel::Changed, &saver_, &ClipListSaver::ListChanged);
}

namespace {

// The kept clips whose files are still there, with the current one's position among
// them, and the names of the files that are gone.
struct KeptFiles {
    std::vector<StoredClip> present;
    QStringList presentNames;
    int current = -1;
    QStringList gone;
};

KeptFiles SortedKeptFiles(const StoredClipList &list)
{
    KeptFiles files;
    for (size_t index = 0; index < list.clips.size(); ++index) {
        const StoredClip &clip = list.clips[index];
        if (!QFileInfo(clip.fileName).isFile()) {
            files.gone << QDir::toNativeSeparators(clip.fileName);
            continue;
        }
        if (static_cast<int>(index) == list.currentIndex)
            files.current = static_cast<int>(files.present.size());
        files.present.push_back(clip);
        files.presentNames << clip.fileName;
    }
    return files;
}

} // namespace

void ClipListKeeper::Restore()
{
    const ClipListStore::Reading reading = store_.Read();
    // Shared with the end of the pass, which may come after this returns.
    const auto kept = std::make_shared<const KeptFiles>(SortedKeptFiles(reading.list));
    saver_.Hold(true);
    const size_t first = clipList_.Model().Clips().size();
    // The frame rates were settled when the files were first added: the question is not asked
    // again. The answers stay set until the pass, which may run on after AddFiles, has ended.
    auto frameRates = std::make_shared<StoredFrameRateAnswers>(kept->present);
    clipList_.SetFrameRateQuestion(frameRates.get());
    const auto restored = [this, frameRates, kept, first, problem = reading.problem, keptAs = reading.keptAs] {
        clipList_.SetFrameRateQuestion(nullptr);
        ApplyChoices(kept->present, first, kept->current);
        saver_.Hold(false);
        TellProblems(problem, keptAs, kept->gone);
    };
    clipList_.AddFiles(kept->presentNames);
    if (!clipList_.Model().Busy())
        return restored();
    // The pass runs on; the choices go on its clips once it has ended.
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = connect(&clipList_.Model(), &ClipListModel::BusyChanged, this, [once, restored](bool busy) {
        if (busy)
            return;
        QObject::disconnect(*once);
        restored();
    });
}

void ClipListKeeper::TellProblems(const QString &problem, const QString &keptAs, const QStringList &gone)
{
    if (!problem.isEmpty())
        Tell(QStringLiteral("The clip list of the last session could not be read (%1), so the list starts empty. "
                            "The file is kept as %2.")
                 .arg(problem, QDir::toNativeSeparators(keptAs)));
    if (!gone.isEmpty())
        Tell(QStringLiteral("These files of the last session's clip list no longer exist and were left out:\n\n")
             + gone.join(QLatin1Char('\n')));
}

// The pass drops files its probe rejects (and reports them); the others come in kept order.
void ClipListKeeper::ApplyChoices(const std::vector<StoredClip> &kept, size_t first, int keptCurrent)
{
    TVideoInfo *current = nullptr;
    size_t next = 0;
    const auto &clips = clipList_.Model().Clips();
    for (size_t index = first; index < clips.size(); ++index) {
        TVideoInfo &clip = *clips[index];
        while (next < kept.size() && kept[next].fileName != clip.FileName)
            ++next;
        if (next == kept.size())
            break;
        ApplyStoredChoices(kept[next], clip);
        if (static_cast<int>(next) == keptCurrent)
            current = &clip;
        ++next;
    }
    clipList_.RefreshOutputNames();
    ShowCurrent(current ? current : clipList_.Model().Current());
}

// Made current again, so that the trim edits and the preview show the kept range.
void ClipListKeeper::ShowCurrent(TVideoInfo *clip)
{
    if (!clip)
        return;
    clipList_.Model().SetCurrent(nullptr);
    for (TInfoListItem *row : clipList_.Rows()) {
        if (row->IsClipRow() && &row->Owner() == clip)
            return clipList_.SelectClipRow(row);
    }
}

void ClipListKeeper::Tell(const QString &text)
{
    QWidget *window = clipList_.window();
    platform::Questions().Information(window, window->windowTitle(), text);
}
