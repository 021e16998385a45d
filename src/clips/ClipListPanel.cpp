#include "ClipListPanel.h"

#include "FpsSelecteContent.h"
#include "ListScrolling.h"
#include "ModalQuestions.h"
#include "TrimEdits.h"

#include <QDialog>
#include <QMenu>
#include <QFileInfo>

namespace {

const QString kClearQuestion = QStringLiteral("Do you want to cancel the current operation and return to homepage?");

} // namespace

ClipListPanel::ClipListPanel(QWidget *form)
    : QWidget(form), pictures_(RowPictures::FromForm(form)), rowFactory_(pictures_)
{
    setObjectName(QStringLiteral("ClipListPanel"));
    if (!adoptControls(form))
        buildControls();
    setAccessibleName(QStringLiteral("Clip list"));
    setFocusPolicy(Qt::ClickFocus);   // the paging keys scroll the list
    Image_Bar->installEventFilter(this);
    Panel_Info->installEventFilter(this);
    Panel_Bar->installEventFilter(this);
    connectFormControls(form);
}

// The clips go first: their rows are children of the list panel.
ClipListPanel::~ClipListPanel()
{
    CurVideoInfo = nullptr;
    VideoInfoList.clear();
}

bool ClipListPanel::ignoresClicks() const
{
    return Busy || (environment.previewSeeking && environment.previewSeeking());
}

void ClipListPanel::connectRow(TInfoListItem *row)
{
    connect(row, &TInfoListItem::pressed, this, [this](TInfoListItem *pressed, Qt::MouseButton) { SelectClipRow(pressed); });
    connect(row, &TInfoListItem::released, this, &ClipListPanel::rowReleased);
    connect(row, &TInfoListItem::audioRowChosen, this, &ClipListPanel::clipsEdited);
    row->installEventFilter(this);   // the wheel over a row scrolls the list
}

void ClipListPanel::placeRow(TInfoListItem *row)
{
    row->setParent(suiImagePanel_InfoMove);
    row->move(0, listscroll::kRowHeight * static_cast<int>(InfoListItems.size()));
    row->show();
    connectRow(row);
    InfoListItems.append(row);
}

void ClipListPanel::AddToList(std::unique_ptr<TVideoInfo> clip)
{
    TVideoInfo &added = *clip;
    placeRow(static_cast<TInfoListItem *>(added.Row.get()));
    VideoInfoList.push_back(std::move(clip));
    const int position = static_cast<int>(VideoInfoList.size()) - 1;
    added.SetNumber(position + 1);
    added.SetOutputName(outputNameOf(added, position));
    for (const auto &audioRow : added.AudioRows)
        placeRow(static_cast<TInfoListItem *>(audioRow.get()));
    updateListHeight();
}

void ClipListPanel::MakeCurrent(TVideoInfo *clip)
{
    if (clip && clip == CurVideoInfo)
        return;
    if (CurVideoInfo)
        emit currentClipLeaving(CurVideoInfo);
    CurVideoInfo = clip;
    if (trimEdits_)
        trimEdits_->ShowClip(clip);
    emit currentClipChanged(clip);
}

void ClipListPanel::SelectClipRow(TInfoListItem *row)
{
    if (ignoresClicks() || !row)
        return;
    if (!row->IsHighlighted()) {
        for (TInfoListItem *item : std::as_const(InfoListItems)) {
            if (item->IsHighlighted())
                item->Owner().SetSelected(false);
        }
        row->Owner().SetSelected(true);
    }
    MakeCurrent(&row->Owner());
    row->setFocus();
}

void ClipListPanel::removeRowsOf(const TVideoInfo &clip)
{
    InfoListItems.removeIf([&clip](TInfoListItem *row) { return &row->Owner() == &clip; });
}

void ClipListPanel::RemoveSelectedClips()
{
    if (Busy)
        return;
    MakeCurrent(nullptr);
    SelectedVideoInfos.clear();
    SelectedItems.clear();
    for (const auto &clip : VideoInfoList) {
        if (clip->Selected)
            SelectedVideoInfos.append(clip.get());
    }
    for (TInfoListItem *row : std::as_const(InfoListItems)) {
        if (row->IsHighlighted())
            SelectedItems.append(row);
    }
    if (SelectedItems.isEmpty())
        return;
    const qsizetype followingIndex = InfoListItems.indexOf(SelectedItems.last()) + 1;
    TInfoListItem *following = followingIndex < InfoListItems.size() ? InfoListItems[followingIndex] : nullptr;
    for (TInfoListItem *row : std::as_const(SelectedItems))
        InfoListItems.removeOne(row);
    // A removed clip takes its clip row and its audio rows with it.
    for (TVideoInfo *clip : std::as_const(SelectedVideoInfos))
        removeRowsOf(*clip);
    std::erase_if(VideoInfoList, [](const std::unique_ptr<TVideoInfo> &clip) { return clip->Selected; });
    SelectedVideoInfos.clear();
    SelectedItems.clear();
    RenumberClips();
    if (!InfoListItems.isEmpty())
        SelectClipRow(InfoListItems.contains(following) ? following : InfoListItems.last());
}

void ClipListPanel::ClearClipList()
{
    if (Busy || VideoInfoList.empty())
        return;
    if (!platform::questions().confirm(window(), window()->windowTitle(), kClearQuestion))
        return;
    InfoListItems.clear();
    MakeCurrent(nullptr);
    VideoInfoList.clear();
    update();
    suiImagePanel_InfoMove->resize(TInfoListItem::kWidth, 0);
    DiscDrive = QStringLiteral("A");
    if (trimEdits_)
        trimEdits_->RestoreNormalColour();
    Panel_Intro->show();
    Image_Bar->move(Image_Bar->x(), listscroll::kThumbTopMin);
    suiImagePanel_InfoMove->move(0, 0);
}

void ClipListPanel::RenumberClips()
{
    for (size_t index = 0; index < VideoInfoList.size(); ++index)
        VideoInfoList[index]->SetNumber(static_cast<int>(index) + 1);
    for (qsizetype index = 0; index < InfoListItems.size(); ++index) {
        const int top = listscroll::kRowHeight * static_cast<int>(index);
        if (InfoListItems[index]->y() != top)
            InfoListItems[index]->move(0, top);
    }
    RefreshOutputNames();
    updateListHeight();
    scrollList();
    Panel_Intro->setVisible(VideoInfoList.empty());
}

void ClipListPanel::RefreshOutputNames()
{
    for (size_t index = 0; index < VideoInfoList.size(); ++index)
        VideoInfoList[index]->SetOutputName(outputNameOf(*VideoInfoList[index], static_cast<int>(index)));
    emit clipsEdited();
}

QString ClipListPanel::outputNameOf(const TVideoInfo &clip, int position) const
{
    if (environment.outputName)
        return environment.outputName(clip, position);
    return QFileInfo(clip.FileName).completeBaseName();
}

void ClipListPanel::updateListHeight()
{
    suiImagePanel_InfoMove->resize(TInfoListItem::kWidth, listscroll::kRowHeight * static_cast<int>(InfoListItems.size()));
}
