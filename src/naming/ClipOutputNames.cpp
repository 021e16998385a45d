#include "ClipOutputNames.h"

#include "FinalOutputPath.h"
#include "TargetCatalogue.h"
#include "VideoInfo.h"

namespace naming {

ClipNamingFacts NamingFactsOf(const TVideoInfo &clip)
{
    return ClipNamingFacts{clip.FileName, clip.StartTime, clip.EndTime, clip.Width, clip.Height};
}

QString MakeOutputName(const TVideoInfo &clip, int position, const RenameSettings &settings,
                       const OutputPanelValues &panel)
{
    return MakeOutputName(NamingFactsOf(clip), position, settings, panel, QDate::currentDate());
}

void RefreshOutputNames(const QList<TVideoInfo *> &clips, const RenameSettings &settings,
                        const OutputPanelValues &panel)
{
    for (int position = 0; position < clips.size(); ++position)
        clips[position]->SetOutputName(MakeOutputName(*clips[position], position, settings, panel));
}

QString MakeFinalOutputPath(TVideoInfo &clip, int position, int targetNumber, const ProgramOptions &options)
{
    const QString folder = TargetOutputFolder(options.outputFolder, targets::TargetFolder(targetNumber));
    const QString fallbackName = SerialNumberOfPosition(position, options.renameSettings);
    clip.OutputPath = FinalOutputPathIn(folder, clip.OutputName, fallbackName);
    return clip.OutputPath;
}

} // namespace naming
