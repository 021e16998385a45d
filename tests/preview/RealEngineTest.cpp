// The preview with the real engine library on a generated clip: releasing a
// handle shows the frame of that second.

#include "ClipListPanel.h"
#include "LibraryLoader.h"
#include "PreviewPanel.h"
#include "RangeBarMouse.h"
#include "SettingsSandbox.h"
#include "VideoInfo.h"
#include "forms/ProgramWindows.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Fifteen red seconds, then fifteen blue ones.
QString RedThenBlueClip(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-v", "error", "-y",
                            "-f", "lavfi", "-i", "color=c=red:s=160x120:r=25:d=15",
                            "-f", "lavfi", "-i", "color=c=blue:s=160x120:r=25:d=15",
                            "-filter_complex", "[0:v][1:v]concat=n=2:v=1[v]", "-map", "[v]",
                            "-c:v", "mpeg4", "-g", "25", path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0 ? path : QString();
}

} // namespace

TEST(PreviewRealEngine, ReleasingTheStartHandleShowsTheFrameOfThatSecond)
{
    if (!QFile::exists(platform::ProgramFolder() + platform::MapLibraryName("Korvid.dll")))
        GTEST_SKIP() << "no engine library in " << platform::ProgramFolder().toStdString();
    QTemporaryDir folder;
    SettingsSandbox sandbox;
    TVideoInfo clip;
    clip.FileName = RedThenBlueClip(folder.filePath("red then blue.mp4"));
    ASSERT_FALSE(clip.FileName.isEmpty());
    clip.SetDuration(30);
    clip.SetEndTime(30);
    clip.Width = 160;
    clip.Height = 120;
    clip.Thumbnail = QImage(160, 120, QImage::Format_BGR888);
    clip.Thumbnail.fill(Qt::black);

    auto windows = std::make_unique<ProgramWindows>(sandbox.ProgramFolder());
    auto *preview = new PreviewPanel(windows->MainForm.get(), new ClipListPanel(windows->MainForm.get()),
                                     windows->Options.SettingsFolder());
    preview->CurrentClipChanged(&clip);
    DragAndRelease(windows->MainForm->findChild<QWidget *>("Image_Left"), 90);   // 90 / 134 of 30 s
    EXPECT_EQ(clip.StartTime, 20);
    const QLabel *seeking = windows->MainForm->findChild<QLabel *>("Label_Info");
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return preview->FrameState() == FrameService::State::Ready && seeking->isHidden();
    }, 10000));
    const QColor shown = clip.Thumbnail.pixelColor(80, 60);
    EXPECT_GT(shown.blue(), 200);
    EXPECT_LT(shown.red(), 60);
    preview->ShutdownFrameEngine();
    EXPECT_EQ(preview->FrameState(), FrameService::State::Unloaded);
}
