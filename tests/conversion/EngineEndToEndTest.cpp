// Every target converts a short generated clip with the preselected choices of the
// shipped definition file, through the real engine, into a file that ffprobe reads
// with the container, codecs, frame size and duration that the job asked for.

#include "ConversionRun.h"

#include "DefinitionSections.h"
#include "LibraryLoader.h"
#include "MediaProbe.h"
#include "OutputExtension.h"
#include "ProfileDefinitions.h"
#include "TestHelpers.h"
#include "TargetCatalogue.h"
#include "TargetPanel.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace conversion {
namespace {

using namespace testing_support;

constexpr int ClipSeconds = 2;

// What ffprobe calls the engine's container and codec names.
const std::map<QString, QString> ContainerFormats = {
    {QStringLiteral("mp4"), QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2")},
    {QStringLiteral("m4v"), QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2")},
    {QStringLiteral("m4a"), QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2")},
    {QStringLiteral("mov"), QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2")},
    {QStringLiteral("3gp"), QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2")},
    {QStringLiteral("avi"), QStringLiteral("avi")},
    {QStringLiteral("asf"), QStringLiteral("asf")},
    {QStringLiteral("wmv"), QStringLiteral("asf")},
    {QStringLiteral("wma"), QStringLiteral("asf")},
    {QStringLiteral("mpg"), QStringLiteral("mpeg")},
    {QStringLiteral("mpeg"), QStringLiteral("mpeg")},
    {QStringLiteral("mpeg2"), QStringLiteral("mpeg")},
    {QStringLiteral("vob"), QStringLiteral("mpeg")},
    {QStringLiteral("dvd"), QStringLiteral("mpeg")},
    {QStringLiteral("ts"), QStringLiteral("mpegts")},
    {QStringLiteral("m2ts"), QStringLiteral("mpegts")},
    {QStringLiteral("mpeg2ts"), QStringLiteral("mpegts")},
    {QStringLiteral("flv"), QStringLiteral("flv")},
    {QStringLiteral("mkv"), QStringLiteral("matroska,webm")},
    {QStringLiteral("mp3"), QStringLiteral("mp3")},
    {QStringLiteral("aac"), QStringLiteral("aac")},
    {QStringLiteral("ac3"), QStringLiteral("ac3")},
    {QStringLiteral("ogg"), QStringLiteral("ogg")},
    {QStringLiteral("wav"), QStringLiteral("wav")},
};

const std::map<QString, QString> VideoCodecs = {
    {QStringLiteral("h264"), QStringLiteral("h264")},      {QStringLiteral("mpeg4"), QStringLiteral("mpeg4")},
    {QStringLiteral("xvid"), QStringLiteral("mpeg4")},     {QStringLiteral("mpeg1"), QStringLiteral("mpeg1video")},
    {QStringLiteral("mpeg2"), QStringLiteral("mpeg2video")}, {QStringLiteral("dvd"), QStringLiteral("mpeg2video")},
    {QStringLiteral("mpeg2ts"), QStringLiteral("mpeg2video")}, {QStringLiteral("wmv2"), QStringLiteral("wmv2")},
    {QStringLiteral("flv"), QStringLiteral("flv1")},       {QStringLiteral("h263"), QStringLiteral("h263")},
};

const std::map<QString, QString> AudioCodecs = {
    {QStringLiteral("aac"), QStringLiteral("aac")},     {QStringLiteral("mp3"), QStringLiteral("mp3")},
    {QStringLiteral("ac3"), QStringLiteral("ac3")},     {QStringLiteral("mp2"), QStringLiteral("mp2")},
    {QStringLiteral("wmav2"), QStringLiteral("wmav2")}, {QStringLiteral("vorbis"), QStringLiteral("vorbis")},
    {QStringLiteral("pcm"), QStringLiteral("pcm_s16le")},
};

QString Lookup(const std::map<QString, QString> &table, const QString &name)
{
    const auto found = table.find(name.toLower());
    return found == table.end() ? QString() : found->second;
}

// "16:9" as 1.777...; 0 for a text that is no ratio.
double RatioOf(const QString &aspect)
{
    const double height = aspect.section(QLatin1Char(':'), 1, 1).toDouble();
    return height > 0 ? aspect.section(QLatin1Char(':'), 0, 0).toDouble() / height : 0.0;
}

// The shipped definitions, the generated source clip and the real engine, shared by
// every test of the program.
class EngineEndToEnd : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        clipFolder_ = new QTemporaryDir;
        clipPath_ = clipFolder_->path() + QLatin1String("/source.mp4");
        clipMade_ = MakeTestClip(clipPath_, ClipSeconds, 160, 120);
        platform::SetProgramFolderForTesting(QStringLiteral(PELORIN_PROGRAM_FOLDER "/"));
    }

    static void TearDownTestSuite()
    {
        delete clipFolder_;
        clipFolder_ = nullptr;
    }

    static const targets::ProfileDefinitions &Definitions()
    {
        static const targets::ProfileDefinitions definitions =
            targets::ProfileDefinitions::Load(QStringLiteral(PELORIN_PROGRAM_FOLDER "/PfDef.dll"));
        return definitions;
    }

    static JobClip SourceClip()
    {
        return VideoClip(clipPath_, 160, 120, ClipSeconds);
    }

    static TargetPanel PanelFor(int target)
    {
        return TargetPanel(Definitions(), target, QSize(160, 120));
    }

    // Converts the source clip with the panel's values (as given, when given); the job is left in `run`.
    int Convert(const TargetPanel &panel, ConversionRun &run, std::optional<JobPanelValues> values = std::nullopt)
    {
        JobClip clip = SourceClip();
        clip.outputName = QStringLiteral("clip") + naming::OutputExtension(panel.OutputValues());
        RunSettings settings{panel.Target(), values.value_or(panel.JobValues()), output_.path() + QLatin1Char('/'), 0,
                             &Definitions()};
        run.Start(settings, [clip](int index) { return index == 0 ? std::optional<JobClip>(clip) : std::nullopt; });
        return run.ConvertClip(0);
    }

    // The file of a successful conversion holds what its job asked for.
    static void ExpectAsAsked(const ConvertJob &job, bool audioOnly)
    {
        const ProbedMedia media = ProbeMedia(job.TargetFile);
        ASSERT_TRUE(media.readable) << media.error.toStdString();
        const QString container = audioOnly ? QFileInfo(job.TargetFile).suffix() : job.OutputFormat;
        const QString format = Lookup(ContainerFormats, container);
        EXPECT_FALSE(format.isEmpty()) << "the job names no known container: " << container.toStdString();
        EXPECT_EQ(media.formatName, format);
        const QString audioCodec = Lookup(AudioCodecs, job.AudioCodec);
        EXPECT_FALSE(audioCodec.isEmpty()) << "the job names no known audio codec: " << job.AudioCodec.toStdString();
        EXPECT_EQ(media.audioCodec, audioCodec);
        EXPECT_NEAR(media.durationSeconds, ClipSeconds, 0.4);
        if (audioOnly) {
            EXPECT_TRUE(media.videoCodec.isEmpty()) << "an audio target wrote video";
            return;
        }
        const QString videoCodec = Lookup(VideoCodecs, job.EngineCodec);
        EXPECT_FALSE(videoCodec.isEmpty()) << "the job names no known video codec: " << job.EngineCodec.toStdString();
        EXPECT_EQ(media.videoCodec, videoCodec);
        EXPECT_EQ(QStringLiteral("%1:%2").arg(media.width).arg(media.height), job.FrameSize);
        if (job.DisplayAspect == QLatin1String("4:3") || job.DisplayAspect == QLatin1String("16:9")) {
            // MPEG-1 picks its pixel shape from a fixed table, so 4:3 comes out as 880:657.
            EXPECT_NEAR(RatioOf(media.displayAspect), RatioOf(job.DisplayAspect), 0.01)
                << media.displayAspect.toStdString() << " for " << job.DisplayAspect.toStdString();
        }
    }

    static inline QTemporaryDir *clipFolder_ = nullptr;
    static inline QString clipPath_;
    static inline bool clipMade_ = false;
    QTemporaryDir output_;
};

class EveryTargetDefaults : public EngineEndToEnd, public testing::WithParamInterface<int> {};

TEST_P(EveryTargetDefaults, Convert)
{
    ASSERT_TRUE(clipMade_) << "the ffmpeg program could not make the source clip";
    const int target = GetParam();
    ConversionRun run(QuietWindow(), {});
    const int result = Convert(PanelFor(target), run);
    if (target == targets::TargetDVD_Disc || target == targets::TargetDVD_ISO) {
        EXPECT_EQ(result, ClipFailed) << "the disc and ISO targets have no entry point";
        EXPECT_FALSE(QFileInfo::exists(run.Job().TargetFile));
        return;
    }
    ASSERT_EQ(result, 0) << "the engine failed on " << run.Job().TargetFile.toStdString();
    ExpectAsAsked(run.Job(), target >= targets::TargetAAC);
}

INSTANTIATE_TEST_SUITE_P(EngineEndToEnd, EveryTargetDefaults, testing::Range(0, targets::TargetCount),
                         [](const testing::TestParamInfo<int> &info) {
                             return std::to_string(info.param) + "_" + targets::TargetName(info.param).toStdString();
                         });

// Every "Output Image Setting" of target MPEG, the letter-boxed DVD, SVCD and VCD modes among them.
class MpegAspectChoices : public EngineEndToEnd, public testing::WithParamInterface<int> {};

TEST_P(MpegAspectChoices, Convert)
{
    ASSERT_TRUE(clipMade_) << "the ffmpeg program could not make the source clip";
    const targets::ChoiceList choices =
        targets::ReadChoiceList(Definitions(), targets::TargetSectionName(targets::TargetMPEG), QStringLiteral("VideoAspect"));
    ASSERT_LT(qsizetype(GetParam()), choices.items.size()) << "the shipped MPEG profile has fewer image settings";
    ConversionRun run(QuietWindow(), {});
    TargetPanel panel = PanelFor(targets::TargetMPEG);
    panel.ChooseAspect(GetParam());
    ASSERT_EQ(Convert(panel, run), 0) << choices.items[GetParam()].toStdString();
    ExpectAsAsked(run.Job(), false);
}

INSTANTIATE_TEST_SUITE_P(EngineEndToEnd, MpegAspectChoices, testing::Range(0, 11));

// The four DVD settings of the VOB target: NTSC or PAL, 16:9 or 4:3, letter-boxed.
class DvdSettings : public EngineEndToEnd, public testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(DvdSettings, Convert)
{
    ASSERT_TRUE(clipMade_) << "the ffmpeg program could not make the source clip";
    const TargetPanel vob = PanelFor(targets::TargetVOB_File);
    JobPanelValues panel = vob.JobValues();
    std::tie(panel.dvdNtsc, panel.dvdWide) = GetParam();
    ConversionRun run(QuietWindow(), {});
    ASSERT_EQ(Convert(vob, run, panel), 0);
    EXPECT_EQ(run.Job().TvSystem, panel.dvdNtsc ? 1 : 2);
    ExpectAsAsked(run.Job(), false);
}

INSTANTIATE_TEST_SUITE_P(EngineEndToEnd, DvdSettings, testing::Combine(testing::Bool(), testing::Bool()));

} // namespace
} // namespace conversion
