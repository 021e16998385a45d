#include "ClipListPanel.h"

#include "FpsSelecteContent.h"
#include "ListScrolling.h"
#include "ModalQuestions.h"
#include "TrimEdits.h"

#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

namespace {

constexpr int kListWidth = TInfoListItem::kWidth;
constexpr int kShownHeight = listscroll::kRowHeight * listscroll::kShownRows;
constexpr int kBarWidth = 16;
constexpr int kThumbHeight = kShownHeight - listscroll::kThumbTopMax;

const QString kClearQuestion = QStringLiteral("Do you want to cancel the current operation and return to homepage?");

} // namespace

TClipListPanel::TClipListPanel(const TRowPictures &pictures, QWidget *parent)
    : QWidget(parent), pictures_(pictures), rowFactory_(pictures)
{
    setObjectName(QStringLiteral("Panel_Info"));
    resize(kListWidth + kBarWidth, kShownHeight);
    buildControls();
    buildProgressPanel();
}

// The clips go first: their rows are children of the list panel.
TClipListPanel::~TClipListPanel()
{
    CurVideoInfo = nullptr;
    VideoInfoList.clear();
}

void TClipListPanel::buildControls()
{
    suiImagePanel_InfoMove = new QWidget(this);
    suiImagePanel_InfoMove->setObjectName(QStringLiteral("suiImagePanel_InfoMove"));
    suiImagePanel_InfoMove->setGeometry(0, 0, kListWidth, 0);
    Panel_Bar = new QWidget(this);
    Panel_Bar->setObjectName(QStringLiteral("Panel_Bar"));
    Panel_Bar->setGeometry(kListWidth, 0, kBarWidth, kShownHeight);
    Image_Bar = new QLabel(Panel_Bar);
    Image_Bar->setObjectName(QStringLiteral("Image_Bar"));
    Image_Bar->setGeometry(2, listscroll::kThumbTopMin, kBarWidth - 4, kThumbHeight);
    Image_Bar->setStyleSheet(QStringLiteral("background-color: #9a9a9a;"));
    Image_Bar->installEventFilter(this);
    Panel_Intro = new QLabel(this);
    Panel_Intro->setObjectName(QStringLiteral("Panel_Intro"));
    Panel_Intro->setGeometry(0, 0, kListWidth, kShownHeight);
    Panel_Intro->setScaledContents(true);
}

void TClipListPanel::buildProgressPanel()
{
    Panel_AddProgress = new QWidget(this);
    Panel_AddProgress->setObjectName(QStringLiteral("Panel_AddProgress"));
    Panel_AddProgress->setGeometry((kListWidth - 300) / 2, (kShownHeight - 60) / 2, 300, 60);
    Panel_AddProgress->setAutoFillBackground(true);
    auto *caption = new QLabel(QStringLiteral("Adding clips, please wait..."), Panel_AddProgress);
    caption->setGeometry(14, 6, 272, 18);
    auto *track = new QWidget(Panel_AddProgress);
    track->setGeometry(14, 30, 271, 12);
    track->setStyleSheet(QStringLiteral("background-color: #d0d0d0;"));
    Panel_Progress1 = new QWidget(track);
    Panel_Progress1->setObjectName(QStringLiteral("Panel_Progress1"));
    Panel_Progress1->setGeometry(0, 0, 0, 12);
    Panel_Progress1->setStyleSheet(QStringLiteral("background-color: #3c78c8;"));
    Label_Percent = new QLabel(QStringLiteral("0"), Panel_AddProgress);
    Label_Percent->setObjectName(QStringLiteral("Label_Percent"));
    Label_Percent->setGeometry(14, 42, 60, 16);
    Panel_AddProgress->hide();
}

void TClipListPanel::SetIntroPicture(const QPixmap &picture)
{
    Panel_Intro->setPixmap(picture);
}

void TClipListPanel::SetScrollThumbPicture(const QPixmap &picture)
{
    Image_Bar->setStyleSheet(QString());
    Image_Bar->setPixmap(picture);
    Image_Bar->resize(picture.size());
}

void TClipListPanel::AttachTrimEdits(QLineEdit *start, QLineEdit *stop, const QColor &normalColour)
{
    delete trimEdits_;
    trimEdits_ = new TTrimEdits(start, stop, this);
    trimEdits_->SetNormalColour(normalColour);
    trimEdits_->ShowClip(CurVideoInfo);
    connect(trimEdits_, &TTrimEdits::timesEdited, this, &TClipListPanel::RefreshOutputNames);
    connect(trimEdits_, &TTrimEdits::rangeStored, this, &TClipListPanel::trimRangeStored);
}

bool TClipListPanel::ignoresClicks() const
{
    return Busy || (environment.previewSeeking && environment.previewSeeking());
}

void TClipListPanel::connectRow(TInfoListItem *row)
{
    connect(row, &TInfoListItem::pressed, this, [this](TInfoListItem *pressed, Qt::MouseButton) { SelectClipRow(pressed); });
    connect(row, &TInfoListItem::released, this, &TClipListPanel::rowReleased);
}

void TClipListPanel::placeRow(TInfoListItem *row)
{
    row->setParent(suiImagePanel_InfoMove);
    row->move(0, listscroll::kRowHeight * static_cast<int>(InfoListItems.size()));
    row->show();
    connectRow(row);
    InfoListItems.append(row);
}

void TClipListPanel::AddToList(std::unique_ptr<TVideoInfo> clip)
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

void TClipListPanel::MakeCurrent(TVideoInfo *clip)
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

void TClipListPanel::SelectClipRow(TInfoListItem *row)
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

void TClipListPanel::removeRowsOf(const TVideoInfo &clip)
{
    InfoListItems.removeIf([&clip](TInfoListItem *row) { return &row->Owner() == &clip; });
}

void TClipListPanel::RemoveSelectedClips()
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

void TClipListPanel::ClearClipList()
{
    if (Busy || VideoInfoList.empty())
        return;
    if (!platform::questions().confirm(window(), window()->windowTitle(), kClearQuestion))
        return;
    InfoListItems.clear();
    MakeCurrent(nullptr);
    VideoInfoList.clear();
    update();
    suiImagePanel_InfoMove->resize(kListWidth, 0);
    DiscDrive = QStringLiteral("A");
    if (trimEdits_)
        trimEdits_->RestoreNormalColour();
    Panel_Intro->show();
    Image_Bar->move(Image_Bar->x(), listscroll::kThumbTopMin);
    suiImagePanel_InfoMove->move(0, 0);
}

void TClipListPanel::RenumberClips()
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

void TClipListPanel::RefreshOutputNames()
{
    for (size_t index = 0; index < VideoInfoList.size(); ++index)
        VideoInfoList[index]->SetOutputName(outputNameOf(*VideoInfoList[index], static_cast<int>(index)));
}

QString TClipListPanel::outputNameOf(const TVideoInfo &clip, int position) const
{
    if (environment.outputName)
        return environment.outputName(clip, position);
    return QFileInfo(clip.FileName).completeBaseName();
}

void TClipListPanel::updateListHeight()
{
    suiImagePanel_InfoMove->resize(kListWidth, listscroll::kRowHeight * static_cast<int>(InfoListItems.size()));
}
