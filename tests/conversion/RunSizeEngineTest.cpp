// Predicted sizes against what the real engine writes: a generated minute of grainy
// moving picture and noise-like sound, converted for the H.264 device targets with
// their own bit rates at their smallest picture sizes, lands within 10 % of the size
// predicted before the run.

#include "ConversionRun.h"

#include "LibraryLoader.h"
#include "OutputExtension.h"
#include "RunSize.h"
#include "TargetCatalogue.h"
#include "TargetPanel.h"
#include "TestHelpers.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace conversion {
namespace {

using namespace testing_support;

constexpr int kClipSeconds = 60;

// Busy enough that the encoders spend their whole bit rate, as on filmed pictures.
bool MakeGrainyClip(const QString &path)
{
    const QStringList arguments = {
        QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
        QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
        QStringLiteral("testsrc2=size=640x480:rate=25:duration=%1,noise=alls=16:allf=t").arg(kClipSeconds),
        QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
        QStringLiteral("anoisesrc=colour=pink:amplitude=0.3:sample_rate=44100:duration=%1").arg(kClipSeconds),
        QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-q:v"), QStringLiteral("3"),
        QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-b:a"), QStringLiteral("192k"),
        QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-shortest"), path};
    QProcess process;
    process.start(QStringLiteral("ffmpeg"), arguments);
    return process.waitForFinished(180000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

class RunSizeEngine : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        source_ = new QTemporaryDir;
        clipMade_ = MakeGrainyClip(SourcePath());
        platform::SetProgramFolderForTesting(QStringLiteral(PELORIN_PROGRAM_FOLDER "/"));
    }

    static void TearDownTestSuite()
    {
        delete source_;
        source_ = nullptr;
    }

    static QString SourcePath() { return source_->path() + QLatin1String("/grain.mp4"); }

    static const targets::ProfileDefinitions &Definitions()
    {
        static const targets::ProfileDefinitions definitions =
            targets::ProfileDefinitions::Load(QStringLiteral(PELORIN_PROGRAM_FOLDER "/PfDef.dll"));
        return definitions;
    }

    // Converts the clip with the panel; the predicted and the written size.
    std::pair<PredictedSize, qint64> Convert(const TargetPanel &panel)
    {
        JobClip clip = VideoClip(SourcePath(), 640, 480, kClipSeconds);
        clip.outputName = QStringLiteral("clip") + naming::OutputExtension(panel.OutputValues());
        RunSettings settings;
        settings.target = panel.Target();
        settings.panel = panel.JobValues();
        settings.outputFolder = output_.path() + QLatin1Char('/');
        settings.definitions = &Definitions();
        const ClipLookup clipAt = [clip](int index) { return index == 0 ? std::optional<JobClip>(clip) : std::nullopt; };
        const PredictedSize predicted = PredictRun(settings, clipAt).total;
        ConversionRun run(QuietWindow(), {});
        run.Start(settings, clipAt);
        EXPECT_EQ(run.ConvertClip(0), 0) << "the engine failed";
        return {predicted, QFileInfo(run.Job().TargetFile).size()};
    }

    static inline QTemporaryDir *source_ = nullptr;
    static inline bool clipMade_ = false;
    QTemporaryDir output_;
};

TEST_F(RunSizeEngine, DeviceTargetsLandNearTheirPrediction)
{
    ASSERT_TRUE(clipMade_) << "the ffmpeg program could not make the source clip";
    const std::pair<int, const char *> devices[] = {
        {targets::TargetiPod, "320:240"},
        {targets::TargetiPhone, "480:320"},
        {targets::TargetAppleTV, "640:480"},
        {targets::TargetPSP, "320:240"},
    };
    for (const auto &[target, resolution] : devices) {
        SCOPED_TRACE(targets::TargetName(target).toStdString());
        TargetPanel panel(Definitions(), target, QSize(640, 480));
        ASSERT_FALSE(panel.Set(QStringLiteral("VideoCodec"), QStringLiteral("h264")).has_value());
        ASSERT_FALSE(panel.Set(QStringLiteral("VideoResolution"), QLatin1String(resolution)).has_value());
        const auto [predicted, written] = Convert(panel);
        EXPECT_FALSE(predicted.estimated);
        ASSERT_GT(written, 0);
        EXPECT_NEAR(double(written) / predicted.bytes, 1.0, 0.10)
            << written << " bytes written, " << predicted.bytes << " predicted";
    }
}

} // namespace
} // namespace conversion
