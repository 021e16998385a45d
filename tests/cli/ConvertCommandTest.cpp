// pelorin-convert in the test's own process with the scripted engine: the engine call it
// makes equals the one job assembly makes from the same panel values, and bad usage,
// missing, unreadable and failing files end with the right status and message.

#include "CliWorld.h"

#include "ClipProbe.h"
#include "ClipRecordFacts.h"
#include "ConversionRun.h"
#include "MediaProbe.h"
#include "OutputExtension.h"
#include "ProfileDefinitions.h"
#include "TargetCatalogue.h"
#include "TargetPanel.h"
#include "TestAuthoring.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '[' << texts.join(QLatin1String(", ")).toStdString() << ']';
}

namespace cli {
namespace {

using testing_support::CliWorld;
using testing_support::CommandResult;

const QSize SourceSize(640, 480);

class ConvertCommand : public testing::Test {
protected:
    QString Source(const QString &name = QStringLiteral("clip.avi"))
    {
        return world_.MediaFile(name, TestEngine::VideoInfo(60, 25.0f, SourceSize.width(), SourceSize.height()));
    }

    QStringList Arguments(const QString &target, const QStringList &options, const QString &file) const
    {
        return QStringList{QStringLiteral("--target"), target, QStringLiteral("--output-dir"), world_.OutputRoot()}
            + options + QStringList{file};
    }

    // The engine call job assembly makes for the same file and panel: the file probed as the
    // clip list probes it, named as the clip list names it, through a conversion run.
    QStringList JobAssemblyCall(int target, const conversion::TargetPanel &panel, const QString &file,
                                const QString &outputRoot)
    {
        ClipProbeServices services;
        services.settingsFolder = scratch_.path() + QLatin1Char('/');   // the probe's scratch files
        std::unique_ptr<TVideoInfo> clip = ProbeClip(file, services);
        EXPECT_TRUE(clip);
        clip->OutputName = QFileInfo(file).completeBaseName() + naming::OutputExtension(panel.OutputValues());
        conversion::JobClip facts = conversion::JobClipOf(*clip);
        conversion::RunSettings settings;
        settings.target = target;
        settings.panel = panel.JobValues();
        settings.outputFolder = outputRoot;
        settings.definitions = &definitions_;
        static KorvidWindow quiet{[](KorvidWindow *, uint32_t, uintptr_t, intptr_t) {}};
        conversion::ConversionRun run(&quiet, {});
        run.Start(settings, [facts](int index) { return index == 0 ? std::optional(facts) : std::nullopt; });
        EXPECT_EQ(run.ConvertClip(0), 0);
        return RecordedArguments();
    }

    // The arguments of the last target call, the output root written as "<out>".
    QStringList RecordedArguments(const QString &outputRoot = QString())
    {
        QStringList arguments = TestEngine::Arguments(world_.engine.Calls(entry_).value(world_.engine.CallCount(entry_) - 1));
        if (!outputRoot.isEmpty())
            arguments.replaceInStrings(outputRoot, QStringLiteral("<out>/"));
        return arguments;
    }

    CliWorld world_;
    QTemporaryDir scratch_;
    const targets::ProfileDefinitions definitions_ =
        targets::ProfileDefinitions::Load(QStringLiteral(SHIPPED_DATA "/PfDef.dll"));
    QString entry_;
};

struct CallCase {
    const char *target;
    const char *entry;
    QStringList options;
    const char *profileValues;   // the shipped profile the command line names or preselects; null: none
    QList<QPair<QString, QString>> settings;
};

TEST_F(ConvertCommand, EngineCallIsJobAssemblysForTheSamePanel)
{
    const QString aspect = QStringLiteral("VideoAspect");
    const CallCase cases[] = {
        {"iPod", "X_SetPar_D2IPOD_VIDEO", {}, "0,0,1,0,1000,2,0,0,1,0,0", {}},   // "Standard", preselected
        {"ipod", "X_SetPar_D2IPOD_VIDEO", {"--profile", "small size"}, "0,0,0,0,500,1,0,0,1,0,0", {}},
        {"AVI", "X_SetPar_D2AVI", {"--set", "AudioCodec=ac3", "--set", "VideoBitRate=800"}, "0,1,3,0,1200,0,0,0,1,0,0",
         {{"AudioCodec", "ac3"}, {"VideoBitRate", "800"}}},
        {"HDMP4", "X_TO_HD_AVC", {"--set", "VideoAspect=Original Size and Keep Aspect Ratio"}, "0,1,0,0,6000,2,1,0,1,0,0",
         {{aspect, "Original Size and Keep Aspect Ratio"}}},
        {"MPEG", "X_SetPar_D2MPEG", {"--set", "VideoAspect=DVD PAL 4:3 (720 x 576)"}, nullptr,
         {{aspect, "DVD PAL 4:3 (720 x 576)"}}},
        {"MP3", "X_SetPar_D2IPOD_MP3", {"--profile", "High Quality"}, "0,0,0,0,0,7,1,0,1,0,0", {}},
    };
    for (const CallCase &call : cases) {
        SCOPED_TRACE(call.target + (" " + call.options.join(QLatin1Char(' ')).toStdString()));
        entry_ = QLatin1String(call.entry);
        QDir(world_.OutputRoot()).removeRecursively();   // each case's file takes the plain name
        const QString file = Source();
        const CommandResult result = world_.Run(Arguments(QLatin1String(call.target), call.options, file));
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        const QStringList commandCall = RecordedArguments(world_.OutputRoot());

        const int target = targets::TargetNumberOfName(QString::fromLatin1(call.target).replace(QStringLiteral("ipod"), QStringLiteral("iPod")));
        std::optional<targets::ProfileValues> profile;
        if (call.profileValues)
            profile = targets::ProfileValues::Parse(QLatin1String(call.profileValues));
        conversion::TargetPanel panel(definitions_, target, SourceSize, profile);
        for (const auto &[key, value] : call.settings)
            ASSERT_FALSE(panel.Set(key, value));
        QTemporaryDir expectedRoot;
        const QString root = expectedRoot.path() + QLatin1Char('/');
        EXPECT_EQ(commandCall, JobAssemblyCall(target, panel, file, root).replaceInStrings(root, QStringLiteral("<out>/")));
    }
}

TEST_F(ConvertCommand, ShowJobPrintsTheCallAndConvertsNothing)
{
    entry_ = QStringLiteral("X_SetPar_D2IPOD_VIDEO");
    const QString file = Source();
    const CommandResult shown = world_.Run(Arguments(QStringLiteral("iPod"), {QStringLiteral("--show-job")}, file));
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    EXPECT_EQ(world_.engine.CallCount(entry_), 0);
    EXPECT_FALSE(QFileInfo::exists(world_.OutputRoot() + QStringLiteral("iPod/clip.mp4")));

    // The same call, made: the window handle and 2, the texts, the interface stamp.
    ASSERT_EQ(world_.Run(Arguments(QStringLiteral("iPod"), {}, file)).status, 0);
    const QStringList made = RecordedArguments();
    QStringList texts;
    for (const QString &text : made.mid(2, made.size() - 3))
        texts << QLatin1Char('"') + text + QLatin1Char('"');
    const QString call = entry_ + QStringLiteral("(window, 2, ") + texts.join(QStringLiteral(", ")) + QStringLiteral(", ")
        + made.last() + QLatin1Char(')');
    EXPECT_TRUE(shown.out.contains(call)) << shown.out.toStdString() << "\nexpected " << call.toStdString();
}

struct UsageCase {
    QStringList arguments;   // "FILE" stands for an existing source file
    const char *message;
};

TEST_F(ConvertCommand, BadUsageEndsWithStatusTwoAndSaysWhy)
{
    const QString file = Source();
    const UsageCase cases[] = {
        {{"--target", "Walkman", "FILE"}, "unknown target \"Walkman\""},
        {{"--target", "DVD_Disc", "FILE"}, "unknown target"},
        {{"--target", "iPod", "--profile", "Tiny", "FILE"}, "unknown profile \"Tiny\" for iPod; profiles: Standard"},
        {{"--target", "MPEG", "--profile", "Standard", "FILE"}, "MPEG has no saved profiles"},
        {{"--target", "iPod", "--set", "Sharpness=2", "FILE"}, "unknown setting \"Sharpness\""},
        {{"--target", "iPod", "--set", "VideoCodec=vp9", "FILE"}, "VideoCodec has no choice \"vp9\""},
        {{"--target", "iPod", "--set", "VideoBitRate", "FILE"}, "--set takes Key=Value"},
        {{"--target", "iPod", "--start", "1:75:00", "FILE"}, "--start takes HH:MM:SS"},
        {{"--target", "iPod", "--start", "10", "--end", "5", "FILE"}, "--start must come before --end"},
        {{"--target", "iPod", "--audio-track", "0", "FILE"}, "--audio-track takes a track number from 1"},
        {{"--target", "iPod", "--frame-rate", "fastest", "FILE"}, "--frame-rate takes first, second or calculate"},
        {{"--target", "iPod", "/no/such/clip.avi"}, "no such file: /no/such/clip.avi"},
        {{"--target", "iPod"}, "no files given"},
        {{"FILE"}, "no --target given"},
        {{"--target", "iPod", "--colour", "FILE"}, "Unknown option 'colour'"},
    };
    for (const UsageCase &usage : cases) {
        const QStringList arguments = QStringList(usage.arguments).replaceInStrings(QStringLiteral("FILE"), file);
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const CommandResult result = world_.Run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.err.contains(QLatin1String(usage.message))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    }
    EXPECT_TRUE(QDir(world_.OutputRoot()).isEmpty()) << "bad usage converted something";
}

TEST_F(ConvertCommand, UnreadableFileIsListedAndTheOthersConvert)
{
    entry_ = QStringLiteral("X_SetPar_D2IPOD_VIDEO");
    const QString good = Source(QStringLiteral("good.avi"));
    const QString unreadable = world_.MediaFile(QStringLiteral("notes.avi"), {});
    world_.engine.SetProbe(unreadable, {}, -1);
    world_.engine.SetLastError(QStringLiteral("no video or audio stream found"));
    const CommandResult result =
        world_.Run({QStringLiteral("--target"), QStringLiteral("iPod"), QStringLiteral("--output-dir"),
                    world_.OutputRoot(), unreadable, good});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(unreadable + QStringLiteral(" (no video or audio stream found)"))) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(good));
    EXPECT_EQ(world_.engine.CallCount(entry_), 1);
    EXPECT_TRUE(result.out.contains(QStringLiteral("converted: ") + world_.OutputRoot() + QStringLiteral("iPod/good.mp4")))
        << result.out.toStdString();
}

TEST_F(ConvertCommand, FailingClipIsListedWithTheEnginesReason)
{
    entry_ = QStringLiteral("X_SetPar_D2IPOD_VIDEO");
    const QString first = Source(QStringLiteral("first.avi"));
    const QString second = Source(QStringLiteral("second.avi"));
    world_.engine.SetEntryResult(entry_, -1);
    world_.engine.SetLastError(QStringLiteral("the disk is full"));
    const CommandResult result = world_.Run(
        {QStringLiteral("--json"), QStringLiteral("--target"), QStringLiteral("iPod"), QStringLiteral("--output-dir"),
         world_.OutputRoot(), first, second});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(world_.engine.CallCount(entry_), 2) << "a failed clip does not end the run";
    EXPECT_TRUE(result.out.contains(QStringLiteral("\"reason\":\"the disk is full\",\"result\":\"failed\"")))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("\"exitStatus\":1,\"failed\":2"))) << result.out.toStdString();
}

TEST_F(ConvertCommand, SoundOnlyFileNeedsAMusicTarget)
{
    EngineFileInfo sound = TestEngine::VideoInfo(30, 0.0f, 0, 0);
    sound.audioOnly = 1;
    const QString song = world_.MediaFile(QStringLiteral("song.wav"), sound);
    const CommandResult video = world_.Run(Arguments(QStringLiteral("iPod"), {}, song));
    EXPECT_EQ(video.status, 1);
    EXPECT_TRUE(video.err.contains(QStringLiteral("sound only"))) << video.err.toStdString();
    EXPECT_EQ(world_.Run(Arguments(QStringLiteral("MP3"), {}, song)).status, 0);
}

TEST_F(ConvertCommand, TrimAndAudioTrackReachTheJob)
{
    entry_ = QStringLiteral("X_SetPar_D2IPOD_VIDEO");
    const QString file = Source();
    const CommandResult trimmed = world_.Run(Arguments(
        QStringLiteral("iPod"), {QStringLiteral("--start"), QStringLiteral("00:00:10"), QStringLiteral("--end"), QStringLiteral("0:40")}, file));
    ASSERT_EQ(trimmed.status, 0) << trimmed.err.toStdString();
    const QStringList arguments = RecordedArguments();
    EXPECT_EQ(arguments.value(4), QStringLiteral("10")) << "start";
    EXPECT_EQ(arguments.value(21), QStringLiteral("30")) << "length";

    const CommandResult beyond = world_.Run(Arguments(QStringLiteral("iPod"), {QStringLiteral("--start"), QStringLiteral("2:00")}, file));
    EXPECT_EQ(beyond.status, 1);
    EXPECT_TRUE(beyond.err.contains(QStringLiteral("--start is not before the end of the clip (60 s long)")))
        << beyond.err.toStdString();
    const CommandResult noTrack = world_.Run(Arguments(QStringLiteral("iPod"), {QStringLiteral("--audio-track"), QStringLiteral("3")}, file));
    EXPECT_EQ(noTrack.status, 1);
    EXPECT_TRUE(noTrack.err.contains(QStringLiteral("the clip has 0 audio track(s), not 3"))) << noTrack.err.toStdString();
}

TEST_F(ConvertCommand, DvdFolderIsAuthoredWithoutWritingToTheSettings)
{
    TestAuthoring authoring;
    const QString file = Source();
    const CommandResult result = world_.Run(Arguments(QStringLiteral("DVD_Folder"), {}, file));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    ASSERT_EQ(authoring.Calls(), 1);
    EXPECT_TRUE(authoring.LastDescription().contains(QFile::encodeName(world_.OutputRoot() + QStringLiteral("DVD/clip.vob"))))
        << authoring.LastDescription().toStdString();
    for (const QString &settings : {world_.sandbox.ProgramFolder(), world_.sandbox.SettingsFolder()})
        EXPECT_FALSE(authoring.LastPath().startsWith(settings)) << authoring.LastPath().toStdString();
    EXPECT_TRUE(QFileInfo(world_.OutputRoot() + QStringLiteral("DVD/DVD_DISC")).isDir());
}

// A real 25 fps clip that the engine's probe reads as 29.97 fps: the answer given on the
// command line settles it, as the frame-rate dialog would.
TEST_F(ConvertCommand, FrameRateAnswerSettlesTheProbesDisagreement)
{
    entry_ = QStringLiteral("X_SetPar_D2IPOD_VIDEO");
    QTemporaryDir folder;
    const QString clip = folder.path() + QStringLiteral("/real.mp4");
    ASSERT_TRUE(conversion::testing_support::MakeTestClip(clip, 1, 160, 120));
    world_.engine.SetProbe(clip, TestEngine::VideoInfo(1, 29.97f, 160, 120));
    const std::pair<const char *, const char *> answers[] = {
        {"first", "25/1"}, {"calculate", "25/1"}, {"second", "30000/1001"}};
    for (const auto &[answer, frameRate] : answers) {
        SCOPED_TRACE(answer);
        const CommandResult result =
            world_.Run(Arguments(QStringLiteral("iPod"), {QStringLiteral("--frame-rate"), QLatin1String(answer)}, clip));
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_EQ(RecordedArguments().value(16), QLatin1String(frameRate)) << "the engine's frame rate";
    }
}

TEST_F(ConvertCommand, ListProfilesNamesTheProfilesAndTheChoicesOfEachKey)
{
    const CommandResult result = world_.Run({QStringLiteral("--list-profiles"), QStringLiteral("ipod")});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("* Standard : Video-mp4,640:480,1000kbps"))) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("  Small Size : ")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("VideoCodec (video codec): choices: *H.264 / AVC, MPEG-4")));
    EXPECT_TRUE(result.out.contains(QStringLiteral("VideoBitRate (video bit rate, kbps): now 1000, range 100 to 1500")));
}

TEST_F(ConvertCommand, NameTemplateNamesTheOutput)
{
    const QString file = Source(QStringLiteral("holiday.avi"));
    const CommandResult result = world_.Run(
        Arguments(QStringLiteral("iPod"), {QStringLiteral("--name-template"), QStringLiteral("#Name #Resolution")}, file));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(world_.OutputRoot() + QStringLiteral("iPod/holiday 640x480.mp4"))) << result.out.toStdString();
}

TEST_F(ConvertCommand, ReadsTheWindowsSettingsAndLeavesThemAlone)
{
    entry_ = QStringLiteral("X_SetPar_D2IPOD_VIDEO");
    const QByteArray profiles = "[iPod-Profile]\nProfileCount=1\nProfileText0=Tiny\nProfileDefault=0\n"
                                "Tiny=0,0,0,0,300,0,0,0,0,0,0\n";
    const QByteArray options = "[Option]\nTemplate=#Name-small\n";
    world_.sandbox.WriteSettingsFile(QStringLiteral("PfSetting.ini"), profiles);
    world_.sandbox.WriteSettingsFile(QStringLiteral("Option.ini"), options);
    const QString file = Source();
    const CommandResult result = world_.Run(Arguments(QStringLiteral("iPod"), {}, file));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(RecordedArguments().value(9), QStringLiteral("300")) << "the user's preselected profile's bit rate";
    EXPECT_TRUE(QFileInfo::exists(world_.OutputRoot() + QStringLiteral("iPod/clip-small.mp4"))) << result.out.toStdString();
    EXPECT_EQ(world_.sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")), profiles);
    EXPECT_EQ(world_.sandbox.ReadSettingsFile(QStringLiteral("Option.ini")), options);
    EXPECT_EQ(QDir(world_.sandbox.SettingsFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({QStringLiteral("Option.ini"), QStringLiteral("PfSetting.ini")}));
}

} // namespace
} // namespace cli
