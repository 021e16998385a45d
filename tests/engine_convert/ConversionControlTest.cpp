// Driving a conversion from outside: the ready message, progress from another
// thread, a stop that leaves a playable shorter file, and no engine thread left
// running once an entry point has returned.

#include "ConvertTestBase.h"
#include "EngineLibrary.h"
#include "MediaTools.h"
#include "OutputFacts.h"

#include <chrono>
#include <thread>

namespace converttest {
namespace {

using Clock = std::chrono::steady_clock;

class ConversionControlTest : public ConvertTest {
protected:
    // A clip long enough to be stopped half-way: 20 s of 640x360.
    static std::string LongSource()
    {
        static const std::string path = [] {
            const std::string file = enginetest::ScratchPath("long.mp4");
            const bool made = enginetest::MakeMedia(
                {"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=20", "-f", "lavfi", "-i",
                 "sine=frequency=440:duration=20", "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"},
                file);
            return made ? file : std::string();
        }();
        return path;
    }

    static std::array<int32_t, 3> Info()
    {
        std::array<int32_t, 3> record{-1, -1, -1};
        Engine().X_Get_Info(record.data());
        return record;
    }
};

TEST_F(ConversionControlTest, InfoIsZeroWhileNothingConverts)
{
    EXPECT_EQ(Info(), (std::array<int32_t, 3>{0, 0, 0}));
}

TEST_F(ConversionControlTest, StopFromAnotherThreadFinishesAShorterPlayableFile)
{
    JobValues job = JobFor("h264_aac.mp4", "stopped.mp4");
    job.source = LongSource();
    job.frameSize = "640:360";
    job.highQuality = 1;
    enginetest::RecordingWindow window;
    const int threadsBefore = enginetest::ThreadCount();

    int32_t result = -1;
    std::thread converter([&] { result = CallQualityAudio(Engine().X_TO_HD_AVC, &window, job); });
    ASSERT_TRUE(window.WaitFor(KORVID_MSG_READY, 1));
    std::array<int32_t, 3> progress{};
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while ((progress = Info())[0] < 1 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_NE(progress[2], 0);
    EXPECT_GT(progress[1], 0);

    const auto stopAt = Clock::now();
    Engine().X_StopConvert();
    converter.join();
    const double stopSeconds = std::chrono::duration<double>(Clock::now() - stopAt).count();

    EXPECT_EQ(result, 0);
    EXPECT_LT(stopSeconds, 2.0);
    EXPECT_EQ(Info(), (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(window.Posts().size(), 1u);
    EXPECT_EQ(enginetest::ThreadCount(), threadsBefore);
    EXPECT_TRUE(DecodesCleanly(job.target));
    const OutputSummary output(job.target);
    EXPECT_GT(output.Number(output.Video("duration")), 0.5);
    EXPECT_LT(output.Number(output.Video("duration")), 19);
}

TEST_F(ConversionControlTest, ConversionAfterAStopRunsToTheEnd)
{
    Engine().X_StopConvert();   // a stop with nothing running is not remembered
    JobValues job = JobFor("h264_aac.mp4", "after_stop.mp4");
    enginetest::RecordingWindow window;
    ASSERT_EQ(CallCommon(Engine().X_SetPar_D2IPOD_VIDEO, &window, job), 0);
    const OutputSummary output(job.target);
    EXPECT_NEAR(output.Number(output.Format("duration")), 4.0, 0.15);
    ASSERT_EQ(window.Posts().size(), 1u);
    EXPECT_EQ(window.Posts()[0].message, uint32_t(KORVID_MSG_READY));
}

// Thread count, deinterlacing, forced sync, the transport-stream hint and the
// video stream identifier; the work file's frame rate stands for the source's.
TEST_F(ConversionControlTest, GlobalSettingsAndWorkFileRateApply)
{
    Engine().X_SetPar_Global(8, 1, 0, 1, 1, 0x120);
    Engine().X_Global_CMD(enginetest::ScratchPath("telvotempfile.tmp").c_str(), "29.97", 1);
    JobValues job = JobFor("pids.ts", "deinterlaced.mp4");
    job.audioTrack = "305";
    job.length = "1";
    ASSERT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job), 0);
    const OutputSummary output(job.target);
    EXPECT_EQ(output.Video("r_frame_rate"), "30000/1001");
    EXPECT_NEAR(ToneFrequency(job.target), 880, 60);
    EXPECT_NEAR(output.Number(output.Format("duration")), 1.0, 0.15);
}

} // namespace
} // namespace converttest
