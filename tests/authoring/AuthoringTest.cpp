// libdvdauthor.so through dlopen, as the program loads it: real DVD folders
// from DVD-compliant clips, read back with lsdvd.
#include "AuthorProgress.h"
#include "dvdauthoring.h"
#include "MediaTools.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <dlfcn.h>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace enginetest {
namespace {

namespace fs = std::filesystem;

class Authoring : public testing::Test {
protected:
    void SetUp() override {
        library = dlopen(DVDAUTHOR_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr);
        authorMain = reinterpret_cast<decltype(&author_main)>(dlsym(library, "author_main"));
        vobMegabytes = reinterpret_cast<decltype(&getVOBsMB)>(dlsym(library, "getVOBsMB"));
        ASSERT_TRUE(authorMain && vobMegabytes);
    }
    void TearDown() override {
        if (library)
            dlclose(library);
    }

    // A one-second DVD clip ("ntsc" or "pal"), tone differing per clip.
    std::string MakeClip(const std::string &name, const std::string &system, int frequency) {
        std::string path = folder.File(name);
        bool made = MakeMedia({"-f", "lavfi", "-i", "testsrc=size=720x480:rate=30:duration=1", "-f", "lavfi", "-i",
                               "sine=frequency=" + std::to_string(frequency) + ":duration=1", "-target",
                               system + "-dvd", "-aspect", "16:9"},
                              path);
        return made ? path : std::string();
    }

    // The description as the program writes it: CR LF lines, every title jumping on.
    std::string WriteDescription(const std::string &name, const std::string &destination, const std::string &system,
                                 const std::vector<std::string> &clips) {
        bool pal = system == "pal";
        std::ostringstream text;
        text << "<dvdauthor dest=\"" << destination << "\">\r\n  <vmgm>\r\n  </vmgm>\r\n  <titleset>\r\n"
             << "      <titles>\r\n         <video format=\"" << system << "\" aspect=\"16:9\"\r\n"
             << "                resolution=\"" << (pal ? "720x576" : "720x480") << "\"\r\n"
             << "                widescreen=\"nopanscan\" />\r\n         <audio format=\"ac3\"\r\n"
             << "                quant=\"16bps\" dolby=\"surround\"\r\n                samplerate=\"48khz\"/>\r\n";
        for (size_t i = 0; i < clips.size(); ++i) {
            text << "        <pgc>\r\n          <vob file=\"" << clips[i] << "\" />\r\n";
            if (i + 1 < clips.size())
                text << "          <post>jump title " << i + 2 << " ;</post>\r\n        </pgc>\r\n";
        }
        text << "          <post>jump title 1;</post>\r\n        </pgc>\r\n      </titles>\r\n  </titleset>\r\n"
             << "</dvdauthor>\r\n";
        std::string path = folder.File(name);
        std::string content = text.str();
        WriteFile(path, std::vector<uint8_t>(content.begin(), content.end()));
        return path;
    }

    static int TitlesOf(const std::string &dvdFolder) {
        std::istringstream listing(ProgramOutput({"lsdvd", dvdFolder}));
        int titles = 0;
        for (std::string line; std::getline(listing, line);)
            titles += line.rfind("Title: ", 0) == 0;
        return titles;
    }

    TempFolder folder;
    void *library = nullptr;
    decltype(&author_main) authorMain = nullptr;
    decltype(&getVOBsMB) vobMegabytes = nullptr;
};

TEST_F(Authoring, BuildsATwoTitleNtscDvdFolder) {
    std::string first = MakeClip("first.mpg", "ntsc", 440);
    std::string second = MakeClip("second.mpg", "ntsc", 880);
    ASSERT_FALSE(first.empty() || second.empty());
    std::string dvd = folder.File("DVD_DISC");
    std::string description = WriteDescription("author.xml", dvd, "ntsc", {first, second});
    ASSERT_EQ(authorMain(description.c_str()), 0);
    EXPECT_TRUE(fs::exists(dvd + "/VIDEO_TS/VIDEO_TS.IFO"));
    EXPECT_TRUE(fs::exists(dvd + "/VIDEO_TS/VTS_01_0.IFO"));
    EXPECT_EQ(TitlesOf(dvd), 2);
    EXPECT_EQ(vobMegabytes(dvd.c_str()), static_cast<int32_t>(fs::file_size(dvd + "/VIDEO_TS/VTS_01_1.VOB") >> 20));
}

// dvdauthor needs VIDEO_FORMAT for a description without menus; a caller's
// contrary value must not win over the description's format.
TEST_F(Authoring, PalDescriptionSetsItsOwnVideoFormat) {
    std::string clip = MakeClip("pal.mpg", "pal", 440);
    ASSERT_FALSE(clip.empty());
    setenv("VIDEO_FORMAT", "NTSC", 1);
    std::string dvd = folder.File("PAL_DISC");
    std::string description = WriteDescription("author.xml", dvd, "pal", {clip});
    EXPECT_EQ(authorMain(description.c_str()), 0);
    unsetenv("VIDEO_FORMAT");
    EXPECT_EQ(TitlesOf(dvd), 1);
}

TEST_F(Authoring, FailuresAreReported) {
    EXPECT_EQ(authorMain(nullptr), -1);
    EXPECT_EQ(authorMain(""), -1);
    EXPECT_EQ(authorMain(folder.File("missing.xml").c_str()), -1);
    std::string description =
        WriteDescription("author.xml", folder.File("DVD_DISC"), "ntsc", {folder.File("no such clip.mpg")});
    EXPECT_EQ(authorMain(description.c_str()), -1);
    EXPECT_EQ(vobMegabytes(folder.Path().c_str()), -1);
    EXPECT_EQ(vobMegabytes(nullptr), -1);
}

// The path goes to dvdauthor as one argument; no shell ever reads it.
TEST_F(Authoring, FileNamesCannotInjectCommands) {
    std::string clip = MakeClip("clip.mpg", "ntsc", 440);
    ASSERT_FALSE(clip.empty());
    std::string description =
        WriteDescription("author; touch injected $(touch injected) `touch injected`.xml", folder.File("DVD_DISC"),
                         "ntsc", {clip});
    EXPECT_EQ(authorMain(description.c_str()), 0);
    EXPECT_FALSE(fs::exists("injected"));
    EXPECT_FALSE(fs::exists(folder.File("injected")));
}

// A title that is a named pipe nobody writes: dvdauthor waits on it until it is ended.
TEST_F(Authoring, StopEndsTheRunningProgramAndProgressFollowsIt) {
    auto progress = reinterpret_cast<decltype(&author_progress)>(dlsym(library, "author_progress"));
    auto stop = reinterpret_cast<decltype(&author_stop)>(dlsym(library, "author_stop"));
    ASSERT_TRUE(progress && stop);
    EXPECT_EQ(progress(), -1);
    EXPECT_EQ(stop(), -1) << "nothing runs";
    std::string pipe = folder.File("endless.mpg");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string description = WriteDescription("author.xml", folder.File("DVD_DISC"), "ntsc", {pipe});
    std::atomic<int32_t> result{1};
    std::thread author([&] { result = authorMain(description.c_str()); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (progress() < 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(progress(), 0);
    int32_t stopped = -1;
    while ((stopped = stop()) != 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));   // until the program has started
    EXPECT_EQ(stopped, 0);
    author.join();
    EXPECT_EQ(result, -1);
    EXPECT_EQ(progress(), -1);
    EXPECT_EQ(stop(), -1);
}

TEST(AuthorProgress, FollowsTheStatusLinesAndNeverGoesBack) {
    dvdauthoring::AuthorProgress progress(100 * 1024 * 1024);
    const std::pair<const char *, int> lines[] = {
        {"STAT: Picking VTS 01", 0},
        {"STAT: Processing /v/a.mpg...", 0},
        {"STAT: VOBU 16 at 10MB, 1 PGCs", 9},
        {"STAT: VOBU 831 at 50MB, 1 PGCs", 45},
        {"STAT: VOBU 832 at 40MB, 1 PGCs", 45},
        {"STAT: VOBU 999 at 400MB, 2 PGCs", 90},
        {"STAT: fixing VOBU at 12MB (100/1000, 10%)", 91},
        {"STAT: fixing VOBU at 99MB (1000/1000, 100%)", 99},
        {"INFO: dvdauthor creating table of contents", 99},
    };
    for (const auto &[line, percent] : lines) {
        progress.ReadLine(line);
        EXPECT_EQ(progress.Percent(), percent) << line;
    }
    dvdauthoring::AuthorProgress unknownSize(0);
    unknownSize.ReadLine("STAT: VOBU 16 at 10MB, 1 PGCs");
    EXPECT_EQ(unknownSize.Percent(), 0);
}

TEST(AuthorProgress, TitleFilesOfTheDescription) {
    const std::string description = "<dvdauthor dest=\"/d\">\r\n<pgc>\r\n  <vob file=\"/v/Tom &amp; Jerry&apos;s.mpg\" />\r\n"
                                    "  <vob file=\"/v/b.mpg\" />\r\n</pgc>\r\n";
    EXPECT_EQ(dvdauthoring::TitleFilesOf(description),
              (std::vector<std::string>{"/v/Tom & Jerry's.mpg", "/v/b.mpg"}));
}

} // namespace
} // namespace enginetest
