// Every target's clip reaches the engine with the entry point and the argument list
// the engine's interface fixes. The expected lists are written out here from that
// interface, independently of the program's own table.

#include "ConversionRun.h"

#include "IniFile.h"
#include "TargetCatalogue.h"
#include "TestHelpers.h"
#include "TestEngine.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <mutex>
#include <optional>
#include <set>
#include <thread>

namespace conversion {
namespace {

using targets::TargetName;
using testing_support::QuietWindow;

// Values that differ from each other, so a swapped argument shows.
struct ExpectedJob {
    QString sourceFile = QStringLiteral("/videos/clip.avi");
    QString titleNumber = QStringLiteral("0");
    QString start = QStringLiteral("1");
    QString sampleRate = QStringLiteral("44100");
    QString displayAspect = QStringLiteral("1:1");
    QString engineCodec = QStringLiteral("vcodec");
    QString outputFormat = QStringLiteral("fmt");
    QString videoBitRate = QStringLiteral("812");
    QString audioBitrate = QStringLiteral("128");
    QString pictureSize = QStringLiteral("320:240");
    QString frameSize = QStringLiteral("320:240");
    QString titleName = QStringLiteral("Video_clip.avi");
    QString artist = QStringLiteral("Unknown");
    QString frameRate = QStringLiteral("15");
    QString audioTrack = QStringLiteral("2");
    QString subtitleTrack = QStringLiteral("-1");
    QString targetFile;
    QString volume = QStringLiteral("3");
    QString length = QStringLiteral("4");
    QString highQuality = QStringLiteral("1");
    QString tvSystem = QStringLiteral("0");
    QString audioCodec = QStringLiteral("acodec");
};

const QString Stamp = QStringLiteral("19990817");

QStringList CommonList(const ExpectedJob &j, const QString &comment = QStringLiteral("MyVideo"))
{
    return {QStringLiteral("ptr"), QStringLiteral("2"), j.sourceFile, j.titleNumber, j.start, j.sampleRate,
            j.displayAspect, j.engineCodec, j.outputFormat, j.videoBitRate, j.audioBitrate, j.pictureSize,
            j.frameSize, j.titleName, j.artist, comment, j.frameRate, j.audioTrack, j.subtitleTrack,
            j.targetFile, j.volume, j.length};
}

QStringList ExpectedArguments(const QString &entry, const ExpectedJob &j)
{
    const QStringList plain = {QStringLiteral("X_SetPar_D2IPOD_VIDEO"), QStringLiteral("X_SetPar_D2IPHONE_VIDEO"),
                               QStringLiteral("X_SetPar_D2APPLETV_VIDEO"), QStringLiteral("X_SetPar_D2ZUNE_VIDEO")};
    const QStringList withQuality = {QStringLiteral("X_SetPar_D2IMP4"), QStringLiteral("X_SetPar_D2QTMOV"),
                                     QStringLiteral("X_SetPar_D2FLV")};
    const QStringList withQualityAndCodec = {
        QStringLiteral("X_SetPar_D2WMV"), QStringLiteral("X_TO_HD_AVC"), QStringLiteral("X_TO_HD_MP4"),
        QStringLiteral("X_TO_HD_H264"), QStringLiteral("X_TO_HD_WMV"), QStringLiteral("X_TO_HD_MOV"),
        QStringLiteral("X_TO_HD_PS3"), QStringLiteral("X_TO_HD_XBOX"), QStringLiteral("X_TO_HD_ZUNE"),
        QStringLiteral("X_TO_HD_Mobile")};
    const QStringList withTvSystem = {QStringLiteral("X_SetPar_D2MPEG"), QStringLiteral("X_TO_HD_MPEG"),
                                      QStringLiteral("X_TO_HD_MPEG2TS")};
    if (plain.contains(entry))
        return CommonList(j) << Stamp;
    if (entry == QLatin1String("X_SetPar_D2PDA_VIDEO"))
        return CommonList(j, QStringLiteral("Unknown")) << Stamp;
    if (withQuality.contains(entry))
        return CommonList(j) << j.highQuality << Stamp;
    if (entry == QLatin1String("X_TO_HD_APPLETV"))
        return CommonList(j) << j.audioCodec << Stamp;
    if (withQualityAndCodec.contains(entry))
        return CommonList(j) << j.highQuality << j.audioCodec << Stamp;
    if (withTvSystem.contains(entry))
        return CommonList(j) << j.highQuality << j.tvSystem << j.audioCodec << Stamp;
    if (entry == QLatin1String("X_SetPar_D2AVI") || entry == QLatin1String("X_TO_HD_AVI")) {
        QStringList list = CommonList(j);
        list.insert(5, j.audioCodec);
        return list << j.highQuality << Stamp;
    }
    if (entry == QLatin1String("X_SetPar_D2PSP")) {
        return {QStringLiteral("ptr"), QStringLiteral("2"), j.sourceFile, j.titleNumber, j.start, j.sampleRate,
                j.displayAspect, j.engineCodec, j.videoBitRate, j.audioBitrate, j.pictureSize, j.frameSize,
                j.titleName, j.frameRate, j.audioTrack, j.subtitleTrack, j.targetFile, j.volume, j.length, Stamp};
    }
    if (entry == QLatin1String("X_SetPar_D2IPOD_MP3")) {
        return {QStringLiteral("ptr"), QStringLiteral("2"), j.sourceFile, j.titleNumber, j.start, j.sampleRate,
                j.audioBitrate, j.titleName, j.artist, QStringLiteral("MyVideo"), j.audioTrack, j.targetFile,
                j.volume, j.length, j.audioCodec, Stamp};
    }
    ADD_FAILURE() << "no expected list for " << entry.toStdString();
    return {};
}

struct DispatchCase {
    int target;
    const char *entry;                 // "" when the target makes no entry call
    const char *videoCodec = "vcodec";
    const char *outputFormat = "fmt";
    const char *engineCodecSent = nullptr;    // when the target changes it
    const char *outputFormatSent = nullptr;
};

class DispatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        settings_.outputFolder = root_.path() + QLatin1String("/Output/");
        settings_.panel = Panel();
        clip_ = testing_support::VideoClip(QStringLiteral("/videos/clip.avi"), 640, 480, 60);
        clip_.outputName = QStringLiteral("clip.out");
        clip_.startSeconds = 1;
        clip_.endSeconds = 5;
        clip_.audioRowCount = 2;   // a choice of audio: the chosen stream goes to the engine
        clip_.aspectIndex = 0;
    }

    static JobPanelValues Panel()
    {
        JobPanelValues panel;
        panel.outputFormatIndex = panel.videoCodecIndex = panel.audioCodecIndex = panel.aspectIndex = 0;
        panel.videoFrameRateIndex = panel.audioBitRateIndex = panel.audioSampleRateIndex = 0;
        panel.outputFormatText = QStringLiteral("fmt");
        panel.videoWidth = 320;
        panel.videoHeight = 240;
        panel.videoBitRateText = QStringLiteral("812");
        panel.volumePosition = 3;
        panel.highQuality = true;
        return panel;
    }

    void Define(int target, const char *videoCodec, const char *outputFormat)
    {
        const QString section = QLatin1String("Ostrel-") + TargetName(target);
        const std::pair<const char *, const char *> entries[] = {
            {"OutputFormatText0", outputFormat}, {"VideoCodecText0", videoCodec}, {"AudioCodecText0", "acodec"},
            {"VideoFrameRateText0", "15"}, {"AudioBitrateText0", "128"}, {"AudioSampleRateText0", "44100"},
            {"VideoAspectText0", "0"},
        };
        for (const auto &[key, value] : entries)
            document_.SetValue(section, QLatin1String(key), QLatin1String(value));
        definitions_ = targets::ProfileDefinitions(document_);
        settings_.definitions = &definitions_;
    }

    int Convert(int target, int clipIndex = 0)
    {
        settings_.target = target;
        run_->Start(settings_, [this](int index) -> std::optional<JobClip> {
            return index == 0 ? std::optional<JobClip>(clip_) : std::nullopt;
        });
        return run_->ConvertClip(clipIndex);
    }

    ExpectedJob Expected(const DispatchCase &c) const
    {
        ExpectedJob expected;
        expected.engineCodec = QLatin1String(c.engineCodecSent ? c.engineCodecSent : c.videoCodec);
        expected.outputFormat = QLatin1String(c.outputFormatSent ? c.outputFormatSent : c.outputFormat);
        expected.targetFile = settings_.outputFolder + targets::TargetFolder(c.target) + QLatin1String("clip.out");
        if (c.target == targets::TargetMPEG)
            expected.displayAspect = QStringLiteral("4:3");   // the source's own aspect
        if (c.target == targets::TargetVOB_File || c.target == targets::TargetDVD_Folder) {
            expected.frameRate = QStringLiteral("30000/1001");
            expected.audioBitrate = QStringLiteral("192");
            expected.sampleRate = QStringLiteral("48000");
            expected.audioCodec = QStringLiteral("ac3");
            expected.volume = QStringLiteral("2");
            expected.videoBitRate = QStringLiteral("5000");
            expected.frameSize = QStringLiteral("720:480");
            expected.pictureSize = QStringLiteral("540:480");   // 4:3 source in a 16:9 NTSC frame
            expected.displayAspect = QStringLiteral("16:9");
            expected.tvSystem = QStringLiteral("1");
        }
        return expected;
    }

    void ExpectDispatch(const DispatchCase &c)
    {
        SCOPED_TRACE(testing::Message() << "target " << c.target << " " << TargetName(c.target).toStdString()
                                        << " codec " << c.videoCodec << " format " << c.outputFormat);
        engine_.Reset();
        engine_.SetWriteTargetFiles(false);   // every case writes to the same output path
        run_.emplace(QuietWindow(), ProgressHooks{});   // a fresh job, as in a new program run
        Define(c.target, c.videoCodec, c.outputFormat);
        const int result = Convert(c.target);
        const QStringList calls = engine_.Calls();
        ASSERT_GE(calls.size(), 2);
        EXPECT_TRUE(calls[0].startsWith(QLatin1String("X_SetPar_Global|"))) << calls[0].toStdString();
        EXPECT_TRUE(calls[1].startsWith(QLatin1String("X_Global_CMD|"))) << calls[1].toStdString();
        if (QLatin1String(c.entry).isEmpty()) {
            EXPECT_EQ(calls.size(), 2) << calls.join(QLatin1Char('\n')).toStdString();
            EXPECT_EQ(result, ClipFailed);
            return;
        }
        ASSERT_EQ(calls.size(), 3);
        EXPECT_EQ(result, 0);
        const QString entry = QLatin1String(c.entry);
        EXPECT_EQ(calls[2].section(QLatin1Char('|'), 0, 0), entry);
        EXPECT_EQ(TestEngine::Arguments(calls[2]), ExpectedArguments(entry, Expected(c)));
    }

    TestEngine engine_;
    QTemporaryDir root_;
    platform::IniDocument document_;
    targets::ProfileDefinitions definitions_;
    RunSettings settings_;
    JobClip clip_;
    std::optional<ConversionRun> run_{std::in_place, QuietWindow(), ProgressHooks{}};
};

TEST_F(DispatchTest, EveryTargetReachesItsEntryPoint)
{
    using namespace targets;
    const DispatchCase cases[] = {
        {TargetAVI, "X_SetPar_D2AVI"},
        {TargetMP4, "X_SetPar_D2IMP4"},
        {TargetAVC, "X_TO_HD_AVC"},
        {TargetMPEG, "X_SetPar_D2MPEG"},
        {TargetWMV, "X_SetPar_D2WMV"},
        {TargetMOV, "X_SetPar_D2QTMOV"},
        {TargetYoutube, "X_SetPar_D2IMP4", "mpeg4"},
        {TargetYoutube, "X_TO_HD_AVC", "h264"},
        {TargetYoutube, "X_TO_HD_MPEG", "mpeg2", "flv", "mpeg2", "mpeg2"},
        {TargetYoutube, "X_SetPar_D2FLV", "flv"},
        {TargetYoutube, "", "MPEG4"},
        {TargetVOB_File, "X_SetPar_D2MPEG", "vcodec", "fmt", "dvd", "dvd"},
        {TargetDVD_Folder, "X_SetPar_D2MPEG", "vcodec", "fmt", "dvd", "dvd"},
        {TargetDVD_Disc, ""},
        {TargetDVD_ISO, ""},
        {TargetHDAVI, "X_TO_HD_AVI"},
        {TargetHDMP4, "X_TO_HD_AVC", "h264"},
        {TargetHDMP4, "X_TO_HD_MP4", "mpeg4"},
        {TargetHDMPEG, "X_TO_HD_MPEG", "vcodec", "fmt", "mpeg2", "mpeg2"},
        {TargetHDTS, "X_TO_HD_MPEG2TS", "h264", "m2ts", "mpeg2ts", "mpeg2ts"},
        {TargetHDWMV, "X_TO_HD_WMV"},
        {TargetHDMOV, "X_TO_HD_MOV"},
        {TargetHDYoutube, "X_TO_HD_MP4", "mpeg4"},
        {TargetHDYoutube, "X_TO_HD_H264", "h264"},
        {TargetiPad, "X_SetPar_D2IPOD_VIDEO"},
        {TargetiPod, "X_SetPar_D2IPOD_VIDEO"},
        {TargetiPhone, "X_SetPar_D2IPHONE_VIDEO"},
        {TargetAppleTV, "X_SetPar_D2APPLETV_VIDEO"},
        {TargetAppleTV_HD, "X_TO_HD_APPLETV"},
        {TargetPSP, "X_SetPar_D2PSP"},
        {TargetPS3, "X_TO_HD_PS3"},
        {TargetPS3_HD, "X_TO_HD_PS3"},
        {TargetXbox, "X_TO_HD_XBOX", "vcodec", "mov", nullptr, "mp4"},
        {TargetXbox, "X_TO_HD_XBOX", "vcodec", "wmv"},
        {TargetXbox_HD, "X_TO_HD_XBOX", "vcodec", "mov", nullptr, "mp4"},
        {TargetZune, "X_SetPar_D2WMV", "vcodec", "asf"},
        {TargetZune, "X_SetPar_D2ZUNE_VIDEO", "vcodec", "mp4"},
        {TargetZune, "X_SetPar_D2ZUNE_VIDEO", "vcodec", "ASF"},
        {TargetZune_HD, "X_TO_HD_ZUNE"},
        {TargetPDA, "X_SetPar_D2PDA_VIDEO"},
        {TargetBlackBerry, "X_TO_HD_Mobile"},
        {TargetGeneral, "X_TO_HD_Mobile"},
        {TargetZEN, "X_TO_HD_Mobile"},
        {TargetNokia, "X_TO_HD_Mobile"},
        {TargetAndroid, "X_TO_HD_Mobile"},
        {TargetAAC, "X_SetPar_D2IPOD_MP3"},
        {TargetAC3, "X_SetPar_D2IPOD_MP3"},
        {TargetM4A, "X_SetPar_D2IPOD_MP3"},
        {TargetMP3, "X_SetPar_D2IPOD_MP3"},
        {TargetOGG, "X_SetPar_D2IPOD_MP3"},
        {TargetWMA, "X_SetPar_D2IPOD_MP3"},
        {TargetWAV, "X_SetPar_D2IPOD_MP3"},
    };
    std::set<int> covered;
    for (const DispatchCase &c : cases) {
        ExpectDispatch(c);
        covered.insert(c.target);
    }
    EXPECT_EQ(covered.size(), std::size_t(TargetCount)) << "every target number is dispatched";
}

TEST_F(DispatchTest, TargetChangesStayForTheRestOfTheRun)
{
    Define(targets::TargetHDTS, "h264", "m2ts");
    ASSERT_EQ(Convert(targets::TargetHDTS), 0);
    EXPECT_EQ(run_->Job().EngineCodec, QLatin1String("mpeg2ts"));
    EXPECT_EQ(run_->Job().OutputFormat, QLatin1String("mpeg2ts"));
}

TEST_F(DispatchTest, NumbersOutsideTheCatalogueMakeNoCall)
{
    for (int target : {-1, 43}) {
        engine_.Reset();
        EXPECT_EQ(Convert(target), ClipFailed);
        EXPECT_EQ(engine_.Calls().size(), 2) << engine_.Calls().join(QLatin1Char('\n')).toStdString();
    }
}

TEST_F(DispatchTest, GlobalSettingsAndWorkFile)
{
    const int expectedThreads[] = {4, 4, 4, 5, 6, 7, 8, 8, 8, 8, 8, 8, 8};   // CPU index -1 .. 11
    Define(targets::TargetAVI, "xvid", "avi");
    for (int cpuIndex = -1; cpuIndex <= 11; ++cpuIndex) {
        engine_.Reset();
        settings_.panel.cpuIndex = cpuIndex;
        ASSERT_EQ(Convert(targets::TargetAVI), 0);
        EXPECT_EQ(engine_.Calls().value(0), QStringLiteral("X_SetPar_Global|%1|0|0|0|0|1").arg(expectedThreads[cpuIndex + 1]))
            << "CPU index " << cpuIndex;
    }
    EXPECT_EQ(engine_.Calls().value(1), QLatin1String("X_Global_CMD|") + settings_.outputFolder
                                            + QLatin1String("AVI/telvotempfile.tmp|25/1|1"));

    engine_.Reset();
    settings_.panel.deinterlace = true;
    clip_.containerKind = ContainerMatroska;
    ASSERT_EQ(Convert(targets::TargetAVI), 0);
    EXPECT_EQ(engine_.Calls().value(0), QLatin1String("X_SetPar_Global|8|1|0|1|0|0")) << "Matroska forces sync";
    EXPECT_TRUE(engine_.Calls().value(1).endsWith(QLatin1String("|-1|1")));

    engine_.Reset();
    settings_.panel.forceSync = true;
    clip_.containerKind = ContainerTransportStream;
    clip_.videoStreamId = 0;
    ASSERT_EQ(Convert(targets::TargetAVI), 0);
    EXPECT_EQ(engine_.Calls().value(0), QLatin1String("X_SetPar_Global|8|1|0|1|1|-1"));
}

TEST_F(DispatchTest, ResultsOfTheRun)
{
    Define(targets::TargetiPod, "h264", "mp4");
    EXPECT_EQ(Convert(targets::TargetiPod, 1), RunComplete);
    EXPECT_TRUE(engine_.Calls().isEmpty()) << "no engine load past the end of the list";
    engine_.SetEntryResult(QStringLiteral("X_SetPar_D2IPOD_VIDEO"), -1);
    EXPECT_EQ(Convert(targets::TargetiPod), ClipFailed);
    engine_.SetEntryResult(QStringLiteral("X_SetPar_D2IPOD_VIDEO"), 7);
    EXPECT_EQ(Convert(targets::TargetiPod), 7) << "the entry point's own result";
    EXPECT_FALSE(run_->EngineLoaded());
}

TEST_F(DispatchTest, StopAndProgressWhileAClipConverts)
{
    Define(targets::TargetiPod, "h264", "mp4");
    engine_.SetEntryDelay(QStringLiteral("X_SetPar_D2IPOD_VIDEO"), -1);
    engine_.AddProgress(3, 25, 1);
    std::vector<std::string> hookOrder;
    std::mutex hookMutex;
    auto note = [&](std::string step) {
        const std::lock_guard lock(hookMutex);
        hookOrder.push_back(std::move(step));
    };
    ConversionRun run(QuietWindow(), {[&](int) { note("prepared"); }, [&] { note("repaint"); },
                                     [&](bool on) { note(on ? "stop on" : "stop off"); },
                                     [&](bool on) { note(on ? "timer on" : "timer off"); }});
    settings_.target = targets::TargetiPod;
    run.Start(settings_, [this](int index) { return index == 0 ? std::optional<JobClip>(clip_) : std::nullopt; });
    EXPECT_FALSE(run.EngineLoaded());
    int result = -99;
    std::thread worker([&] { result = run.ConvertClip(0); });
    ASSERT_TRUE(engine_.WaitForCalls(QStringLiteral("X_SetPar_D2IPOD_VIDEO")));
    EXPECT_TRUE(run.EngineLoaded());
    ClipProgress progress;
    EXPECT_TRUE(run.QueryProgress(progress));
    EXPECT_EQ(progress.engine.secondsDone, 3);
    EXPECT_EQ(progress.engine.framesPerSecond, 25);
    EXPECT_EQ(progress.engine.producing, 1);
    EXPECT_EQ(progress.startSeconds, 1);
    EXPECT_EQ(progress.shownLength, 4);
    EXPECT_TRUE(run.StopEngine());
    worker.join();
    EXPECT_EQ(result, 0) << "a stopped clip";
    EXPECT_FALSE(run.EngineLoaded());
    EXPECT_FALSE(run.QueryProgress(progress));
    EXPECT_FALSE(run.StopEngine());
    EXPECT_EQ(hookOrder, (std::vector<std::string>{"prepared", "repaint", "stop off", "timer on", "timer off"}));
}

TEST(DispatchWithoutEngine, ALibraryMissingOneNameGivesTwo)
{
    TestEngine engine(QStringLiteral("test-engine-missing"));
    QTemporaryDir root;
    RunSettings settings;
    settings.target = targets::TargetiPod;
    settings.outputFolder = root.path() + QLatin1String("/");
    JobClip clip;
    clip.fileName = QStringLiteral("/videos/clip.avi");
    ConversionRun run(QuietWindow(), {});
    run.Start(settings, [&](int index) { return index == 0 ? std::optional<JobClip>(clip) : std::nullopt; });
    EXPECT_EQ(run.ConvertClip(0), EngineUnavailable);
    EXPECT_TRUE(engine.Calls().isEmpty());
    EXPECT_FALSE(run.EngineLoaded());
}

} // namespace
} // namespace conversion
