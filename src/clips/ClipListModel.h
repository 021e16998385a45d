#pragma once
// The clip list itself: the clips in list order with their ticks and audio and
// subtitle choices, the selected clips, the current clip and whether an adding pass
// runs. Views (the list panel, the preview, the naming) show it and change it only
// through these methods; every change is signalled, and Changed follows each one.

#include "VideoInfo.h"

#include <QList>
#include <QObject>
#include <memory>
#include <vector>

class ClipListModel : public QObject {
    Q_OBJECT
public:
    explicit ClipListModel(QObject *parent = nullptr);
    ~ClipListModel() override;

    const std::vector<std::unique_ptr<TVideoInfo>> &Clips() const { return clips_; }
    int Count() const { return static_cast<int>(clips_.size()); }
    bool IsEmpty() const { return clips_.empty(); }
    TVideoInfo *At(int position) const;   // null outside the list
    int PositionOf(const TVideoInfo *clip) const;   // -1 when not listed

    // Appends the clip, numbered after the others.
    void Append(std::unique_ptr<TVideoInfo> clip);
    // Removes the selected clips; false when none was selected. The current clip is
    // given up first.
    bool RemoveSelected();
    void Clear();

    TVideoInfo *Current() const { return current_; }
    void SetCurrent(TVideoInfo *clip);

    QList<TVideoInfo *> Selected() const;
    bool AnySelected() const;
    // The clip alone becomes selected (null: none).
    void SelectOnly(TVideoInfo *clip);

    void SetChecked(TVideoInfo &clip, bool checked);
    void ChooseAudio(TVideoInfo &clip, int streamIndex);
    void ChooseSubtitle(TVideoInfo &clip, int subtitleIndex);
    // A view changed the clip's trim range or output name in place.
    void NoteEdited(TVideoInfo &clip);

    bool Busy() const { return busy_; }
    void SetBusy(bool busy);

signals:
    void Changed();                         // after any of the signals below
    void ClipAdded(TVideoInfo *clip);
    void ClipsRemoved();                    // removed or cleared; the survivors are renumbered
    void CurrentLeaving(TVideoInfo *clip);  // before another clip (or none) becomes current
    void CurrentChanged(TVideoInfo *clip);  // null: no current clip
    void SelectionChanged();
    void ClipEdited(TVideoInfo *clip);      // tick, audio, subtitle, trim or output name
    void BusyChanged(bool busy);

private:
    void Renumber();

    std::vector<std::unique_ptr<TVideoInfo>> clips_;
    TVideoInfo *current_ = nullptr;
    bool busy_ = false;
};
