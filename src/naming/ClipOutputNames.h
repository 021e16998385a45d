#pragma once
// Output naming over the clip records, under the given naming settings and output root.

#include "OutputName.h"
#include "OutputPanelValues.h"
#include "ProgramOptions.h"

#include <QList>
#include <QString>

class TVideoInfo;

namespace naming {

ClipNamingFacts NamingFactsOf(const TVideoInfo &clip);

// The output name of the clip at a zero-based list position, dated today.
QString MakeOutputName(const TVideoInfo &clip, int position, const RenameSettings &settings,
                       const OutputPanelValues &panel);

// Gives every clip the output name of its position (SetOutputName).
void RefreshOutputNames(const QList<TVideoInfo *> &clips, const RenameSettings &settings,
                        const OutputPanelValues &panel);

// Decides where the clip at `position` is converted to for the target: the cleaned
// output name, made unique in the options' output root + the target's folder (both
// created as needed). Stores the path in the clip's OutputPath and returns it.
QString MakeFinalOutputPath(TVideoInfo &clip, int position, int targetNumber, const ProgramOptions &options);

} // namespace naming
