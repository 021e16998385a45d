// The program loads and releases the engine once per probe and per preview:
// fifty such cycles must leave no thread behind and keep working.
#include "EngineLibrary.h"
#include "MediaFixtures.h"
#include "MediaTools.h"

#include <gtest/gtest.h>

namespace enginetest {
namespace {

constexpr int kCycles = 50;

void ProbeAndPreviewOnce(const std::string &file, int cycle) {
    EngineLibrary engine;
    ASSERT_TRUE(engine.Loaded());
    std::vector<char> buffer(file.begin(), file.end());
    buffer.resize(file.size() + 10, '\0');
    EngineFileInfo info{};
    ASSERT_EQ(engine.probe(buffer.data(), 10, &info, 0), 0) << "cycle " << cycle;
    ASSERT_EQ(info.width, 320);
    uint8_t *pixels = nullptr;
    int32_t result[4] = {};
    ASSERT_EQ(engine.getFrame(240, 180, nullptr, &pixels, result), 0);
    if (cycle % 5 != 0)
        return;
    RecordingWindow window;
    ASSERT_EQ(engine.frameInit(&window, 2, file.c_str(), "", "1"), 0);
    ASSERT_TRUE(window.WaitFor(KORVID_MSG_READY, 1));
    ASSERT_EQ(engine.frameSeek(2), 0);
    ASSERT_TRUE(window.WaitFor(KORVID_MSG_FRAME, 1));
    ASSERT_EQ(engine.frameUninit(), 0);
    ASSERT_TRUE(window.WaitFor(KORVID_MSG_CLOSED, 1));
}

TEST(EngineReload, FiftyLoadProbeUnloadCyclesLeaveNoThreads) {
    std::string file = Fixture("h264_aac.mp4");
    ASSERT_FALSE(file.empty());
    int threadsBefore = ThreadCount();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        ProbeAndPreviewOnce(file, cycle);
        ASSERT_EQ(ThreadCount(), threadsBefore) << "cycle " << cycle;
    }
}

} // namespace
} // namespace enginetest
