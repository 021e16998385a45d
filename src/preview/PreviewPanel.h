#pragma once
// The main window's preview: the current clip's picture, the trim range bar
// under it and the snapshot button. Made as a child of the main window, it
// takes the form's preview controls over by name and follows the clip list's
// current clip; released handles ask the engine's frame service for the frame
// at their second. The controls are watched pointers: the form deletes them
// before this child when it goes.

#include "FrameService.h"
#include "RangeBarGeometry.h"

#include "EngineWindow.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <cstdint>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;
class ClipListPanel;
class TVideoInfo;

class PreviewPanel : public QObject {
    Q_OBJECT
public:
    // The frame service keeps its work file in `settingsFolder`.
    PreviewPanel(QWidget *form, ClipListPanel *clipList, const QString &settingsFolder);
    ~PreviewPanel() override;

    void SetPreviewBusy(bool busy);
    void PlaceRangeBar(double startRatio, double endRatio);
    bool EnsureFrameEngine();
    void ShutdownFrameEngine();
    QImage FetchFrame(int width, int height) { return frames_.FetchFrame(width, height); }

    // The clip list's current-clip signals.
    void CurrentClipLeaving(TVideoInfo *clip);
    void CurrentClipChanged(TVideoInfo *clip);
    void EngineMessage(uint32_t message, uintptr_t wparam, intptr_t lparam);

    void suiImageButton_SnapshootClick();

    FrameService::State FrameState() const { return frames_.CurrentState(); }
    const RangeBarLayout &RangeBar() const { return bar_; }
    TVideoInfo *CurrentClip() const { return clip_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    enum class Drag { None, Start, End, Range };

    void AdoptControls(QWidget *form);
    void ConnectClipList();
    void ApplyRangeBar();
    RangeBarMetrics BarMetrics() const;
    void PressBar(Drag drag, QPoint globalPosition);
    void DragTo(QPoint globalPosition);
    void ReleaseBar();
    void ShowDraggedTimes();
    void ColourDraggedEdits(bool dragging);
    void StoreReleasedSeconds();
    void SeekOrStart(int second);
    void FrameArrived(uintptr_t wparam);
    void ShowThumbnail();

    ClipListPanel *clipList_;
    FrameService frames_;
    // The frame service posts here rather than to the main window: its messages
    // then never mix with a conversion's, and they stop with this object.
    platform::EngineWindow engineWindow_{this};
    TVideoInfo *clip_ = nullptr;
    RangeBarLayout bar_;
    Drag drag_ = Drag::None;
    QPoint DragStartCursor;
    int DragStartLeft = 0;
    QString snapshotFolder_;   // the folder the last snapshot went to, for the next one

    QPointer<QWidget> Panel_Preview;
    QPointer<QLabel> Image_Preview;
    QPointer<QLabel> Label_Info;
    QPointer<QWidget> Panel_Progress;
    QPointer<QWidget> Image_ProgressBack;
    QPointer<QWidget> Image_Stretch;
    QPointer<QWidget> Image_Left;
    QPointer<QWidget> Image_Right;
    QPointer<QAbstractButton> suiImageButton_Snapshoot;
    QPointer<QLineEdit> suiEdit_Start;
    QPointer<QLineEdit> suiEdit_Stop;
};
