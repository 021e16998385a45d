// Outputs that are never lost or left half-written: the temporary name until
// the file is complete, no existing file replaced, a stop before the first
// picture leaving nothing, a killed process's leftovers cleaned, racing writers
// of one name, and sources that could block refused at once.

#include "ConvertTestBase.h"
#include "MediaTools.h"
#include "OutputFacts.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace converttest {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Every name in `folder`, hidden ones included.
std::vector<std::string> NamesIn(const std::string &folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ContentOf(const std::string &path)
{
    const std::vector<uint8_t> bytes = enginetest::ReadFile(path);
    return std::string(bytes.begin(), bytes.end());
}

// Runs `convert` in a child process; returns its exit status (the entry point's result + 10).
pid_t ConvertInChild(const std::function<int32_t()> &convert)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(convert() + 10);
    return child;
}

int ExitResultOf(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) - 10 : -100;
}

class DurableOutputTest : public ConvertTest {
protected:
    // A clip long enough to be caught half-way: 20 s of 640x360.
    static std::string LongSource()
    {
        static const std::string path = [] {
            const std::string file = enginetest::ScratchPath("durable_long.mp4");
            const bool made = enginetest::MakeMedia(
                {"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=20", "-c:v", "libx264", "-preset",
                 "ultrafast"},
                file);
            return made ? file : std::string();
        }();
        return path;
    }

    static std::string LastFailure()
    {
        char reason[512] = {};
        Engine().X_Get_Last_Error(reason, sizeof reason);
        return reason;
    }

    // A window that stops the conversion the moment it is told it has begun.
    static void StopAtReady(KorvidWindow *, uint32_t message, uintptr_t, intptr_t)
    {
        if (message == KORVID_MSG_READY)
            Engine().X_StopConvert();
    }

    JobValues JobInFolder(const std::string &source, const std::string &name) const
    {
        JobValues job = JobFor(source.front() == '/' ? "h264_aac.mp4" : source, name);
        if (source.front() == '/')
            job.source = source;
        job.target = folder_.File(name);
        return job;
    }

    enginetest::TempFolder folder_;
};

TEST_F(DurableOutputTest, FinishedFileAppearsUnderItsNameAlone)
{
    const JobValues job = JobInFolder("h264_aac.mp4", "clip.mp4");
    ASSERT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job), 0);
    EXPECT_EQ(NamesIn(folder_.Path()), std::vector<std::string>{"clip.mp4"});
    EXPECT_TRUE(DecodesCleanly(job.target));
    EXPECT_EQ(LastFailure(), "");
}

// An existing file under the target's name is never replaced nor removed, by a
// conversion that fails for its own reasons or one that would succeed.
TEST_F(DurableOutputTest, ExistingTargetSurvives)
{
    JobValues failing = JobInFolder("garbage.mp4", "kept.mp4");
    JobValues working = JobInFolder("h264_aac.mp4", "kept.mp4");
    JobValues badValues = JobInFolder("h264_aac.mp4", "kept.mp4");
    badValues.engineCodec = "divx";
    enginetest::WriteFile(working.target, {'m', 'i', 'n', 'e'});
    for (const JobValues *job : {&failing, &working, &badValues}) {
        EXPECT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, *job), -1) << job->source;
        EXPECT_FALSE(LastFailure().empty());
        EXPECT_EQ(ContentOf(working.target), "mine");
        EXPECT_EQ(NamesIn(folder_.Path()), std::vector<std::string>{"kept.mp4"});
    }
}

// Stopped at once (inside the ready message, before any picture): the new
// result and no file. Stopped a little later: that result and no file, or a
// playable shorter file; never a file without pictures, never a leftover.
TEST_F(DurableOutputTest, EarlyStopLeavesNoEmptyFile)
{
    KorvidWindow stopping{&DurableOutputTest::StopAtReady};
    JobValues mp4 = JobInFolder(LongSource(), "at_ready.mp4");
    EXPECT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, &stopping, mp4), KORVID_RESULT_STOPPED_EMPTY);
    JobValues dvd = JobInFolder(LongSource(), "at_ready.vob");
    dvd.outputFormat = dvd.engineCodec = "dvd";
    dvd.frameRate = "25";
    dvd.audioCodec = "ac3";
    dvd.sampleRate = "48000";
    dvd.frameSize = "720:576";
    dvd.tvSystem = 2;
    EXPECT_EQ(CallMpeg(Engine().X_SetPar_D2MPEG, &stopping, dvd), KORVID_RESULT_STOPPED_EMPTY);
    EXPECT_TRUE(NamesIn(folder_.Path()).empty());

    for (const int delayMilliseconds : {0, 10, 25, 50, 100}) {
        const JobValues job = JobInFolder(LongSource(), "after_" + std::to_string(delayMilliseconds) + ".mp4");
        int32_t result = -1;
        std::thread converter([&] { result = CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job); });
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMilliseconds));
        // A stop before the conversion has begun is not remembered: repeat it until it lands.
        const auto stopAt = Clock::now();
        std::array<int32_t, 3> progress{};
        do {
            Engine().X_StopConvert();
            std::this_thread::sleep_for(1ms);
        } while (Engine().X_Get_Info(progress.data()) == 0 && progress[2] == 0 && Clock::now() - stopAt < 2s);
        converter.join();
        if (result == KORVID_RESULT_STOPPED_EMPTY) {
            EXPECT_TRUE(NamesIn(folder_.Path()).empty()) << delayMilliseconds;
        } else {
            ASSERT_EQ(result, 0) << delayMilliseconds;
            EXPECT_TRUE(DecodesCleanly(job.target));
            EXPECT_GE(PacketCount(job.target, "v:0"), 1);
            fs::remove(job.target);
        }
    }
}

// A process killed half-way leaves nothing under the target's name; its
// temporary file goes at the next conversion into the folder once it has aged.
TEST_F(DurableOutputTest, KilledConversionLeavesOnlyATemporaryThatIsCleaned)
{
    const JobValues job = JobInFolder(LongSource(), "killed.mp4");
    const pid_t child = ConvertInChild([&] { return CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job); });
    std::string temporary;
    const auto deadline = Clock::now() + 30s;
    while (temporary.empty() && Clock::now() < deadline) {
        for (const std::string &name : NamesIn(folder_.Path()))
            if (name.rfind(".killed.mp4.part-", 0) == 0 && fs::file_size(folder_.File(name)) > 100000)
                temporary = folder_.File(name);
        std::this_thread::sleep_for(20ms);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_FALSE(temporary.empty()) << "the child wrote no temporary file";
    EXPECT_FALSE(fs::exists(job.target));

    const JobValues next = JobInFolder("h264_aac.mp4", "next.mp4");
    ASSERT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, next), 0);
    EXPECT_TRUE(fs::exists(temporary)) << "a fresh temporary file may still have a writer";

    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(temporary, anHourAgo);
    const JobValues later = JobInFolder("h264_aac.mp4", "later.mp4");
    ASSERT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, later), 0);
    EXPECT_EQ(NamesIn(folder_.Path()), (std::vector<std::string>{"later.mp4", "next.mp4"}));
}

// A temporary file still held by its writer is not cleaned, however old.
TEST_F(DurableOutputTest, HeldTemporaryIsNotCleanedWhileItsWriterLives)
{
    const JobValues job = JobInFolder(LongSource(), "held.mp4");
    int32_t result = -1;
    std::thread converter([&] { result = CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job); });
    std::string temporary;
    const auto deadline = Clock::now() + 30s;
    while (temporary.empty() && Clock::now() < deadline) {
        for (const std::string &name : NamesIn(folder_.Path()))
            if (name.rfind(".held.mp4.part-", 0) == 0)
                temporary = folder_.File(name);
        std::this_thread::sleep_for(5ms);
    }
    if (!temporary.empty()) {
        fs::last_write_time(temporary, fs::file_time_type::clock::now() - std::chrono::hours(1));
        const JobValues other = JobInFolder("h264_aac.mp4", "other.mp4");
        EXPECT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, other), 0);
    }
    Engine().X_StopConvert();
    converter.join();
    ASSERT_FALSE(temporary.empty());
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(DecodesCleanly(job.target));
}

// Two processes converting to one name with different sizes: one file, whole,
// from the one that reported success; the other is refused.
TEST_F(DurableOutputTest, RacingWritersNeverShareAFile)
{
    JobValues small = JobInFolder("h264_aac.mp4", "race.mp4");
    JobValues large = small;
    large.frameSize = "320:240";
    const pid_t first = ConvertInChild([&] { return CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, small); });
    const pid_t second = ConvertInChild([&] { return CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, large); });
    const int firstResult = ExitResultOf(first);
    const int secondResult = ExitResultOf(second);
    EXPECT_EQ(std::min(firstResult, secondResult), -1);
    EXPECT_EQ(std::max(firstResult, secondResult), 0);
    EXPECT_EQ(NamesIn(folder_.Path()), std::vector<std::string>{"race.mp4"});
    EXPECT_TRUE(DecodesCleanly(small.target));
    const OutputSummary output(small.target);
    EXPECT_EQ(output.Video("width"), firstResult == 0 ? "160" : "320");
}

// A pipe with no writer blocks whoever opens it; a socket cannot be opened at all.
TEST_F(DurableOutputTest, PipeAndSocketSourcesAreRefusedAtOnce)
{
    const std::string pipe = folder_.File("pipe.mp4");
    const std::string socketPath = folder_.File("socket.mp4");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_TRUE(enginetest::MakeSocket(socketPath));
    for (const std::string &source : {pipe, socketPath}) {
        JobValues job = JobInFolder("h264_aac.mp4", "from_special.mp4");
        job.source = source;
        const auto start = Clock::now();
        EXPECT_EQ(CallQualityAudio(Engine().X_TO_HD_AVC, nullptr, job), -1);
        EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 1.0);
        EXPECT_NE(LastFailure().find("not a file"), std::string::npos) << LastFailure();
        EXPECT_FALSE(fs::exists(job.target));
    }
}

} // namespace
} // namespace converttest
