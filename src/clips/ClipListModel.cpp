#include "ClipListModel.h"

#include <algorithm>

ClipListModel::ClipListModel(QObject *parent) : QObject(parent) {}

// The clips' rows may belong to a view that is going down with us.
ClipListModel::~ClipListModel()
{
    current_ = nullptr;
    clips_.clear();
}

TVideoInfo *ClipListModel::At(int position) const
{
    return position >= 0 && position < Count() ? clips_[static_cast<size_t>(position)].get() : nullptr;
}

int ClipListModel::PositionOf(const TVideoInfo *clip) const
{
    const auto found = std::find_if(clips_.cbegin(), clips_.cend(), [clip](const auto &listed) { return listed.get() == clip; });
    return found == clips_.cend() ? -1 : static_cast<int>(found - clips_.cbegin());
}

void ClipListModel::Append(std::unique_ptr<TVideoInfo> clip)
{
    if (!clip)
        return;
    TVideoInfo *added = clip.get();
    added->CheckedChanged = [this](TVideoInfo &changed) {
        emit ClipEdited(&changed);
        emit Changed();
    };
    clips_.push_back(std::move(clip));
    added->SetNumber(Count());
    emit ClipAdded(added);
    emit Changed();
}

bool ClipListModel::RemoveSelected()
{
    if (!AnySelected())
        return false;
    SetCurrent(nullptr);
    std::erase_if(clips_, [](const std::unique_ptr<TVideoInfo> &clip) { return clip->Selected; });
    Renumber();
    emit ClipsRemoved();
    emit SelectionChanged();
    emit Changed();
    return true;
}

void ClipListModel::Clear()
{
    if (clips_.empty())
        return;
    SetCurrent(nullptr);
    clips_.clear();
    emit ClipsRemoved();
    emit SelectionChanged();
    emit Changed();
}

void ClipListModel::SetCurrent(TVideoInfo *clip)
{
    if (clip && clip == current_)
        return;
    if (current_)
        emit CurrentLeaving(current_);
    current_ = clip;
    emit CurrentChanged(clip);
    emit Changed();
}

QList<TVideoInfo *> ClipListModel::Selected() const
{
    QList<TVideoInfo *> selected;
    for (const auto &clip : clips_) {
        if (clip->Selected)
            selected.append(clip.get());
    }
    return selected;
}

bool ClipListModel::AnySelected() const
{
    return std::any_of(clips_.cbegin(), clips_.cend(), [](const auto &clip) { return clip->Selected; });
}

void ClipListModel::SelectOnly(TVideoInfo *clip)
{
    for (const auto &listed : clips_) {
        if (listed->Selected != (listed.get() == clip))
            listed->SetSelected(listed.get() == clip);
    }
    emit SelectionChanged();
    emit Changed();
}

void ClipListModel::SetChecked(TVideoInfo &clip, bool checked)
{
    clip.SetChecked(checked);   // signalled through the clip's CheckedChanged
}

void ClipListModel::ChooseAudio(TVideoInfo &clip, int streamIndex)
{
    if (streamIndex < 0 || streamIndex >= static_cast<int>(clip.AudioStreams.size()))
        return;
    clip.ChooseAudioRow(streamIndex);
    NoteEdited(clip);
}

void ClipListModel::ChooseSubtitle(TVideoInfo &clip, int subtitleIndex)
{
    clip.SubtitleIndex = subtitleIndex;
    NoteEdited(clip);
}

void ClipListModel::NoteEdited(TVideoInfo &clip)
{
    emit ClipEdited(&clip);
    emit Changed();
}

void ClipListModel::SetBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    emit BusyChanged(busy);
    emit Changed();
}

void ClipListModel::Renumber()
{
    for (int position = 0; position < Count(); ++position)
        clips_[static_cast<size_t>(position)]->SetNumber(position + 1);
}
