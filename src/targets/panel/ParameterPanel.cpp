#include "ParameterPanel.h"

#include "ProgramOptions.h"
#include "mainform/TMainForm.h"

#include <QComboBox>

using namespace targets;

ParameterPanel::ParameterPanel(TMainForm &form, const ProgramOptions &options)
    : QObject(&form), form_(form), options_(options), c(PanelControls::Find(form))
{
    setObjectName(QStringLiteral("ParameterPanel"));
    ConnectHandlers();
    ConnectStateEdits();
    form_.SetSelectTargetHandler([this](int target) { SelectTarget(target); });
    // The DVD boxes start as the selector's setting says, so what is shown is what is made.
    suiComboBox_DVDPFChange();
}

const ProfileDefinitions &ParameterPanel::LoadedDefinitions()
{
    if (!definitions_)
        definitions_.emplace(ProfileDefinitions::LoadShipped());
    return *definitions_;
}

const ProfileDefinitions *ParameterPanel::Definitions() const
{
    return definitions_ ? &*definitions_ : nullptr;
}

const ProfileStore &ParameterPanel::Profiles()
{
    if (!profileStore_)
        profileStore_.emplace(options_.ProfileSettingsFilePath());
    return *profileStore_;
}

PanelInputs ParameterPanel::Inputs()
{
    const std::optional<QSize> clipSize =
        environment.currentClipSize ? environment.currentClipSize() : std::optional<QSize>();
    return {LoadedDefinitions(), &Profiles(), clipSize, options_.outputFolder};
}

void ParameterPanel::SelectTarget(int target)
{
    targets::SelectTarget(state_, target, Inputs());
    form_.CurTargetType = target;
    ShowRememberedProfileEntry();
    Show();
    RefreshOutputNames();
}

void ParameterPanel::RefreshOutputNames()
{
    if (environment.refreshOutputNames)
        environment.refreshOutputNames();
}

naming::OutputPanelValues ParameterPanel::OutputValues() const
{
    static const ProfileDefinitions noDefinitions;   // before the first fill nothing is read
    return OutputPanelValuesOf(state_, definitions_ ? *definitions_ : noDefinitions);
}

conversion::JobPanelValues ParameterPanel::JobValues() const
{
    return conversion::JobPanelValuesOf(state_);
}
