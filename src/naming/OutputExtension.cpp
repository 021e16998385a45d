#include "OutputExtension.h"

#include "TargetCatalogue.h"

namespace naming {

namespace {

// MPEG aspect modes that produce DVD video objects.
bool IsMpegVobAspectMode(int aspectMode)
{
    return aspectMode == 11 || aspectMode == 12 || aspectMode == 17 || aspectMode == 18;
}

// A format value that is missing from the definitions ("nodef") gives no extension.
QString ExtensionOfOutputFormat(const OutputPanelValues &panel)
{
    const QString value = panel.outputFormatValue.trimmed();
    if (panel.outputFormatIndex < 0 || value.isEmpty() || value == QLatin1String("nodef"))
        return {};
    if (panel.targetNumber == targets::TargetHDTS)
        return QStringLiteral(".m2ts");
    return QLatin1Char('.') + value.toLower();
}

} // namespace

QString OutputExtension(const OutputPanelValues &panel)
{
    if (panel.targetNumber == targets::TargetMPEG && IsMpegVobAspectMode(panel.aspectMode))
        return QStringLiteral(".vob");
    if (panel.targetNumber == targets::TargetVOB_File)
        return QStringLiteral(".vob");
    if (panel.targetNumber == targets::TargetPSP)
        return QStringLiteral(".mp4");
    return ExtensionOfOutputFormat(panel);
}

} // namespace naming
