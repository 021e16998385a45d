#pragma once
// The parameter panel of the main window: fills the panel controls for the chosen
// target from the profile definitions, remembers what the user left on each target,
// keeps the aspect choice, the size fields and the volume track bar in step, and
// answers job assembly and output naming with the panel's values.
//
// Made as a child of the main window, it takes over the panel controls by name and
// becomes the window's target selection (TMainForm::SelectTarget).

#include "JobPanelValues.h"
#include "OutputPanelValues.h"
#include "PanelControls.h"
#include "PanelRules.h"
#include "ProfileDefinitions.h"
#include "ProfileEntryTexts.h"
#include "RememberedPanels.h"

#include <QObject>
#include <QSize>

#include <functional>
#include <optional>

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
    explicit ParameterPanel(TMainForm &form);

    ParameterPanelEnvironment environment;

    // Saves the current target's panel, fills the panel for `target` and puts back
    // what the user left there.
    void SelectTarget(int target);
    // The first fill of every list and field for the current target.
    void FillFromDefinitions();
    // Fills suiComboBox_PF with the current target's user profiles (hidden when it has none).
    void BuildProfileList();
    // Puts the profile of an entry of suiComboBox_PF onto the panel; nothing for no entry.
    void ApplyProfile(int entry);
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

    int AspectMode() const { return aspectMode_; }
    QSize LastCustomSize() const { return lastCustomSize_; }
    QString TargetSection() const { return targetSection_; }
    // The open definition reader; null before the first fill.
    const targets::ProfileDefinitions *Definitions() const;

    naming::OutputPanelValues OutputValues() const;
    conversion::JobPanelValues JobValues() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectHandlers();
    const targets::ProfileDefinitions &definitions();   // opened on first need
    const targets::ProfileStore &profileStore();         // PfSetting.ini, read through on every call
    void refillCodecLists();
    targets::RememberedPanel currentPanel() const;
    void restorePanel(const targets::RememberedPanel &slot);
    void showControlsFor(int target);
    void setShown(std::initializer_list<const char *> names, bool shown);
    void fillVolume(const QString &section, const QString &fallbackSection);
    void fillSizeField(QSpinBox &field, const targets::NumberSetting &setting);
    void fillAspectList(QComboBox &list, const targets::ChoiceList &choices);
    int resolveAspectMode() const;
    void refillHdResolution();
    void MpegAspectHandling();
    void syncSizeFields();
    void selectProfileNamed(const QString &name);
    void rememberProfileIndex(int entry);
    void noticeWhenChecked(const QCheckBox &box, targets::EngineSwitch engineSwitch);

    TMainForm &form_;
    PanelControls c;
    std::optional<targets::ProfileDefinitions> definitions_;
    std::optional<targets::ProfileStore> profileStore_;
    targets::MainWindowProfileList profiles_;   // what suiComboBox_PF lists
    QString targetSection_;
    int aspectMode_ = 0;
    QSize lastCustomSize_{0, 0};
    targets::RememberedPanels remembered_;
};
