#pragma once
// The file extension that belongs to the chosen target and output format.

#include "OutputPanelValues.h"

#include <QString>

namespace naming {

// ".avi", ".m2ts", ".vob", ".mp4", or "" when neither the target nor a chosen
// output format decides one.
QString OutputExtension(const OutputPanelValues &panel);

} // namespace naming
