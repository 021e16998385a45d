#pragma once
// The clip list of the main window: a view of its ClipListModel, with the clips'
// rows in a scrolling panel, selection by click, removing and clearing, the pop-up
// menu, the adding pass and the optical-disc notices.
//
// Made as a child of the main window, it takes over the form's clip-list controls
// by name (it settles inside Panel_Info and takes suiImagePanel_InfoMove as its
// own child; Panel_Bar, Image_Bar, Panel_Intro,
// Panel_AddProgress, Panel_Progress1, Label_Percent), its buttons
// (suiImageButton_OpenDir, suiImageButton_OpenFile, suiImageButton_Clear), the
// trimming edits (suiEdit_Start, suiEdit_Stop), the hidden row pictures and
// Label_Info; without such a form it builds the list controls inside itself.
// The preview and the naming connect to its signals and ClipListEnvironment.

#include "ClipListModel.h"
#include "ClipProbe.h"
#include "FrameRateChoice.h"
#include "InfoListItem.h"
#include "RowPictures.h"
#include "VideoInfo.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class AddingPass;
class QAbstractButton;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class FpsDialogQuestion;
class FrameRateQuestion;
class TrimEdits;
namespace platform {
class VolumeWatcher;
struct Volume;
}

// What the list needs from the rest of the program; unset hooks use defaults.
struct ClipListEnvironment {
    std::function<QString()> openDialogFilter;       // Windows filter syntax; default: every file
    std::function<QString()> settingsFolder;         // ending with "/"; default: the temporary folder
    std::function<QString()> defaultAudioLanguage;   // the saved default audio language; default: none
    std::function<QString()> localeLanguage;         // default: the locale's language name, upper case
    // The naming template's output name of a clip at a list position (from 0);
    // the source's base name when unset.
    std::function<QString(const TVideoInfo &clip, int position)> outputName;
    std::function<bool()> previewSeeking;            // the preview shows "Seeking please wait..."
};

class ClipListPanel : public QWidget {
    Q_OBJECT
public:
    explicit ClipListPanel(QWidget *form = nullptr);
    ~ClipListPanel() override;

    ClipListEnvironment environment;

    ClipListModel &Model() const { return *model_; }
    const QList<TInfoListItem *> &Rows() const { return rows_; }   // every row in display order
    // The mount point of a DVD-Video disc, "A" for none.
    const QString &DiscDrive() const { return discDrive_; }

    void SelectClipRow(TInfoListItem *row);
    void RemoveSelectedClips();
    void ClearClipList();
    void RefreshOutputNames();

    // The add-files command: file dialog, probes, progress and report.
    void suiImageButton_OpenDirClick();
    // Starts the adding pass for files chosen in the dialog or given otherwise; the
    // list is busy until it ends.
    void AddFiles(const QStringList &files);
    // Escape or the progress panel's Cancel: the files not yet probed are left out.
    void CancelAdding();

    // The start and end edits stay the host's; normalColour is suiEdit_OutputFolder's.
    void AttachTrimEdits(QLineEdit *start, QLineEdit *stop, const QColor &normalColour);
    TrimEdits *Trims() const { return trimEdits_; }
    // Another way of answering the frame-rate question (null: the dialog's).
    void SetFrameRateQuestion(FrameRateQuestion *question) { frameRateQuestion_ = question; }
    // The program's skinned frame-rate window (TFPSSelecteForm) asks; without it a plain dialog does.
    void UseFrameRateForm(QDialog &form);
    void SetRowCursor(const QCursor &cursor) { pictures_.cursor = cursor; }   // "Press.cur"
    void WatchVolumes(platform::VolumeWatcher *watcher);

    QMenu *PopupMenu();   // made on first use
    void ShowPopupMenu(const QPoint &globalPosition);
    int ThumbTop() const;
    void SetThumbTop(int top);   // as a drag of the thumb would
    int FirstShownRow() const;   // from 0
    void ScrollToRow(int firstRow);   // as far as the list allows

signals:
    // Before an adding pass: the preview shuts its frame engine down.
    void PreviewShutdownRequested();
    void TrimRangeStored(TVideoInfo *clip);
    void DiscLabelFound(const QString &label);   // for suiEdit_DVDName
    void ProgressStepShown(int percent);             // each step of the progress panel

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool AdoptControls(QWidget *form);
    void PlaceColumnHeaders(QWidget *form);
    void BuildControls();
    void BuildProgressPanel();
    void ConnectFormControls(QWidget *form);
    void ConnectCancelControls(QWidget *form);
    void ConnectRow(TInfoListItem *row);
    void PlaceRow(TInfoListItem *row);
    bool ListBackgroundEvent(QEvent *event);
    bool ThumbEvent(QEvent *event);
    bool WheelScroll(QWheelEvent *event);
    void RowReleased(TInfoListItem *row, Qt::MouseButton button, QPoint globalPosition);
    bool IgnoresClicks() const;
    void PopupMenuClick(const QString &entryName);
    void ShowAddedClip(TVideoInfo *clip);
    void ShowRemainingClips();
    void PlaceRows();
    void UpdateListHeight();
    void ScrollList();
    void ShowProgress(int done, int total);
    void AddingPassEnded();
    QString OutputNameOf(const TVideoInfo &clip, int position) const;
    ClipProbeServices ProbeServices();
    FrameRateQuestion &FrameRateQuestionInUse();
    void OpticalVolumeArrived(const platform::Volume &volume);
    void OpticalVolumeRemoved(const platform::Volume &volume);

    ClipListModel *model_;
    QList<TInfoListItem *> rows_;
    QString discDrive_ = QStringLiteral("A");
    RowPictures pictures_;
    InfoListItemFactory rowFactory_;
    QWidget *Panel_Info = nullptr;
    QWidget *suiImagePanel_InfoMove = nullptr;
    QWidget *Panel_Bar = nullptr;
    QWidget *Image_Bar = nullptr;
    QWidget *Panel_Intro = nullptr;
    QWidget *Panel_AddProgress = nullptr;
    QWidget *Panel_Progress1 = nullptr;
    QLabel *Label_Percent = nullptr;
    QAbstractButton *Button_CancelAdding = nullptr;
    std::unique_ptr<AddingPass> addingPass_;
    std::unique_ptr<QMenu> popupMenu_;   // no parent: keeps the desktop's look, not the skin's
    TrimEdits *trimEdits_ = nullptr;
    FrameRateQuestion *frameRateQuestion_ = nullptr;
    DeferredFrameRateQuestion deferredFrameRateQuestion_{[this]() -> FrameRateQuestion & { return FrameRateQuestionInUse(); }};
    QDialog *fpsForm_ = nullptr;   // the program's frame-rate window, when given
    std::unique_ptr<QDialog> ownFpsForm_;
    std::unique_ptr<FpsDialogQuestion> ownFpsQuestion_;
    bool thumbDragging_ = false;
    int dragStartCursorY_ = 0;
    int dragStartThumbTop_ = 0;
    static constexpr int kWheelNotch = 120;   // eighths of a degree
    int wheelEighths_ = 0;                    // wheel turn not yet scrolled
};
