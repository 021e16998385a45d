#include "ClipListKeeper.h"

#include "ClipListPanel.h"
#include "ModalQuestions.h"

#include <QDir>
#include <QFileInfo>

ClipListKeeper::ClipListKeeper(ClipListPanel &clipList, const QString &settingsFolder)
    : QObject(&clipList), clipList_(clipList), store_(settingsFolder),
      saver_(store_, [&clipList] { return StoredListOf(clipList.VideoInfoList, clipList.CurVideoInfo); }, this)
{
    setObjectName(QStringLiteral("ClipListKeeper"));
    // Adding, removing and clearing change the current clip or announce the new clip's tick.
    connect(&clipList, &ClipListPanel::currentClipChanged, &saver_, &ClipListSaver::ListChanged);
    connect(&clipList, &ClipListPanel::clipCheckedChanged, &saver_, &ClipListSaver::ListChanged);
    connect(&clipList, &ClipListPanel::clipsEdited, &saver_, &ClipListSaver::ListChanged);
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
    const KeptFiles kept = SortedKeptFiles(reading.list);
    saver_.Hold(true);
    const size_t first = clipList_.VideoInfoList.size();
    // The frame rates were settled when the files were first added: the question is not asked again.
    StoredFrameRateAnswers frameRates(kept.present);
    clipList_.SetFrameRateQuestion(&frameRates);
    clipList_.AddFiles(kept.presentNames);
    clipList_.SetFrameRateQuestion(nullptr);
    ApplyChoices(kept.present, first, kept.current);
    saver_.Hold(false);
    if (!reading.problem.isEmpty())
        Tell(QStringLiteral("The clip list of the last session could not be read (%1), so the list starts empty. "
                            "The file is kept as %2.")
                 .arg(reading.problem, QDir::toNativeSeparators(reading.keptAs)));
    if (!kept.gone.isEmpty())
        Tell(QStringLiteral("These files of the last session's clip list no longer exist and were left out:\n\n")
             + kept.gone.join(QLatin1Char('\n')));
}

// The pass drops files its probe rejects (and reports them); the others come in kept order.
void ClipListKeeper::ApplyChoices(const std::vector<StoredClip> &kept, size_t first, int keptCurrent)
{
    TVideoInfo *current = nullptr;
    size_t next = 0;
    for (size_t index = first; index < clipList_.VideoInfoList.size(); ++index) {
        TVideoInfo &clip = *clipList_.VideoInfoList[index];
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
    ShowCurrent(current ? current : clipList_.CurVideoInfo);
}

// Made current again, so that the trim edits and the preview show the kept range.
void ClipListKeeper::ShowCurrent(TVideoInfo *clip)
{
    if (!clip)
        return;
    clipList_.MakeCurrent(nullptr);
    for (TInfoListItem *row : std::as_const(clipList_.InfoListItems)) {
        if (row->IsClipRow() && &row->Owner() == clip)
            return clipList_.SelectClipRow(row);
    }
}

void ClipListKeeper::Tell(const QString &text)
{
    QWidget *window = clipList_.window();
    platform::questions().information(window, window->windowTitle(), text);
}
