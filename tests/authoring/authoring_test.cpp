// libdvdauthor.so through dlopen, as the program loads it: real DVD folders
// from DVD-compliant clips, read back with lsdvd.
#include "dvdauthoring.h"
#include "media_tools.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>
#include <sstream>

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
    std::string makeClip(const std::string &name, const std::string &system, int frequency) {
        std::string path = folder.file(name);
        bool made = makeMedia({"-f", "lavfi", "-i", "testsrc=size=720x480:rate=30:duration=1", "-f", "lavfi", "-i",
                               "sine=frequency=" + std::to_string(frequency) + ":duration=1", "-target",
                               system + "-dvd", "-aspect", "16:9"},
                              path);
        return made ? path : std::string();
    }

    // The description as the program writes it: CR LF lines, every title jumping on.
    std::string writeDescription(const std::string &name, const std::string &destination, const std::string &system,
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
        std::string path = folder.file(name);
        std::string content = text.str();
        writeFile(path, std::vector<uint8_t>(content.begin(), content.end()));
        return path;
    }

    static int titlesOf(const std::string &dvdFolder) {
        std::istringstream listing(programOutput({"lsdvd", dvdFolder}));
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
    std::string first = makeClip("first.mpg", "ntsc", 440);
    std::string second = makeClip("second.mpg", "ntsc", 880);
    ASSERT_FALSE(first.empty() || second.empty());
    std::string dvd = folder.file("DVD_DISC");
    std::string description = writeDescription("author.xml", dvd, "ntsc", {first, second});
    ASSERT_EQ(authorMain(description.c_str()), 0);
    EXPECT_TRUE(fs::exists(dvd + "/VIDEO_TS/VIDEO_TS.IFO"));
    EXPECT_TRUE(fs::exists(dvd + "/VIDEO_TS/VTS_01_0.IFO"));
    EXPECT_EQ(titlesOf(dvd), 2);
    EXPECT_EQ(vobMegabytes(dvd.c_str()), static_cast<int32_t>(fs::file_size(dvd + "/VIDEO_TS/VTS_01_1.VOB") >> 20));
}

// dvdauthor needs VIDEO_FORMAT for a description without menus; a caller's
// contrary value must not win over the description's format.
TEST_F(Authoring, PalDescriptionSetsItsOwnVideoFormat) {
    std::string clip = makeClip("pal.mpg", "pal", 440);
    ASSERT_FALSE(clip.empty());
    setenv("VIDEO_FORMAT", "NTSC", 1);
    std::string dvd = folder.file("PAL_DISC");
    std::string description = writeDescription("author.xml", dvd, "pal", {clip});
    EXPECT_EQ(authorMain(description.c_str()), 0);
    unsetenv("VIDEO_FORMAT");
    EXPECT_EQ(titlesOf(dvd), 1);
}

TEST_F(Authoring, FailuresAreReported) {
    EXPECT_EQ(authorMain(nullptr), -1);
    EXPECT_EQ(authorMain(""), -1);
    EXPECT_EQ(authorMain(folder.file("missing.xml").c_str()), -1);
    std::string description =
        writeDescription("author.xml", folder.file("DVD_DISC"), "ntsc", {folder.file("no such clip.mpg")});
    EXPECT_EQ(authorMain(description.c_str()), -1);
    EXPECT_EQ(vobMegabytes(folder.path().c_str()), -1);
    EXPECT_EQ(vobMegabytes(nullptr), -1);
}

// The path goes to dvdauthor as one argument; no shell ever reads it.
TEST_F(Authoring, FileNamesCannotInjectCommands) {
    std::string clip = makeClip("clip.mpg", "ntsc", 440);
    ASSERT_FALSE(clip.empty());
    std::string description =
        writeDescription("author; touch injected $(touch injected) `touch injected`.xml", folder.file("DVD_DISC"),
                         "ntsc", {clip});
    EXPECT_EQ(authorMain(description.c_str()), 0);
    EXPECT_FALSE(fs::exists("injected"));
    EXPECT_FALSE(fs::exists(folder.file("injected")));
}

} // namespace
} // namespace enginetest
