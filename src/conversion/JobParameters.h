#pragma once
// The run-wide values of a job: read once per run from the parameter panel and the
// profile definitions.

#include "ConvertJob.h"
#include "JobPanelValues.h"
#include "ProfileDefinitions.h"

#include <QString>

namespace conversion {

// The artist name as the engine gets it: "Unkonwn" for an empty field, at most 50 characters.
QString ArtistNameText(const QString &artistName);

// Fills the run-wide fields of `job` for `target`: profile values at the panel's
// selections, the DVD replacements, the frame size, and whether the frame rate
// follows each source.
void ReadJobParameters(ConvertJob &job, int target, const JobPanelValues &panel,
                       const targets::ProfileDefinitions &definitions);

} // namespace conversion
