#include "ConvertCommand.h"

#include "AddingReport.h"
#include "ClipOutputNames.h"
#include "ClipRecordFacts.h"
#include "ClipRunner.h"
#include "ClipSource.h"
#include "CommandLine.h"
#include "FilesToAdd.h"
#include "LibraryLoader.h"
#include "ProgramOptions.h"
#include "Paths.h"
#include "SettingsLocation.h"
#include "TargetCatalogue.h"
#include "TargetSetup.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace cli {
namespace {

using ClipRecords = std::vector<std::unique_ptr<TVideoInfo>>;

constexpr int UsageStatus = 2;

int UsageError(const Console &console, const QString &problem)
{
    console.err(QStringLiteral("pelorin-convert: %1\n").arg(problem));
    return UsageStatus;
}

// The window's options, read from its settings folder without making or changing anything there.
ProgramOptions WindowOptions()
{
    const QString programFolder = platform::ProgramFolder();
    return ProgramOptions::Load(programFolder, ExistingSettingsFolder(programFolder), ProgramOptions::Access::ReadOnly);
}

// Everything a conversion starts from that can be wrong on the command line.
struct Setup {
    int target = -1;
    targets::ProfileDefinitions definitions;
    std::optional<targets::ProfileValues> profile;
    QStringList files;
};

std::variant<Setup, QString> SetUp(const ConvertOptions &options, const ProgramOptions &windowOptions)
{
    Setup setup;
    const std::variant<int, QString> target = TargetNamed(options.targetName);
    if (const QString *problem = std::get_if<QString>(&target))
        return *problem;
    setup.target = std::get<int>(target);
    setup.definitions = targets::ProfileDefinitions::LoadShipped();
    const targets::ProfileStore store(windowOptions.ProfileSettingsFilePath());
    auto profile = ProfileFor(store, setup.definitions, setup.target, options.profileName);
    if (const QString *problem = std::get_if<QString>(&profile))
        return *problem;
    setup.profile = std::get<0>(profile);
    conversion::TargetPanel panel(setup.definitions, setup.target, QSize(), setup.profile);
    if (std::optional<QString> problem = ApplySettings(panel, options.settings))
        return *problem;
    setup.files = FilesToAdd(options.files, QDir::currentPath());
    for (const QString &file : setup.files) {
        if (!QFileInfo::exists(file))
            return QStringLiteral("no such file: %1").arg(file);
    }
    if (setup.files.isEmpty())
        return QStringLiteral("no media files in %1").arg(options.files.join(QStringLiteral(", ")));
    return setup;
}

// The clips of the files that can be converted; the others are reported and listed in `rejected`.
ClipRecords TakeClips(const Setup &setup, const ConvertOptions &options, const QString &audioLanguage,
                      RunReport &report, QStringList &rejected)
{
    ClipSource source({options.startSeconds, options.endSeconds, options.audioTrack, options.frameRate, audioLanguage});
    ClipRecords clips;
    source.Take(setup.files, [&](const QString &file, ClipSource::Taken taken) {
        QString problem = std::holds_alternative<QString>(taken) ? std::get<QString>(taken) : QString();
        if (problem.isEmpty() && std::get<0>(taken)->AudioOnly && !targets::IsMusicTarget(setup.target))
            problem = QStringLiteral("it has sound only; choose a music target such as MP3");
        if (!problem.isEmpty()) {
            report.Rejected(file, problem);
            rejected << FileWithReason(file, problem);
            return;
        }
        clips.push_back(std::move(std::get<0>(taken)));
    });
    return clips;
}

void NameClips(ClipRecords &clips, const conversion::TargetPanel &panel, RenameSettings rename,
               const std::optional<QString> &nameTemplate)
{
    if (nameTemplate)
        rename.nameTemplate = *nameTemplate;
    for (std::size_t index = 0; index < clips.size(); ++index) {
        TVideoInfo &clip = *clips[index];
        clip.SetOutputName(naming::MakeOutputName(naming::NamingFactsOf(clip), int(index), rename,
                                                  panel.OutputValues(), QDate::currentDate()));
    }
}

QString OutputRoot(const QString &outputFolder, const ProgramOptions &windowOptions)
{
    if (outputFolder.isEmpty())
        return windowOptions.outputFolder;
    return platform::WithTrailingSlash(QDir::current().absoluteFilePath(outputFolder));
}

int Convert(const ConvertOptions &options, const Console &console, const conversion::OutputProbe &checkOutput)
{
    const ProgramOptions windowOptions = WindowOptions();
    std::variant<Setup, QString> prepared = SetUp(options, windowOptions);
    if (const QString *problem = std::get_if<QString>(&prepared))
        return UsageError(console, *problem);
    const Setup &setup = std::get<Setup>(prepared);
    RunReport report(console, options.json);
    RunSummary summary;
    ClipRecords clips = TakeClips(setup, options, windowOptions.DefaultAudioLanguage(), report, summary.failures);
    if (!clips.empty()) {
        const QSize firstClipSize(clips.front()->Width, clips.front()->Height);   // the window selects the first clip
        conversion::TargetPanel panel(setup.definitions, setup.target, firstClipSize, setup.profile);
        ApplySettings(panel, options.settings);   // taken by the same panel before
        NameClips(clips, panel, windowOptions.renameSettings, options.nameTemplate);
        const QTemporaryDir scratch;   // the DVD description while authoring: never the settings folder
        const conversion::RunSettings settings{setup.target, panel.JobValues(),
                                               OutputRoot(options.outputFolder, windowOptions),
                                               windowOptions.minDurationSeconds, &setup.definitions,
                                               windowOptions.stallTimeoutSeconds, QString(), checkOutput,
                                               scratch.path() + QLatin1Char('/')};
        const conversion::ClipLookup clipAt = conversion::ClipLookupOf(conversion::RunClipsOf(clips, setup.target));
        if (options.showJob) {
            ShowJobs(settings, clipAt, report);
            return summary.failures.isEmpty() ? 0 : 1;
        }
        const RunSummary run = ConvertClips(settings, clipAt, report);
        summary = {run.converted, run.stopped, summary.failures + run.failures, run.interrupted, 0};
    }
    summary.exitStatus = ExitStatusOf(summary);
    report.RunEnded(summary);
    return summary.exitStatus;
}

int ListProfiles(const ConvertOptions &options, const Console &console)
{
    const std::variant<int, QString> target = TargetNamed(options.targetName);
    if (const QString *problem = std::get_if<QString>(&target))
        return UsageError(console, *problem);
    const targets::ProfileStore store(WindowOptions().ProfileSettingsFilePath());
    console.out(ProfilesListing(store, targets::ProfileDefinitions::LoadShipped(), std::get<int>(target)));
    return 0;
}

} // namespace

int RunConvertCommand(const QStringList &arguments, const Console &console, const conversion::OutputProbe &checkOutput)
{
    const std::variant<ConvertOptions, QString> parsed = ParseCommandLine(arguments);
    if (const QString *problem = std::get_if<QString>(&parsed))
        return UsageError(console, *problem + QStringLiteral("\nTry 'pelorin-convert --help'."));
    const ConvertOptions &options = std::get<ConvertOptions>(parsed);
    switch (options.action) {
    case Action::Help: console.out(UsageText()); return 0;
    case Action::ListTargets: console.out(TargetsListing()); return 0;
    case Action::ListProfiles: return ListProfiles(options, console);
    case Action::Convert: break;
    }
    return Convert(options, console, checkOutput);
}

} // namespace cli
