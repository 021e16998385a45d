#pragma once
// The output name of one clip: the expanded template followed by the extension.

#include "OutputPanelValues.h"
#include "RenameSettings.h"
#include "TemplateTokens.h"

#include <QDate>
#include <QString>

namespace naming {

// The clip facts the template reads.
struct ClipNamingFacts {
    QString fileName;       // source file path
    int startTime = 0;      // seconds
    int endTime = 0;        // seconds
    int width = 0;          // source size in pixels
    int height = 0;
};

// Serial number of the clip at a zero-based list position.
QString SerialNumberOfPosition(int position, const RenameSettings &settings);

TokenValues TokenValuesOf(const ClipNamingFacts &clip, int position, const RenameSettings &settings,
                          const OutputPanelValues &panel, const QDate &today);

QString MakeOutputName(const ClipNamingFacts &clip, int position, const RenameSettings &settings,
                       const OutputPanelValues &panel, const QDate &today);

} // namespace naming
