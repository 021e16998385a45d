// Predicted sizes of a run's files before it starts: each clip's from the job the run
// would give it (bit rates, trimmed length, sound only for music), an estimate where
// the job gives no video bit rate, and the texts the clip list shows.

#include "RunSize.h"

#include "TargetCatalogue.h"
#include "TargetPanel.h"
#include "TestHelpers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace conversion {
namespace {

using namespace testing_support;

const targets::ProfileDefinitions &Shipped()
{
    static const targets::ProfileDefinitions definitions = targets::ProfileDefinitions::Load(SHIPPED_DEFINITIONS);
    return definitions;
}

constexpr double kContainer = 1.02;

RunSettings SettingsFor(int target, const JobPanelValues &panel, int minDuration = 0)
{
    RunSettings settings;
    settings.target = target;
    settings.panel = panel;
    settings.outputFolder = QStringLiteral("/nowhere/out/");
    settings.minDurationSeconds = minDuration;
    settings.definitions = &Shipped();
    return settings;
}

qint64 BytesAt(double kbps, double seconds)
{
    return qint64(kbps * 125 * seconds * kContainer);
}

// One clip of `duration` seconds trimmed to start..end, converted for `target` with its
// preselected panel changed by `adjust`.
PredictedSize PredictOne(int target, int duration, int start, int end,
                         const std::function<void(JobPanelValues &)> &adjust = {}, int minDuration = 0)
{
    JobPanelValues panel = TargetPanel(Shipped(), target, QSize(640, 360)).JobValues();
    if (adjust)
        adjust(panel);
    JobClip clip = VideoClip(QStringLiteral("/nowhere/clip.mp4"), 640, 360, duration);
    clip.startSeconds = start;
    clip.endSeconds = end;
    const RunPrediction run = PredictRun(SettingsFor(target, panel, minDuration), [clip](int index) {
        return index == 0 ? std::optional<JobClip>(clip) : std::nullopt;
    });
    EXPECT_EQ(run.clips.size(), 1);
    return run.total;
}

// A minute of the clip for `target` with `settings` ("Key=Value", as pelorin-convert's
// --set takes them) and the video bit rate field emptied.
PredictedSize PredictWithoutBitRate(int target, const QStringList &settings = {})
{
    TargetPanel panel(Shipped(), target, QSize(640, 360));
    for (const QString &setting : settings)
        EXPECT_EQ(panel.Set(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1)), std::nullopt)
            << setting.toStdString();
    JobPanelValues values = panel.JobValues();
    values.videoBitRateText.clear();
    return PredictOne(target, 60, 0, 60, [&values](JobPanelValues &shown) { shown = values; });
}

// The video's kbit/s the engine writes without a bit rate: measured bits per pixel and frame.
double WrittenKbps(int width, int height, double fps, double bitsPerPixel)
{
    return width * height * fps * bitsPerPixel / 1000;
}

TEST(RunSize, PredictsEachClipFromItsJob)
{
    struct Case {
        const char *what;
        PredictedSize predicted;
        qint64 bytes;
        bool estimated;
    };
    const auto noVideoBitRate = [](JobPanelValues &panel) { panel.videoBitRateText.clear(); };
    const auto wavAt22050 = [](JobPanelValues &panel) { panel.audioSampleRateIndex = 0; };
    const Case cases[] = {
        {"iPod, the whole clip: 1000 + 128 kbit/s", PredictOne(targets::TargetiPod, 60, 0, 60), BytesAt(1128, 60), false},
        {"iPod, trimmed to 10..40", PredictOne(targets::TargetiPod, 60, 10, 40), BytesAt(1128, 30), false},
        {"an end within 2 s of the source's runs to its end", PredictOne(targets::TargetiPod, 100, 20, 99),
         BytesAt(1128, 80), false},
        {"a selection below the minimum length is raised to it",
         PredictOne(targets::TargetiPod, 100, 10, 20, {}, 30), BytesAt(1128, 30), false},
        {"the minimum length stops at the source's end", PredictOne(targets::TargetiPod, 100, 90, 95, {}, 30),
         BytesAt(1128, 10), false},
        {"MP3 carries the sound only: 192 kbit/s", PredictOne(targets::TargetMP3, 60, 0, 60), BytesAt(192, 60), false},
        {"WAV at 22050 Hz: 16-bit stereo, not the listed 1411 kbit/s",
         PredictOne(targets::TargetWAV, 60, 0, 60, wavAt22050), BytesAt(22050 * 32 / 1000.0, 60), false},
        // Without a video bit rate: each engine codec's measured bits per pixel and frame
        // over the target's frame at the clip's 25 fps.
        {"no video bit rate: estimated", PredictOne(targets::TargetiPod, 60, 0, 60, noVideoBitRate),
         BytesAt(WrittenKbps(640, 480, 25, 0.101) + 128, 60), true},
        {"h264 (iPod)", PredictWithoutBitRate(targets::TargetiPod), BytesAt(WrittenKbps(640, 480, 25, 0.101) + 128, 60),
         true},
        {"mpeg4 (MP4)", PredictWithoutBitRate(targets::TargetMP4), BytesAt(WrittenKbps(640, 480, 25, 0.105) + 128, 60),
         true},
        {"xvid (AVI)", PredictWithoutBitRate(targets::TargetAVI), BytesAt(WrittenKbps(640, 480, 25, 0.105) + 128, 60),
         true},
        {"wmv2 (WMV)", PredictWithoutBitRate(targets::TargetWMV), BytesAt(WrittenKbps(640, 480, 25, 0.104) + 128, 60),
         true},
        {"flv (Youtube's flv)", PredictWithoutBitRate(targets::TargetYoutube, {"OutputFormat=flv"}),
         BytesAt(WrittenKbps(640, 360, 25, 0.105) + 128, 60), true},
        {"mpeg1 (MPEG)", PredictWithoutBitRate(targets::TargetMPEG, {"VideoCodec=mpeg1"}),
         BytesAt(WrittenKbps(720, 480, 25, 0.108) + 192, 60), true},
        {"mpeg2 (MPEG)", PredictWithoutBitRate(targets::TargetMPEG), BytesAt(WrittenKbps(720, 480, 25, 0.108) + 192, 60),
         true},
        {"mpeg2ts (HDTS)", PredictWithoutBitRate(targets::TargetHDTS),
         BytesAt(WrittenKbps(1920, 1080, 25, 0.108) + 192, 60), true},
        {"a VOB file is always made at 5000 kbit/s", PredictWithoutBitRate(targets::TargetVOB_File),
         BytesAt(5000 + 192, 60), false},
    };
    for (const Case &c : cases) {
        EXPECT_NEAR(double(c.predicted.bytes), double(c.bytes), 2) << c.what;   // rounding only
        EXPECT_EQ(c.predicted.estimated, c.estimated) << c.what;
    }
}

TEST(RunSize, EstimatesFollowTheFrameAndStayWithinTheEngineBounds)
{
    ConvertJob job;
    job.EngineCodec = QStringLiteral("h264");
    job.AudioBitrate = QStringLiteral("128");
    job.VideoFrameRate = QStringLiteral("25");
    job.FrameSize = QStringLiteral("640:360");
    const PredictedSize small = PredictedOutputSize(job, false, 60);
    job.FrameSize = QStringLiteral("1280:720");
    const PredictedSize large = PredictedOutputSize(job, false, 60);
    EXPECT_TRUE(small.estimated && large.estimated);
    const double videoSmall = small.bytes - BytesAt(128, 60);
    EXPECT_NEAR((large.bytes - BytesAt(128, 60)) / videoSmall, 4.0, 0.01) << "four times the pixels";
    job.VideoFrameRate = QStringLiteral("30000/1001");
    EXPECT_NEAR((PredictedOutputSize(job, false, 60).bytes - BytesAt(128, 60)) / videoSmall, 4 * 1.2 / 1.001, 0.01);

    job.FrameSize = QStringLiteral("176:144");
    job.VideoFrameRate = QStringLiteral("15");
    EXPECT_EQ(PredictedOutputSize(job, false, 60).bytes, BytesAt(200 + 128, 60)) << "the engine's least rate";

    EXPECT_EQ(PredictedOutputSize(job, false, -5).bytes, 0);
    EXPECT_FALSE(PredictedOutputSize(job, true, 60).estimated) << "sound only needs no picture estimate";
}

TEST(RunSize, WholeRunAddsItsClips)
{
    const JobPanelValues panel = TargetPanel(Shipped(), targets::TargetiPod, QSize(640, 360)).JobValues();
    const RunSettings settings = SettingsFor(targets::TargetiPod, panel);
    const QList<int> lengths = {60, 120, 30};
    const RunPrediction run = PredictRun(settings, [&lengths](int index) -> std::optional<JobClip> {
        if (index >= lengths.size())
            return std::nullopt;
        return VideoClip(QStringLiteral("/nowhere/%1.mp4").arg(index), 640, 360, lengths[index]);
    });
    ASSERT_EQ(run.clips.size(), 3);
    EXPECT_EQ(run.clips[1].bytes, BytesAt(1128, 120));
    EXPECT_EQ(run.total.bytes, run.clips[0].bytes + run.clips[1].bytes + run.clips[2].bytes);
    EXPECT_TRUE(PredictRun(settings, {}).clips.isEmpty());
}

// The list refreshes its predictions on every change: they name no output file, so they
// make no folder and look at no file (making one for an empty folder name was warned of).
QStringList messagesSeen;

TEST(RunSize, PredictingTouchesNoFileAndWarnsOfNothing)
{
    const JobPanelValues panel = TargetPanel(Shipped(), targets::TargetiPod, QSize(640, 360)).JobValues();
    QTemporaryDir root;
    RunSettings settings = SettingsFor(targets::TargetiPod, panel);
    settings.outputFolder = root.path() + QStringLiteral("/out/");
    messagesSeen.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        messagesSeen << text;
    });
    const RunPrediction run = PredictRun(settings, [](int index) -> std::optional<JobClip> {
        if (index >= 2)
            return std::nullopt;
        return VideoClip(QStringLiteral("/nowhere/%1.mp4").arg(index), 640, 360, 60);
    });
    qInstallMessageHandler(previous);
    EXPECT_EQ(run.clips.size(), 2);
    EXPECT_EQ(messagesSeen, QStringList());
    EXPECT_TRUE(QDir(root.path()).isEmpty());
}

TEST(RunSize, Texts)
{
    EXPECT_EQ(SizeText(3'249'000'000), QStringLiteral("3.2 GB"));
    EXPECT_EQ(SizeText(850'400'000), QStringLiteral("850 MB"));
    EXPECT_EQ(SizeText(1), QStringLiteral("1 MB"));
    EXPECT_EQ(PredictedSizeText({850'400'000, true}), QStringLiteral("≈850 MB"));
    EXPECT_EQ(RunTotalText({1'230'000'000, false}, 35'000'000'000), QStringLiteral("Total 1.2 GB of 35.0 GB free"));
    EXPECT_EQ(RunTotalText({1'230'000'000, true}, std::nullopt), QStringLiteral("Total ≈1.2 GB"));

    QTemporaryDir folder;
    EXPECT_TRUE(FreeBytesFor(folder.filePath(QStringLiteral("not/made/yet"))).has_value()) << "the nearest existing parent";
}

} // namespace
} // namespace conversion
