#include "ConvertTestBase.h"

#include "MediaTools.h"

#include <atomic>

namespace converttest {

ConvertLibrary &ConvertTest::Engine()
{
    static ConvertLibrary library;
    return library;
}

void ConvertTest::SetUp()
{
    ASSERT_TRUE(Engine().Loaded()) << "cannot load " << KORVID_ENGINE_PATH;
    Engine().X_SetPar_Global(4, 0, 0, 0, 0, -1);
    Engine().X_Global_CMD(enginetest::ScratchPath("telvotempfile.tmp").c_str(), "-1", 1);
}

namespace {

std::string BusyFixture()
{
    static const std::string path = [] {
        const std::string file = enginetest::ScratchPath("busy.mp4");
        const bool made = enginetest::MakeMedia(
            {"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=3,noise=alls=6:allf=t", "-f", "lavfi", "-i",
             "sine=frequency=440:sample_rate=48000:duration=3", "-ac", "2", "-c:v", "libx264", "-preset", "ultrafast",
             "-qp", "10", "-c:a", "aac", "-b:a", "192k"},
            file);
        return made ? file : std::string();
    }();
    return path;
}

} // namespace

JobValues ConvertTest::JobFor(const std::string &source, const std::string &targetName)
{
    static std::atomic<int> serial{0};
    JobValues job;
    job.source = source == "busy.mp4" ? BusyFixture() : enginetest::Fixture(source);
    job.target = enginetest::ScratchPath(std::to_string(++serial) + "_" + targetName);
    return job;
}

} // namespace converttest
