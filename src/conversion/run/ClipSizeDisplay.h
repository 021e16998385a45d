#pragma once
// The run's predicted sizes before it starts: each clip's output in its row and the
// run's total with the output drive's free space under the list. It follows the clip
// list's model (clips, trims, order, checks) and the parameter panel's state (target,
// profile, panel values, output folder), once per burst of changes.

#include "ProfileDefinitions.h"

#include <QObject>
#include <QTimer>

#include <functional>

class ClipListPanel;
class ParameterPanel;
class ProgramOptions;
class QLabel;
class TMainForm;

namespace conversion {

class ClipSizeDisplay : public QObject {
    Q_OBJECT
public:
    using Definitions = std::function<const targets::ProfileDefinitions &()>;

    // A child of `mainForm`; `definitions` gives the profile definitions the run reads.
    // The output root and the minimum length come from `options` at each refresh.
    ClipSizeDisplay(TMainForm &mainForm, ClipListPanel &clipList, const ParameterPanel &panel,
                    Definitions definitions, const ProgramOptions &options);

    // Shows the sizes for the list and the panel as they are now.
    void Refresh();

private:
    void Schedule();

    TMainForm &mainForm_;
    ClipListPanel &clipList_;
    const ParameterPanel &panel_;
    Definitions definitions_;
    const ProgramOptions &options_;
    QLabel *total_ = nullptr;   // Label_RunTotal
    QTimer pending_;
};

} // namespace conversion
