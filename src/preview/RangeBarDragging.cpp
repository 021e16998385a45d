// The range bar's mouse handling: dragging a handle or the range, and the
// release that stores the trim times and asks for the frame at the new second.

#include "PreviewPanel.h"

#include "ClipListPanel.h"
#include "TimeText.h"
#include "TrimEdits.h"
#include "VideoInfo.h"

#include <QLineEdit>
#include <QMouseEvent>

bool PreviewPanel::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    // Qt still shows a disabled control's mouse events to its filters; a disabled
    // bar (busy, or no clip) takes none. Nor does the bar while a shutdown waits for
    // the engine: a release then would start a service the shutdown never stops.
    if (!static_cast<QWidget *>(watched)->isEnabled() || FrameService::ShutdownInProgress())
        return QObject::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint cursor = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        PressBar(watched == Image_Left ? Drag::Start : watched == Image_Right ? Drag::End : Drag::Range, cursor);
    } else if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
        DragTo(cursor);
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
        ReleaseBar();
    }
    return QObject::eventFilter(watched, event);
}

void PreviewPanel::PressBar(Drag drag, QPoint globalPosition)
{
    if (!clip_)
        return;
    drag_ = drag;
    DragStartCursor = globalPosition;
    DragStartLeft = drag == Drag::Start ? bar_.left : drag == Drag::End ? bar_.right : bar_.stretchLeft;
    if (drag == Drag::Range)
        ColourDraggedEdits(true);   // a handle's edit turns lime once it moves
}

// The edit of the dragged handle, or both for the range.
void PreviewPanel::ColourDraggedEdits(bool dragging)
{
    TrimEdits *edits = clipList_ ? clipList_->Trims() : nullptr;
    if (!edits)
        return;
    if (drag_ != Drag::End)
        edits->SetStartDragging(dragging);
    if (drag_ != Drag::Start)
        edits->SetStopDragging(dragging);
}

void PreviewPanel::DragTo(QPoint globalPosition)
{
    const int dx = globalPosition.x() - DragStartCursor.x();
    if (drag_ == Drag::Start)
        DragStartHandle(bar_, DragStartLeft, dx, BarMetrics());
    else if (drag_ == Drag::End)
        DragEndHandle(bar_, DragStartLeft, dx, BarMetrics());
    else if (drag_ == Drag::Range)
        DragRange(bar_, DragStartLeft, dx, BarMetrics());
    else
        return;
    ApplyRangeBar();
    ShowDraggedTimes();
}

void PreviewPanel::ShowDraggedTimes()
{
    const int duration = clip_->Duration;
    if (drag_ != Drag::End && suiEdit_Start)
        suiEdit_Start->setText(TimeText(StartSecondOf(bar_, duration, BarMetrics())));
    if (drag_ != Drag::Start && suiEdit_Stop)
        suiEdit_Stop->setText(TimeText(EndSecondOf(bar_, duration, BarMetrics())));
    ColourDraggedEdits(true);   // after the texts: the typed-time check re-colours a changed edit
}

void PreviewPanel::ReleaseBar()
{
    if (drag_ == Drag::None || !clip_)
        return;
    SetPreviewBusy(true);
    StoreReleasedSeconds();
    const int second = drag_ == Drag::End ? clip_->EndTime : clip_->StartTime;
    SeekOrStart(SeekSecond(second, clip_->Duration));
    ColourDraggedEdits(false);
    drag_ = Drag::None;
    if (clipList_)
        clipList_->RefreshOutputNames();
}

void PreviewPanel::StoreReleasedSeconds()
{
    const int duration = clip_->Duration;
    if (drag_ != Drag::End)
        clip_->SetStartTime(StartSecondOf(bar_, duration, BarMetrics()));
    if (drag_ != Drag::Start)
        clip_->SetEndTime(EndSecondOf(bar_, duration, BarMetrics()));
    if (!clipList_)
        return;
    clipList_->Model().NoteEdited(*clip_);
    if (clipList_->Trims())
        clipList_->Trims()->ShowClip(clip_);
}

void PreviewPanel::SeekOrStart(int second)
{
    if (frames_.FrameReady) {
        if (second == frames_.LastFrameSecond)
            SetPreviewBusy(false);
        else
            frames_.Seek(second);
        return;
    }
    // Not ready: never started, or the engine closed the service on its own.
    if (EnsureFrameEngine())
        frames_.Start(engineWindow_.Handle(), clip_->FileName, second);
    else
        SetPreviewBusy(false);   // no engine: nothing will end the wait
}
