#pragma once
// The parameter panel of one target without its window, for a program that converts
// without one: a PanelState (PanelState.h) chosen for the target with an optional saved
// profile, edited by key, read by job assembly and output naming.

#include "JobPanelValues.h"
#include "OutputPanelValues.h"
#include "PanelState.h"

#include <QSize>
#include <QString>

#include <optional>

namespace conversion {

using targets::PanelKey;
using targets::PanelKeys;

class TargetPanel {
public:
    // The panel right after `target` is chosen, with `profile` put on as the profile list
    // puts its preselected entry on (none: the definitions' preselection). The size fields
    // follow `clipSize`, the selected clip's size, where the aspect mode asks for it.
    // `definitions` must outlive this.
    TargetPanel(const targets::ProfileDefinitions &definitions, int target, QSize clipSize,
                const std::optional<targets::ProfileValues> &profile = std::nullopt);

    // Picks another entry of the "Output Image Setting" list, as the user would.
    void ChooseAspect(int index);
    // targets::SetByKey on this panel.
    std::optional<QString> Set(const QString &key, const QString &value);
    QString ChoicesText(const QString &key) const;

    JobPanelValues JobValues() const;
    naming::OutputPanelValues OutputValues() const;
    int Target() const { return state_.target; }
    const targets::PanelState &State() const { return state_; }

private:
    targets::PanelInputs Inputs() const;

    const targets::ProfileDefinitions &definitions_;
    QSize clipSize_;
    targets::PanelState state_;
};

} // namespace conversion
