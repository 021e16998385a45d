#include "MainWindowStart.h"

#include "ClipListPanel.h"
#include "ClipRecordFacts.h"
#include "ClipSizeDisplay.h"
#include "ParameterPanel.h"
#include "PreviewPanel.h"
#include "ProfileDefinitions.h"
#include "ProcessRun.h"
#include "RunSize.h"
#include "VideoInfo.h"
#include "mainform/TMainForm.h"

#include <QAbstractButton>

#include <algorithm>
#include <memory>
#include <optional>

namespace conversion {

namespace {

StartState StartStateOf(const TMainForm &mainForm, const ClipListModel &clipList)
{
    const auto &clips = clipList.Clips();
    StartState state{clipList.Busy(), mainForm.PreviewIsSeeking(),
                     std::any_of(clips.begin(), clips.end(), [](const auto &clip) { return clip->Checked; }),
                     mainForm.CurTargetType, int(clips.size()), {}};
    for (const auto &clip : clips) {
        if (clip->AudioOnly)
            state.clipsWithoutPicture << clip->FileName;
    }
    return state;
}

RunRequest RequestOf(const TMainForm &mainForm, const ClipListModel &clipList, const JobPanelValues &panel,
                     const targets::ProfileDefinitions &definitions, const ProgramOptions &options)
{
    RunRequest request;
    request.settings = RunSettingsFromOptions(mainForm.CurTargetType, panel, definitions, options);
    const RunClips runClips = RunClipsOf(clipList.Clips(), mainForm.CurTargetType);
    request.clipAt = ClipLookupOf(runClips);
    request.storeTargetFile = [runClips](int index, const QString &targetFile) {
        if (index >= 0 && index < int(runClips->size()))
            (*runClips)[index]->OutputPath = targetFile;
    };
    request.uploadClips = [runClips] {
        QList<UploadClip> clips;
        for (const TVideoInfo *clip : *runClips)
            clips.append({clip->Checked, clip->OutputPath, clip->OutputName});
        return clips;
    };
    return request;
}

} // namespace

ProcessRun *AttachConversionRun(TMainForm &mainForm, TProcessForm &processForm, const ProgramOptions &options,
                                RunSources sources)
{
    auto *run = new ProcessRun(processForm, options);
    // Read at their first use, then shared by the start and the predicted sizes.
    auto loaded = std::make_shared<std::optional<targets::ProfileDefinitions>>();
    const auto definitions = [loaded]() -> const targets::ProfileDefinitions & {
        if (!*loaded)
            loaded->emplace(targets::ProfileDefinitions::LoadShipped());
        return **loaded;
    };
    new ClipSizeDisplay(mainForm, sources.clipList, sources.panel, definitions, options);   // a child of the main window
    auto *button = mainForm.findChild<QAbstractButton *>(QStringLiteral("suiImageButton_StartConvert"));
    QObject::connect(button, &QAbstractButton::clicked, run, [&mainForm, &options, run, definitions, sources] {
        const ClipListModel &clipList = sources.clipList.Model();
        RunRequest request = RequestOf(mainForm, clipList, sources.panel.JobValues(), definitions(), options);
        StartState state = StartStateOf(mainForm, clipList);
        state.predictedBytes = PredictRun(request.settings, request.clipAt).total.bytes;
        state.freeBytes = FreeBytesFor(request.settings.outputFolder);
        if (!StartChecksPass(&mainForm, state))
            return;
        if (sources.preview)
            sources.preview->ShutdownFrameEngine();   // the run loads the engine library itself
        run->StartConversion(std::move(request));
    });
    return run;
}

} // namespace conversion
