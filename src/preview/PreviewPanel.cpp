#include "PreviewPanel.h"

#include "ClipListPanel.h"
#include "TrimEdits.h"
#include "VideoInfo.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

PreviewPanel::PreviewPanel(QWidget *form, ClipListPanel *clipList, const QString &settingsFolder)
    : QObject(form), clipList_(clipList), frames_(settingsFolder)
{
    AdoptControls(form);
    ConnectClipList();
    if (Image_Stretch)
        Image_Stretch->raise();
    if (Image_ProgressBack)
        Image_ProgressBack->lower();
    PlaceRangeBar(-1, -1);
}

PreviewPanel::~PreviewPanel()
{
    clip_ = nullptr;
    ShutdownFrameEngine();
}

void PreviewPanel::AdoptControls(QWidget *form)
{
    Panel_Preview = form->findChild<QWidget *>(QStringLiteral("Panel_Preview"));
    Image_Preview = form->findChild<QLabel *>(QStringLiteral("Image_Preview"));
    Label_Info = form->findChild<QLabel *>(QStringLiteral("Label_Info"));
    Panel_Progress = form->findChild<QWidget *>(QStringLiteral("Panel_Progress"));
    Image_ProgressBack = form->findChild<QWidget *>(QStringLiteral("Image_ProgressBack"));
    Image_Stretch = form->findChild<QWidget *>(QStringLiteral("Image_Stretch"));
    Image_Left = form->findChild<QWidget *>(QStringLiteral("Image_Left"));
    Image_Right = form->findChild<QWidget *>(QStringLiteral("Image_Right"));
    suiImageButton_Snapshoot = form->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Snapshoot"));
    suiEdit_Start = form->findChild<QLineEdit *>(QStringLiteral("suiEdit_Start"));
    suiEdit_Stop = form->findChild<QLineEdit *>(QStringLiteral("suiEdit_Stop"));
    for (QWidget *control : {Image_Left, Image_Right, Image_Stretch})
        if (control)
            control->installEventFilter(this);
    if (suiImageButton_Snapshoot)
        connect(suiImageButton_Snapshoot, &QAbstractButton::clicked, this, &PreviewPanel::suiImageButton_SnapshootClick);
}

void PreviewPanel::ConnectClipList()
{
    if (!clipList_)
        return;
    connect(&clipList_->Model(), &ClipListModel::CurrentLeaving, this, &PreviewPanel::CurrentClipLeaving);
    connect(&clipList_->Model(), &ClipListModel::CurrentChanged, this, &PreviewPanel::CurrentClipChanged);
    connect(clipList_, &ClipListPanel::PreviewShutdownRequested, this, &PreviewPanel::ShutdownFrameEngine);
    connect(clipList_, &ClipListPanel::TrimRangeStored, this, [this](TVideoInfo *clip) {
        if (clip == clip_ && clip->Duration > 0)
            PlaceRangeBar(double(clip->StartTime) / clip->Duration, double(clip->EndTime) / clip->Duration);
    });
}

bool PreviewPanel::event(QEvent *event)
{
    if (event->type() != platform::EngineMessageEvent::EventType())
        return QObject::event(event);
    const auto *message = static_cast<platform::EngineMessageEvent *>(event);
    EngineMessage(message->message, message->wparam, message->lparam);
    return true;
}

void PreviewPanel::SetPreviewBusy(bool busy)
{
    if (suiImageButton_Snapshoot)
        suiImageButton_Snapshoot->setEnabled(!busy);
    if (Panel_Progress)
        Panel_Progress->setEnabled(!busy);
    if (Label_Info)
        Label_Info->setVisible(busy);
}

RangeBarMetrics PreviewPanel::BarMetrics() const
{
    RangeBarMetrics m;
    if (Image_Left)
        m.handleWidth = Image_Left->width();
    if (Image_ProgressBack)
        m.barWidth = Image_ProgressBack->width();
    return m;
}

void PreviewPanel::PlaceRangeBar(double startRatio, double endRatio)
{
    bar_ = ::PlaceRangeBar(startRatio, endRatio, BarMetrics());
    ApplyRangeBar();
    for (QWidget *handle : {Image_Left, Image_Right})
        if (handle)
            handle->setEnabled(bar_.enabled);
}

void PreviewPanel::ApplyRangeBar()
{
    if (Image_Left)
        Image_Left->move(bar_.left, Image_Left->y());
    if (Image_Right)
        Image_Right->move(bar_.right, Image_Right->y());
    if (Image_Stretch)
        Image_Stretch->setGeometry(bar_.stretchLeft, Image_Stretch->y(), qMax(0, bar_.stretchWidth), Image_Stretch->height());
}

bool PreviewPanel::EnsureFrameEngine()
{
    if (frames_.IsLoaded())
        return true;
    if (!frames_.EnsureFrameEngine())
        return false;
    if (Label_Info) {
        Label_Info->raise();
        Label_Info->show();
    }
    if (Panel_Preview)
        Panel_Preview->repaint();
    return true;
}

void PreviewPanel::ShutdownFrameEngine()
{
    const bool wasRunning = frames_.IsLoaded();
    frames_.ShutdownFrameEngine();
    if (wasRunning && !frames_.IsLoaded() && clip_)
        SetPreviewBusy(false);   // a frame still pending will never arrive to end the wait
}

void PreviewPanel::CurrentClipLeaving(TVideoInfo *clip)
{
    if (clip && Image_Preview && !Image_Preview->pixmap().isNull())
        clip->Thumbnail = Image_Preview->pixmap().toImage().convertToFormat(QImage::Format_BGR888);
    ShutdownFrameEngine();
    clip_ = nullptr;
}

void PreviewPanel::CurrentClipChanged(TVideoInfo *clip)
{
    ShutdownFrameEngine();
    clip_ = clip;
    drag_ = Drag::None;   // a drag of the old clip's bar ends with it
    SetPreviewBusy(false);
    if (suiImageButton_Snapshoot)
        suiImageButton_Snapshoot->setEnabled(false);
    if (!clip) {
        if (Image_Preview)
            Image_Preview->clear();
        if (Panel_Progress)
            Panel_Progress->setEnabled(false);
        PlaceRangeBar(-1, -1);
        return;
    }
    if (Panel_Progress)
        Panel_Progress->setEnabled(true);
    const double duration = clip->Duration > 0 ? clip->Duration : 1;
    PlaceRangeBar(clip->StartTime / duration, clip->EndTime / duration);
    ShowThumbnail();
}

void PreviewPanel::ShowThumbnail()
{
    if (Image_Preview && clip_)
        Image_Preview->setPixmap(QPixmap::fromImage(clip_->Thumbnail));
}

void PreviewPanel::EngineMessage(uint32_t message, uintptr_t wparam, intptr_t)
{
    if (message == FrameService::kMessageReady) {
        if (!frames_.IsLoaded())
            return;   // a late answer of a service given up after its time-out
        frames_.Ready();
        SetPreviewBusy(true);
        if (clip_)
            frames_.Seek(frames_.StartSecond);   // the second of the release that started the service
    } else if (message == FrameService::kMessageFrame) {
        FrameArrived(wparam);
    } else if (message == FrameService::kMessageClosed) {
        frames_.Closed();
    }
}

void PreviewPanel::FrameArrived(uintptr_t wparam)
{
    if (!clip_)
        return;
    if (wparam == 1) {
        const QSize size = clip_->Thumbnail.isNull() ? QSize(240, 180) : clip_->Thumbnail.size().boundedTo(QSize(240, 180));
        QImage picture = frames_.FetchFrame(size.width(), size.height());
        if (!picture.isNull()) {
            clip_->Thumbnail = std::move(picture);
            ShowThumbnail();
        }
    }
    SetPreviewBusy(false);
}
