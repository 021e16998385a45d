#pragma once
// The parameter panel's values right after a target is chosen, with nothing changed by
// the user: the preselected choice of every list of the shipped definitions, read the
// way the panel fills itself (target section, then the output format's sub-section;
// the aspect handling; MPEG's aspect-mode sub-sections).

#include "JobClip.h"
#include "JobPanelValues.h"
#include "ProfileDefinitions.h"

namespace conversion::testing_support {

// `aspectChoice` picks another entry of the "Output Image Setting" list; -1 keeps the preselected one.
JobPanelValues DefaultPanelValues(const targets::ProfileDefinitions &definitions, int target, const JobClip &clip,
                                  int aspectChoice = -1);

// baseName with the extension that the clip list's naming gives for the target and panel.
QString DefaultOutputName(const targets::ProfileDefinitions &definitions, int target, const JobPanelValues &panel,
                          const QString &baseName);

} // namespace conversion::testing_support
