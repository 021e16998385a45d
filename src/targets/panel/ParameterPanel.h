#pragma once
// The parameter panel of the main window: shows a targets::PanelState on the panel
// controls and edits it. A control's change goes through the PanelState functions, the
// controls are then filled from the state, and job assembly and output naming read the
// state, never the controls.
//
// Made as a child of the main window, it takes over the panel controls by name and
// becomes the window's target selection (TMainForm::SelectTarget).

#include "JobPanelValues.h"
#include "OutputPanelValues.h"
#include "PanelControls.h"
#include "PanelState.h"
#include "ProfileDefinitions.h"

#include <QObject>
#include <QSize>

#include <array>
#include <functional>
#include <optional>

class ProgramOptions;
class QCheckBox;
class QSpinBox;
class TMainForm;

// What the panel needs from the rest of the program; unset hooks do nothing.
struct ParameterPanelEnvironment {
    // Width and height of the clip shown in the detail area; nothing when there is none.
    std::function<std::optional<QSize>()> currentClipSize;
    // Recomputes every clip's output name (the names read OutputValues()).
    std::function<void()> refreshOutputNames;
};

class ParameterPanel : public QObject {
    Q_OBJECT
public:
    // The output root and the user profiles come from `options`.
    ParameterPanel(TMainForm &form, const ProgramOptions &options);

    ParameterPanelEnvironment environment;

    // Saves the current target's panel, fills the panel for `target` and puts back
    // what the user left there.
    void SelectTarget(int target);
    void RefreshOutputNames();

    void suiComboBox_ProfileChange();        // the aspect handling
    void suiComboBox_OutputFormatChange();
    void suiComboBox_ResolutionChange();
    void suiComboBox_PFChange();
    void suiComboBox_VideoCodecChange();
    void suiSpinEdit_VideoWidthChange();
    void suiSpinEdit_VideoHeightChange();
    void suiSpinEdit_VideoWidthExit(QSpinBox &field);   // either size field
    void suiTrackBar_VolumeChange();
    void suiCheckBox_HQEClick();
    void suiCheckBox_DeInterlaceClick();
    void suiCheckBox_ForceSyncClick();
    void suiCheckBox_DVD_NTSCMouseUp(QCheckBox &released);   // any of the four DVD boxes
    void suiComboBox_DVDPFChange();
    // Saves the panel as a named profile of the current target, or removes the chosen
    // one, through the profile store with its questions; the list is built again.
    void suiImageButton_SaveProfileClick();
    void suiImageButton_RemoveProfileClick();

    const targets::PanelState &State() const { return state_; }
    int AspectMode() const { return state_.aspectMode; }
    // The open definition reader; null before the first fill.
    const targets::ProfileDefinitions *Definitions() const;

    naming::OutputPanelValues OutputValues() const;
    conversion::JobPanelValues JobValues() const;

signals:
    // The state has changed (a control, a handler or a new target), once it is settled.
    void StateChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ConnectHandlers();
    void ConnectStateEdits();
    void AnnounceStateEdits();
    const targets::ProfileDefinitions &LoadedDefinitions();   // opened on first need
    const targets::ProfileStore &Profiles();                  // PfSetting.ini, read through on every call
    targets::PanelInputs Inputs();

    // The controls filled from the state (ParameterPanelView.cpp).
    void Show();
    void ShowLists();
    void ShowProfileList();
    void ShowFields();
    void ShowSwitchesAndTexts();
    void ShowDvdBoxes();
    void ShowVolumeLabel();
    void ShowVisibility();
    void SetShown(std::initializer_list<const char *> names, bool shown);

    std::array<std::pair<QCheckBox *, targets::DvdBox>, 4> DvdBoxControls() const;
    void ChooseFromList(targets::PanelList list, int index);
    void RememberProfileIndex(int entry);
    void ShowRememberedProfileEntry();
    void NoticeWhenChecked(const QCheckBox &box, targets::EngineSwitch engineSwitch);

    TMainForm &form_;
    const ProgramOptions &options_;
    PanelControls c;
    std::optional<targets::ProfileDefinitions> definitions_;
    std::optional<targets::ProfileStore> profileStore_;
    targets::PanelState state_;
};
