#include "ClipListPanel.h"

#include "AddingPass.h"

#include "FpsSelecteContent.h"
#include "ListScrolling.h"
#include "ModalQuestions.h"
#include "TrimEdits.h"

#include <QDialog>
#include <QMenu>
#include <QFileInfo>
#include <QSignalBlocker>

namespace {

const QString kClearQuestion = QStringLiteral("Do you want to cancel the current operation and return to homepage?");

} // namespace

ClipListPanel::ClipListPanel(QWidget *form)
    : QWidget(form), model_(new ClipListModel(this)), pictures_(RowPictures::FromForm(form)), rowFactory_(pictures_)
{
    setObjectName(QStringLiteral("ClipListPanel"));
    if (!AdoptControls(form))
        BuildControls();
    setAccessibleName(QStringLiteral("Clip list"));
    setFocusPolicy(Qt::ClickFocus);   // the paging keys scroll the list
    Image_Bar->installEventFilter(this);
    Panel_Info->installEventFilter(this);
    Panel_Bar->installEventFilter(this);
    connect(model_, &ClipListModel::ClipAdded, this, &ClipListPanel::ShowAddedClip);
    connect(model_, &ClipListModel::ClipsRemoved, this, &ClipListPanel::ShowRemainingClips);
    connect(model_, &ClipListModel::CurrentChanged, this, [this](TVideoInfo *clip) {
        if (trimEdits_)
            trimEdits_->ShowClip(clip);
    });
    ConnectFormControls(form);
}

// The clips go first, unsignalled: their rows are children of the list panel.
ClipListPanel::~ClipListPanel()
{
    addingPass_.reset();
    AddingPass::WaitForAbandonedProbes();
    rows_.clear();
    const QSignalBlocker quiet(model_);
    model_->Clear();
}

bool ClipListPanel::IgnoresClicks() const
{
    return model_->Busy() || (environment.previewSeeking && environment.previewSeeking());
}

void ClipListPanel::ConnectRow(TInfoListItem *row)
{
    connect(row, &TInfoListItem::Pressed, this, [this](TInfoListItem *pressed, Qt::MouseButton) { SelectClipRow(pressed); });
    connect(row, &TInfoListItem::Released, this, &ClipListPanel::RowReleased);
    connect(row, &TInfoListItem::AudioRowChosen, this, [this](TInfoListItem *audioRow) {
        TVideoInfo &clip = audioRow->Owner();
        model_->ChooseAudio(clip, clip.IndexOfAudioRow(audioRow));
    });
    row->installEventFilter(this);   // the wheel over a row scrolls the list
}

void ClipListPanel::PlaceRow(TInfoListItem *row)
{
    row->setParent(suiImagePanel_InfoMove);
    row->move(0, listscroll::kRowHeight * static_cast<int>(rows_.size()));
    row->show();
    ConnectRow(row);
    rows_.append(row);
}

void ClipListPanel::ShowAddedClip(TVideoInfo *clip)
{
    if (clip->Row)
        PlaceRow(static_cast<TInfoListItem *>(clip->Row.get()));
    clip->SetOutputName(OutputNameOf(*clip, model_->PositionOf(clip)));
    for (const auto &audioRow : clip->AudioRows)
        PlaceRow(static_cast<TInfoListItem *>(audioRow.get()));
    UpdateListHeight();
    Panel_Intro->setVisible(false);
    update();
}

void ClipListPanel::SelectClipRow(TInfoListItem *row)
{
    if (IgnoresClicks() || !row)
        return;
    if (!row->IsHighlighted())
        model_->SelectOnly(&row->Owner());
    model_->SetCurrent(&row->Owner());
    row->setFocus();
}

void ClipListPanel::RemoveSelectedClips()
{
    if (model_->Busy())
        return;
    model_->SetCurrent(nullptr);
    const auto lastSelected = std::find_if(rows_.crbegin(), rows_.crend(), [](const TInfoListItem *row) { return row->IsHighlighted(); });
    if (lastSelected == rows_.crend())
        return;
    // The row after the removed ones, or the last one left, becomes selected.
    const qsizetype followingIndex = rows_.crend() - lastSelected;
    TInfoListItem *following = followingIndex < rows_.size() ? rows_[followingIndex] : nullptr;
    model_->RemoveSelected();
    if (!rows_.isEmpty())
        SelectClipRow(rows_.contains(following) ? following : rows_.last());
}

void ClipListPanel::ClearClipList()
{
    if (model_->Busy() || model_->IsEmpty())
        return;
    if (!platform::Questions().Confirm(window(), window()->windowTitle(), kClearQuestion))
        return;
    model_->Clear();
    discDrive_ = QStringLiteral("A");
    if (trimEdits_)
        trimEdits_->RestoreNormalColour();
    Image_Bar->move(Image_Bar->x(), listscroll::kThumbTopMin);
    suiImagePanel_InfoMove->move(0, 0);
}

// The rows of the clips left, renumbered by the model, close up (the removed
// clips took their rows with them).
void ClipListPanel::ShowRemainingClips()
{
    rows_.clear();
    for (const auto &clip : model_->Clips()) {
        if (clip->Row)
            rows_.append(static_cast<TInfoListItem *>(clip->Row.get()));
        for (const auto &audioRow : clip->AudioRows)
            rows_.append(static_cast<TInfoListItem *>(audioRow.get()));
    }
    PlaceRows();
    RefreshOutputNames();
    UpdateListHeight();
    ScrollList();
    Panel_Intro->setVisible(model_->IsEmpty());
    update();
}

void ClipListPanel::PlaceRows()
{
    for (qsizetype index = 0; index < rows_.size(); ++index) {
        const int top = listscroll::kRowHeight * static_cast<int>(index);
        if (rows_[index]->y() != top)
            rows_[index]->move(0, top);
    }
}

void ClipListPanel::RefreshOutputNames()
{
    for (int position = 0; position < model_->Count(); ++position) {
        TVideoInfo &clip = *model_->At(position);
        const QString name = OutputNameOf(clip, position);
        if (name == clip.OutputName)
            continue;
        clip.SetOutputName(name);
        model_->NoteEdited(clip);
    }
}

QString ClipListPanel::OutputNameOf(const TVideoInfo &clip, int position) const
{
    if (environment.outputName)
        return environment.outputName(clip, position);
    return QFileInfo(clip.FileName).completeBaseName();
}

void ClipListPanel::UpdateListHeight()
{
    suiImagePanel_InfoMove->resize(TInfoListItem::kWidth, listscroll::kRowHeight * static_cast<int>(rows_.size()));
}
