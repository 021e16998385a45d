#pragma once
// The main window. It lays out its controls, runs the start-up and closing steps,
// and routes to the classes that carry the behaviour: the target selectors here,
// and the clip list, the preview and the parameter panel, which find their
// controls on this form by name.

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "korvid.h"

namespace platform {
class EngineWindow;
}

class ProgramOptions;
class ProgramWindows;
class QLabel;
class QLineEdit;
class QTimer;
class TargetSelector;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    // `windows` gives access to the other windows (created after this one).
    TMainForm(ProgramOptions &options, ProgramWindows *windows);
    ~TMainForm() override;

    // Selects target `target`: by default makes it current and shows its output
    // folder with the target's sub-folder. The parameter panel installs its own
    // selection, which then does all of that itself (including CurTargetType).
    void SelectTarget(int target);
    void SetSelectTargetHandler(std::function<void(int target)> handler);

    // The handle the engine posts to; its messages arrive as EngineMessage().
    KorvidWindow *EngineWindowHandle() const;
    // "Seeking please wait..." is shown: row clicks and closing are refused.
    bool PreviewIsSeeking() const;

    TargetSelector *TargetSelectorControl() const { return targetSelector_; }
    ProgramWindows *Windows() const { return windows_; }

    int CurTargetType = -1;
    QString LocaleLanguage;      // English name of the user's language, upper case

    // Handlers of the title bar and the bottom bar.
    void suiImageButton_CloseClick();
    void suiImageButton_MinClick();
    void suiImageButton_BrowseClick();
    void suiImageButton_OpenClick();
    void suiImageButton_AboutClick();
    void suiImageButton_HomeClick();
    void suiImageButton_MailClick();
    void Timer_UpdateTimer();

signals:
    // 0x908 ready, 0x96C frame (wparam 1: a frame can be fetched), 0x9D0 closed.
    void EngineMessage(uint32_t message, uintptr_t wparam, intptr_t lparam);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void BuildControls();
    void ConnectHandlers();
    void FillCoreList();
    void SaveOptions();

    ProgramOptions &options_;
    ProgramWindows *windows_;
    TargetSelector *targetSelector_ = nullptr;
    QLabel *seekingLabel_ = nullptr;       // Label_Info
    QLineEdit *outputFolderEdit_ = nullptr;
    QTimer *updateTimer_ = nullptr;
    bool shownOnce_ = false;
    std::function<void(int)> selectTargetHandler_;
    std::unique_ptr<platform::EngineWindow> engineWindow_;
};
