// How profile lists show their entries, over a small definition file.

#include "DefinitionFixture.h"
#include "ProfileEntryTexts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace targets;

namespace {

// One target with a single format (texts partly in its sub-section) and one with two formats.
const char *const Definitions =
    "[Ostrel-MP4]\n"
    "ProfileName=MP4-Profile\n"
    "OutputFormatCount=1\n"
    "OutputFormatText0=mp4\n"
    "VideoResolutionText0=320:240\n"
    "AudioBitrateText0=64\n"
    "[Ostrel-MP4-mp4]\n"
    "VideoCodecText=h264\n"
    "VideoResolutionText1=640:480\n"
    "AudioSampleRateText0=44100\n"
    "AudioSampleRateText1=48000\n"
    "[Ostrel-AVI]\n"
    "ProfileName=AVI-Profile\n"
    "OutputFormatCount=2\n"
    "OutputFormatText0=avi\n"
    "OutputFormatText1=divx\n"
    "VideoResolutionText0=top:level\n"
    "[Ostrel-AVI-divx]\n"
    "VideoCodecText=xvid\n"
    "VideoResolutionText0=720:480\n"
    "AudioBitrateText1=192\n"
    "AudioSampleRateText0=48000\n"
    "[Ostrel-MOV]\n"
    "OutputFormatCount=1\n"
    "OutputFormatText0=mov\n"
    "VideoCodecCount=2\n"
    "VideoCodecText0=Xvid\n"
    "VideoCodecText1=H.264 / AVC\n"
    "VideoCodecDefault=1\n"
    "VideoResolutionText0=640:480\n"
    "[Ostrel-MP3]\n"
    "AudioBitrateText2=256\n"
    "AudioSampleRateText1=44100\n";

ProfileEntry Entry(const char *name, const char *valueList)
{
    return ProfileEntry{QStringLiteral("X-Profile"), 0, QString::fromUtf8(name), QString::fromUtf8(valueList)};
}

class ProfileEntryTextsTest : public ::testing::Test {
protected:
    ProfileEntryTextsTest() : reader(fixture.Load(Definitions)) {}
    DefinitionFixture fixture;
    ProfileDefinitions reader;
};

TEST_F(ProfileEntryTextsTest, MainWindowTextsReadTheTargetSectionThenTheFormatsSubSection)
{
    const auto text = [&](const char *section, const char *valueList) {
        return MainWindowEntryText(reader, section, "Small", ProfileValues::Parse(valueList)).toStdString();
    };
    EXPECT_EQ(text("Ostrel-MP4", "0,1,0,0,600,0,0,0,0,0,0"), "Small : Video-mp4,320:240,600kbps,Audio-64kbps,44100hz");
    EXPECT_EQ(text("Ostrel-MP4", "0,1,1,0,600,0,1"), "Small : Video-mp4,640:480,600kbps,Audio-64kbps,48000hz");
    // No resolution text: no resolution part. An unknown format falls back to format 0.
    EXPECT_EQ(text("Ostrel-MP4", "5,1,7,0,600,3,3"), "Small : Video-mp4,600kbps,Audio-kbps,hz");
    EXPECT_EQ(text("Ostrel-AVI", "1,0,1,0,900,1,0"), "Small : Video-divx,900kbps,Audio-192kbps,48000hz");
}

TEST_F(ProfileEntryTextsTest, DialogTextsNameTheFormatOrTheCodecAndAlwaysHaveTheResolutionPart)
{
    const auto text = [&](const char *section, const char *valueList) {
        return DialogEntryText(reader, section, Entry("Small", valueList)).toStdString();
    };
    // One format: the codec text of the target section (none here), lists from the target section only.
    EXPECT_EQ(text("Ostrel-MP4", "0,0,0,0,600,0,0"), "Small : Video-,320:240,600kbps,Audio-64kbps,0hz");
    // Two formats: the format's name, every text from its sub-section.
    EXPECT_EQ(text("Ostrel-AVI", "1,0,0,0,900,1,0"), "Small : Video-divx,720:480,900kbps,Audio-192kbps,48000hz");
    // Format 0 has no sub-section texts: empty resolution (two commas), "0" for the audio texts.
    EXPECT_EQ(text("Ostrel-AVI", "0,0,5,0,900,1,0"), "Small : Video-avi,,900kbps,Audio-0kbps,0hz");
    // An index past the formats: no format name, so the codec text of the target section.
    EXPECT_EQ(text("Ostrel-AVI", "4,0,0,0,900"), "Small : Video-,top:level,900kbps,Audio-0kbps,0hz");
    EXPECT_EQ(DialogEntryText(reader, "Ostrel-MP4", Entry("Draft", "nodef")), "Draft");
}

TEST_F(ProfileEntryTextsTest, DialogTextsOfASingleFormatTargetNameTheChosenCodecOfItsList)
{
    const auto text = [&](const char *valueList) {
        return DialogEntryText(reader, "Ostrel-MOV", Entry("Small", valueList)).toStdString();
    };
    EXPECT_EQ(text("0,0,0,0,600,0,0,0,0,0"), "Small : Video-Xvid,640:480,600kbps,Audio-0kbps,0hz");
    EXPECT_EQ(text("0,0,0,0,600,0,0,0,0,1"), "Small : Video-H.264 / AVC,640:480,600kbps,Audio-0kbps,0hz");
    // A codec index past the list: the list's default.
    EXPECT_EQ(text("0,0,0,0,600,0,0,0,0,7"), "Small : Video-H.264 / AVC,640:480,600kbps,Audio-0kbps,0hz");
}

TEST_F(ProfileEntryTextsTest, MusicTexts)
{
    EXPECT_EQ(MusicEntryText(reader, "Ostrel-MP3", Entry("Loud", "0,0,0,0,0,2,1,0,0,0")), "Loud : Audio-256kbps,44100hz");
    EXPECT_EQ(MusicEntryText(reader, "Ostrel-MP3", Entry("Odd", "0,0,0,0,0,9,9")), "Odd : Audio-0kbps,0hz");
    EXPECT_EQ(MusicEntryText(reader, "Ostrel-MP3", Entry("Draft", "nodef")), "Draft");
}

TEST_F(ProfileEntryTextsTest, MainWindowListOfATarget)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("PfSetting.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[MP4-Profile]\nProfileCount=3\nProfileText0=A\nA=0,0,0,0,100\nProfileText1=nodef\n"
               "ProfileText2=B\nB=0,0,1,0,200\nProfileDefault=1\n");
    file.close();
    const ProfileStore store(path);
    const MainWindowProfileList list = ReadMainWindowProfileList(store, reader, "Ostrel-MP4");
    EXPECT_TRUE(list.available);
    EXPECT_EQ(list.section, "MP4-Profile");
    EXPECT_EQ(list.texts, (QStringList{"A : Video-mp4,320:240,100kbps,Audio-64kbps,44100hz",
                                       "B : Video-mp4,640:480,200kbps,Audio-64kbps,44100hz"}));
    ASSERT_EQ(list.entries.size(), 2);
    EXPECT_EQ(list.entries[1].slot, 2);
    EXPECT_EQ(list.defaultIndex, 1);
    // No ProfileName: no list.
    EXPECT_FALSE(ReadMainWindowProfileList(store, reader, "Ostrel-MP3").available);
    // A ProfileDefault past the entries selects nothing.
    QFile::remove(path);
    EXPECT_EQ(ReadMainWindowProfileList(store, reader, "Ostrel-MP4").defaultIndex, -1);
}

} // namespace
