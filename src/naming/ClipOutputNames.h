#pragma once
// Output naming over the clip records, under the current naming settings and the
// current output folder.

#include "OutputName.h"
#include "OutputPanelValues.h"

#include <QList>
#include <QString>

class TVideoInfo;

namespace naming {

ClipNamingFacts NamingFactsOf(const TVideoInfo &clip);

// The output name of the clip at a zero-based list position, dated today.
QString MakeOutputName(const TVideoInfo &clip, int position, const OutputPanelValues &panel);

// Gives every clip the output name of its position (SetOutputName).
void RefreshOutputNames(const QList<TVideoInfo *> &clips, const OutputPanelValues &panel);

// Decides where the clip at `position` is converted to for the target: the cleaned
// output name, made unique in g_s_OutputFolder + the target's folder (both created as
// needed). Stores the path in the clip's OutputPath and returns it.
QString MakeFinalOutputPath(TVideoInfo &clip, int position, int targetNumber);

} // namespace naming
