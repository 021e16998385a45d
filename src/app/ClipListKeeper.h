#pragma once
// The clip list outlives the program: every change is saved to the settings folder
// (ClipListStore), and a start puts the kept list back through the adding pass, with
// each clip's tick, trim range, audio row and subtitle choice and the current clip,
// before any file given to the program is added.

#include "ClipListSaver.h"
#include "ClipListStore.h"

#include <QObject>

class ClipListPanel;

class ClipListKeeper : public QObject {
    Q_OBJECT
public:
    // A child of the clip list; `settingsFolder` ends with "/".
    ClipListKeeper(ClipListPanel &clipList, const QString &settingsFolder);

    // Kept files that are gone are left out and named in one message, as is a kept
    // list that cannot be read (it is moved aside and the list starts empty).
    void Restore();

private:
    // Puts the kept choices on the clips the pass added from `first` on, in order.
    void ApplyChoices(const std::vector<StoredClip> &kept, size_t first, int keptCurrent);
    void ShowCurrent(TVideoInfo *clip);
    void TellProblems(const QString &problem, const QString &keptAs, const QStringList &gone);
    void Tell(const QString &text);

    ClipListPanel &clipList_;
    ClipListStore store_;
    ClipListSaver saver_;
};
