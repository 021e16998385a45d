#include "ClipListSaver.h"

#include <QCoreApplication>

ClipListSaver::ClipListSaver(const ClipListStore &store, std::function<StoredClipList()> currentList, QObject *parent)
    : QObject(parent), store_(store), currentList_(std::move(currentList))
{
    // The loop may end with a save still waiting for its turn.
    if (QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, [this] {
            if (pending_)
                SaveNow();
        });
}

void ClipListSaver::ListChanged()
{
    if (held_ || pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(
        this, [this] {
            if (pending_)
                SaveNow();
        },
        Qt::QueuedConnection);
}

void ClipListSaver::Hold(bool held)
{
    held_ = held;
    if (!held_)
        SaveNow();
}

void ClipListSaver::SaveNow()
{
    pending_ = false;
    if (held_)
        return;
    StoredClipList list = currentList_();
    if (written_ == list)
        return;
    // A failed write (a full disk, a folder made read-only) is tried again at the next change.
    if (store_.Write(list))
        written_ = std::move(list);
    else
        qWarning("The clip list could not be saved to %s", qUtf8Printable(store_.FilePath()));
}
