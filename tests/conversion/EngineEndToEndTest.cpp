// Every target converts a short generated clip with the preselected choices of the
// shipped definition file, through the real engine, into a file that ffprobe reads
// with the container, codecs, frame size and duration that the job asked for.

#include "ConversionRun.h"

#include "DefaultPanel.h"
#include "DefinitionSections.h"
#include "LibraryLoader.h"
#include "MediaProbe.h"
#include "OutputExtension.h"
#include "TestHelpers.h"
#include "TargetCatalogue.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

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

class EngineEndToEnd : public testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite()
    {
        clipFolder_ = new QTemporaryDir;
        clipPath_ = clipFolder_->path() + QLatin1String("/source.mp4");
        clipMade_ = MakeTestClip(clipPath_, ClipSeconds, 160, 120);
        platform::SetProgramFolderForTesting(QStringLiteral(PELORIN_PROGRAM_FOLDER "/"));
        definitions_ = new targets::ProfileDefinitions(
            targets::ProfileDefinitions::load(QStringLiteral(PELORIN_PROGRAM_FOLDER "/PfDef.dll")));
    }

    static void TearDownTestSuite()
    {
        delete definitions_;
        delete clipFolder_;
    }

    static JobClip SourceClip()
    {
        JobClip clip;
        clip.fileName = clipPath_;
        clip.durationSeconds = ClipSeconds;
        clip.endSeconds = ClipSeconds;
        clip.frameRate = 25.0f;
        clip.videoStreamId = 1;
        clip.audioRowCount = 1;
        clip.audioStreamId = 2;
        clip.width = 160;
        clip.height = 120;
        clip.aspectIndex = 2;   // square pixels
        return clip;
    }

    // The output name's extension, as the clip list's naming gives it.
    static QString OutputNameFor(int target, const JobPanelValues &panel)
    {
        const QString section = targets::TargetSectionName(target);
        naming::OutputPanelValues naming;
        naming.targetNumber = target;
        naming.aspectMode = targets::AspectModeOf(
            targets::ResolveChoiceValue(*definitions_, section, QStringLiteral("VideoAspect"), panel.aspectIndex));
        naming.outputFormatIndex = panel.outputFormatIndex;
        naming.outputFormatValue =
            targets::ResolveChoiceValue(*definitions_, section, QStringLiteral("OutputFormat"), panel.outputFormatIndex);
        return QStringLiteral("clip") + naming::OutputExtension(naming);
    }

    int Convert(int target, ConversionRun &run, const QString &outputFolder)
    {
        JobClip clip = SourceClip();
        RunSettings settings;
        settings.target = target;
        settings.panel = DefaultPanelValues(*definitions_, target, clip);
        settings.outputFolder = outputFolder;
        settings.definitions = definitions_;
        clip.outputName = OutputNameFor(target, settings.panel);
        run.Start(settings, [clip](int index) { return index == 0 ? std::optional<JobClip>(clip) : std::nullopt; });
        return run.ConvertClip(0);
    }

    static void ExpectVideo(const ConvertJob &job, const ProbedMedia &media)
    {
        const QString codec = Lookup(VideoCodecs, job.EngineCodec);
        EXPECT_FALSE(codec.isEmpty()) << "the job names no known video codec: " << job.EngineCodec.toStdString();
        EXPECT_EQ(media.videoCodec, codec);
        EXPECT_EQ(QStringLiteral("%1:%2").arg(media.width).arg(media.height), job.FrameSize);
    }

    static inline QTemporaryDir *clipFolder_ = nullptr;
    static inline QString clipPath_;
    static inline bool clipMade_ = false;
    static inline targets::ProfileDefinitions *definitions_ = nullptr;
};

TEST_P(EngineEndToEnd, DefaultChoicesConvert)
{
    ASSERT_TRUE(clipMade_) << "the ffmpeg program could not make the source clip";
    const int target = GetParam();
    QTemporaryDir output;
    ConversionRun run(QuietWindow(), {});
    const int result = Convert(target, run, output.path() + QLatin1Char('/'));
    const ConvertJob &job = run.Job();
    if (target == targets::TargetDVD_Disc || target == targets::TargetDVD_ISO) {
        EXPECT_EQ(result, ClipFailed) << "the disc and ISO targets have no entry point";
        EXPECT_FALSE(QFileInfo::exists(job.TargetFile));
        return;
    }
    ASSERT_EQ(result, 0) << "the engine failed on " << job.TargetFile.toStdString();
    const ProbedMedia media = ProbeMedia(job.TargetFile);
    ASSERT_TRUE(media.readable) << media.error.toStdString();

    const bool audioOnly = target >= targets::TargetAAC;
    const QString container = audioOnly ? QFileInfo(job.TargetFile).suffix() : job.OutputFormat;
    const QString format = Lookup(ContainerFormats, container);
    EXPECT_FALSE(format.isEmpty()) << "the job names no known container: " << container.toStdString();
    EXPECT_EQ(media.formatName, format);

    const QString audioCodec = Lookup(AudioCodecs, job.AudioCodec);
    EXPECT_FALSE(audioCodec.isEmpty()) << "the job names no known audio codec: " << job.AudioCodec.toStdString();
    EXPECT_EQ(media.audioCodec, audioCodec);
    if (audioOnly)
        EXPECT_TRUE(media.videoCodec.isEmpty()) << "an audio target wrote video";
    else
        ExpectVideo(job, media);
    EXPECT_NEAR(media.durationSeconds, ClipSeconds, 0.4);
}

INSTANTIATE_TEST_SUITE_P(EveryTarget, EngineEndToEnd, testing::Range(0, targets::TargetCount),
                         [](const testing::TestParamInfo<int> &info) {
                             return std::to_string(info.param) + "_" + targets::TargetName(info.param).toStdString();
                         });

} // namespace
} // namespace conversion
