#pragma once
// Keeps the stored clip list up to date with the list on the screen. A change posts
// a save to the event loop, so a burst of changes (an adding pass, a removal with its
// renumbering) writes once, and the file holds the last change before the program
// handles anything else. A list equal to the one written last is not written again.

#include "ClipListStore.h"

#include <QObject>
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
    bool pending_ = false;
    std::optional<StoredClipList> written_;
    bool held_ = false;
};
