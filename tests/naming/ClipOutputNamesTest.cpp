// Output names and final paths over clip records, under the program's options.

#include "ClipOutputNames.h"
#include "QStringPrinting.h"

#include "VideoInfo.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace naming {
namespace {

class ClipOutputNamesTest : public ::testing::Test {
protected:
    void SetUp() override { options.outputFolder = outputRoot.path() + QStringLiteral("/root/"); }
    TVideoInfo &AddClip(const QString &fileName, int startTime, int endTime)
    {
        clips.push_back(std::make_unique<TVideoInfo>());
        TVideoInfo &clip = *clips.back();
        clip.FileName = fileName;
        clip.StartTime = startTime;
        clip.EndTime = endTime;
        clip.Width = 640;
        clip.Height = 360;
        return clip;
    }
    QList<TVideoInfo *> ClipList() const
    {
        QList<TVideoInfo *> list;
        for (const auto &clip : clips)
            list.append(clip.get());
        return list;
    }
    static OutputPanelValues IPodPanel()
    {
        OutputPanelValues panel;
        panel.targetNumber = 19;
        panel.outputFormatIndex = 0;
        panel.outputFormatValue = QStringLiteral("MP4");
        return panel;
    }

    QTemporaryDir outputRoot;
    ProgramOptions options{outputRoot.path(), outputRoot.path()};
    std::vector<std::unique_ptr<TVideoInfo>> clips;
};

TEST_F(ClipOutputNamesTest, RefreshNamesEveryClipByItsPosition)
{
    options.renameSettings = (RenameSettings{QStringLiteral("#ClipID_#Name_#Length_#Resolution_#SN_#Time"), 5, 2});
    AddClip(QStringLiteral("/videos/first.avi"), 0, 65);
    AddClip(QStringLiteral("/videos/second.mkv"), 10, 3196);
    RefreshOutputNames(ClipList(), options.renameSettings, IPodPanel());

    const QString today = QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy"));
    EXPECT_EQ(clips[0]->OutputName, QStringLiteral("Clip0_first_01m05s_640x360_05_") + today + QStringLiteral(".mp4"));
    EXPECT_EQ(clips[1]->OutputName, QStringLiteral("Clip1_second_53m06s_640x360_06_") + today + QStringLiteral(".mp4"));
}

TEST_F(ClipOutputNamesTest, FinalPathLandsInTheTargetFolderAndNeverOverwrites)
{
    TVideoInfo &clip = AddClip(QStringLiteral("/videos/a.avi"), 0, 1);
    clip.OutputName = QStringLiteral("What: now?.mp4");
    const QString first = MakeFinalOutputPath(clip, 0, 19, options);
    EXPECT_EQ(first, options.outputFolder + QStringLiteral("iPod/What_ now_.mp4"));
    EXPECT_EQ(clip.OutputPath, first);

    QFile written(first);
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.close();
    EXPECT_EQ(MakeFinalOutputPath(clip, 0, 19, options), options.outputFolder + QStringLiteral("iPod/1-What_ now_.mp4"));
}

TEST_F(ClipOutputNamesTest, NameOfDotsBecomesTheClipsSerialNumber)
{
    options.renameSettings = (RenameSettings{QStringLiteral("#Name"), 1, 3});
    TVideoInfo &clip = AddClip(QStringLiteral("/videos/...avi"), 0, 1);
    RefreshOutputNames(ClipList(), options.renameSettings, OutputPanelValues{});
    ASSERT_EQ(clip.OutputName, QStringLiteral(".."));
    EXPECT_EQ(MakeFinalOutputPath(clip, 3, 0, options), options.outputFolder + QStringLiteral("AVI/004"));
}

} // namespace
} // namespace naming
