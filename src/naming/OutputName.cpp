#include "OutputName.h"

#include "OutputExtension.h"

namespace naming {

QString SerialNumberOfPosition(int position, const RenameSettings &settings)
{
    // Widened so that a serial start near the integer limit cannot overflow.
    return SerialNumberText(qint64(position) + settings.firstSerialNumber, settings.fixedDigits);
}

TokenValues TokenValuesOf(const ClipNamingFacts &clip, int position, const RenameSettings &settings,
                          const OutputPanelValues &panel, const QDate &today)
{
    return TokenValues{
        SourceNameStem(clip.fileName),
        QStringLiteral("Clip") + QString::number(position),
        LengthText(clip.endTime - clip.startTime),
        ResolutionText(panel, clip.width, clip.height),
        DateText(today),
        SerialNumberOfPosition(position, settings),
    };
}

QString MakeOutputName(const ClipNamingFacts &clip, int position, const RenameSettings &settings,
                       const OutputPanelValues &panel, const QDate &today)
{
    const TokenValues values = TokenValuesOf(clip, position, settings, panel, today);
    return ExpandTemplate(settings.nameTemplate, values) + OutputExtension(panel);
}

} // namespace naming
