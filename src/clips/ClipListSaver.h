#pragma once
// Keeps the stored clip list up to date with the list on the screen. A change asks
// for a save at the next turn of the event loop, so a burst of changes (an adding
// pass, a removal with its renumbering) writes once, and the file holds the last
// change as soon as the program waits for the user again. A list equal to the one
// written last is not written again.

#include "ClipListStore.h"

#include <QObject>
#include <QTimer>
#include <functional>

class ClipListSaver : public QObject {
    Q_OBJECT
public:
    // `currentList` reads the list as it is now.
    ClipListSaver(const ClipListStore &store, std::function<StoredClipList()> currentList, QObject *parent = nullptr);

    void ListChanged();
    // While held nothing is written, so that the stored list stays whole while a
    // restore builds the list up again; releasing saves a change made meanwhile.
    void Hold(bool held);
    void SaveNow();

private:
    ClipListStore store_;
    std::function<StoredClipList()> currentList_;
    QTimer pending_;
    std::optional<StoredClipList> written_;
    bool held_ = false;
};
