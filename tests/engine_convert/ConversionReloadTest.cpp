// The program loads the engine for each clip and releases it afterwards: every
// load converts from a clean state and leaves no thread and no growth behind.
// A process of its own, so no other test holds the library loaded.

#include "ConvertLibrary.h"
#include "MediaFixtures.h"
#include "MediaTools.h"
#include "OutputFacts.h"

#include <gtest/gtest.h>

#include <fstream>

namespace converttest {
namespace {

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:" && status >> value)
            return value;
    }
    return 0;
}

// Loads the engine, converts one second and releases the engine again.
int32_t ConvertInFreshLibrary(const std::string &target, bool stopFirst)
{
    ConvertLibrary engine;
    if (!engine.Loaded())
        return -2;
    engine.X_SetPar_Global(4, 0, 0, 0, 0, -1);
    if (stopFirst)
        engine.X_StopConvert();
    JobValues job;
    job.source = enginetest::Fixture("h264_aac.mp4");
    job.target = target;
    job.length = "1";
    return CallQualityAudio(engine.X_TO_HD_AVC, nullptr, job);
}

TEST(ConversionReloadTest, EachLoadConvertsFromACleanState)
{
    ASSERT_EQ(ConvertInFreshLibrary(enginetest::ScratchPath("reload_warm.mp4"), false), 0);
    const int threads = enginetest::ThreadCount();
    const long resident = ResidentKilobytes();
    for (int cycle = 0; cycle < 8; ++cycle) {
        const std::string target = enginetest::ScratchPath("reload_" + std::to_string(cycle) + ".mp4");
        ASSERT_EQ(ConvertInFreshLibrary(target, cycle % 2 == 1), 0) << cycle;
        const OutputSummary output(target);
        EXPECT_NEAR(output.Number(output.Format("duration")), 1.0, 0.15) << cycle;
        EXPECT_EQ(enginetest::ThreadCount(), threads) << cycle;
    }
#ifndef __SANITIZE_ADDRESS__
    // (The address sanitizer holds freed memory back and checks for leaks itself.)
    EXPECT_LT(ResidentKilobytes() - resident, 20 * 1024);
#endif
}

} // namespace
} // namespace converttest
