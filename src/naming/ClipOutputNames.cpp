#include "ClipOutputNames.h"

#include "FinalOutputPath.h"
#include "OptionVariables.h"
#include "RenameSettings.h"
#include "TargetCatalogue.h"
#include "VideoInfo.h"

namespace naming {

ClipNamingFacts NamingFactsOf(const TVideoInfo &clip)
{
    return ClipNamingFacts{clip.FileName, clip.StartTime, clip.EndTime, clip.Width, clip.Height};
}

QString MakeOutputName(const TVideoInfo &clip, int position, const OutputPanelValues &panel)
{
    return MakeOutputName(NamingFactsOf(clip), position, CurrentRenameSettings(), panel, QDate::currentDate());
}

void RefreshOutputNames(const QList<TVideoInfo *> &clips, const OutputPanelValues &panel)
{
    for (int position = 0; position < clips.size(); ++position)
        clips[position]->SetOutputName(MakeOutputName(*clips[position], position, panel));
}

QString MakeFinalOutputPath(TVideoInfo &clip, int position, int targetNumber)
{
    const QString folder = TargetOutputFolder(g_s_OutputFolder, targets::TargetFolder(targetNumber));
    const QString fallbackName = SerialNumberOfPosition(position, CurrentRenameSettings());
    clip.OutputPath = FinalOutputPathIn(folder, clip.OutputName, fallbackName);
    return clip.OutputPath;
}

} // namespace naming
