// The preview's frame service with the test engine: the states and the engine
// calls a handle release leads to, and what the preview shows meanwhile.

#include "PreviewFixture.h"
#include "TrimEdits.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

QRgb TopColour(const QImage &picture)
{
    return picture.pixel(picture.width() / 2, 1) & 0xFFFFFF;
}

} // namespace

TEST_F(PreviewFixture, ReleaseStartsTheServiceWhichShowsTheRangeStartThenCloses)
{
    EXPECT_EQ(preview->FrameState(), FrameService::State::Unloaded);
    DragAndRelease("Image_Left", 67);
    EXPECT_EQ(clip.StartTime, 300);
    EXPECT_EQ(windows->MainForm->findChild<QLineEdit *>("suiEdit_Start")->text(), "00:05:00");
    EXPECT_EQ(preview->FrameState(), FrameService::State::Starting);
    EXPECT_TRUE(Seeking());

    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(TopColour(clip.Thumbnail), 0xFF0000u);
    EXPECT_EQ(clip.Thumbnail.size(), QSize(160, 120));
    EXPECT_TRUE(Control("Panel_Progress")->isEnabled());
    EXPECT_TRUE(Control("suiImageButton_Snapshoot")->isEnabled());

    preview->ShutdownFrameEngine();
    EXPECT_EQ(preview->FrameState(), FrameService::State::Unloaded);
    const QStringList calls = FrameCalls();
    ASSERT_EQ(calls.size(), 5) << calls.join("\n").toStdString();
    EXPECT_EQ(TestEngine::Arguments(calls[0]),
              (QStringList{windows->Options.SettingsFolder() + "telvotempfile.tmp", "29.976", "1"}));
    EXPECT_EQ(TestEngine::Arguments(calls[1]).mid(1), (QStringList{"2", clip.FileName, "", "300"}));
    EXPECT_EQ(calls[2], "X_Set_NextFrame_Time|300");
    EXPECT_TRUE(calls[3].startsWith("X_Get_Frame|160|120|(null)|"));
    EXPECT_EQ(calls[4], "X_GetFrame_UnInit");
}

TEST_F(PreviewFixture, TheFirstReleaseOfTheEndHandleShowsTheEndItself)
{
    DragAndRelease("Image_Right", 40);   // already at the end: stays there
    EXPECT_EQ(clip.EndTime, 600);
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(TestEngine::Arguments(engine.Calls("X_GetFrame_Init").value(0)).value(4), "600");
    EXPECT_EQ(engine.Calls("X_Set_NextFrame_Time"), QStringList{"X_Set_NextFrame_Time|600"});

    DragAndRelease("Image_Right", -67);
    EXPECT_EQ(clip.EndTime, 300);
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(engine.Calls("X_Set_NextFrame_Time").last(), "X_Set_NextFrame_Time|300");
}

TEST_F(PreviewFixture, ReleaseAtTheShownSecondAsksNothingAndEndsTheWaitAtOnce)
{
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    const int seeks = engine.CallCount("X_Set_NextFrame_Time");
    DragAndRelease("Image_Stretch", 0);
    EXPECT_FALSE(Seeking());
    EXPECT_EQ(engine.CallCount("X_Set_NextFrame_Time"), seeks);
    EXPECT_EQ(clip.StartTime, 300);
    EXPECT_EQ(clip.EndTime, 600);
}

TEST_F(PreviewFixture, EverySeekOfAShortClipGoesToTheReleasedHandlesSecond)
{
    preview->CurrentClipChanged(&otherClip);
    DragAndRelease("Image_Right", -60);
    ASSERT_TRUE(WaitUntilIdle());
    const int end = otherClip.EndTime;
    ASSERT_GT(end, 0);
    DragAndRelease("Image_Left", 40);
    ASSERT_TRUE(WaitUntilIdle());
    const int start = otherClip.StartTime;
    ASSERT_GT(start, 0);
    ASSERT_NE(start, end);
    EXPECT_EQ(TestEngine::Arguments(engine.Calls("X_GetFrame_Init").value(0)).value(4), QString::number(end));
    EXPECT_EQ(engine.Calls("X_Set_NextFrame_Time"),
              (QStringList{"X_Set_NextFrame_Time|" + QString::number(end), "X_Set_NextFrame_Time|" + QString::number(start)}));
}

TEST_F(PreviewFixture, BusyStateDisablesTheBarAndTheSnapshotAndShowsTheSeekingText)
{
    preview->SetPreviewBusy(true);
    EXPECT_TRUE(Seeking());
    EXPECT_TRUE(windows->MainForm->PreviewIsSeeking());
    EXPECT_FALSE(Control("Panel_Progress")->isEnabled());
    EXPECT_FALSE(Control("suiImageButton_Snapshoot")->isEnabled());
    preview->SetPreviewBusy(false);
    EXPECT_FALSE(Seeking());
    EXPECT_TRUE(Control("Panel_Progress")->isEnabled());
    EXPECT_TRUE(Control("suiImageButton_Snapshoot")->isEnabled());
}

TEST_F(PreviewFixture, NoClipDisablesTheHandlesAtBothEndsWithAnEmptyRange)
{
    preview->CurrentClipChanged(nullptr);
    EXPECT_EQ(Control("Image_Left")->x(), 0);
    EXPECT_EQ(Control("Image_Right")->x(), 144);
    EXPECT_EQ(Control("Image_Stretch")->width(), 0);
    EXPECT_FALSE(Control("Image_Left")->isEnabled());
    EXPECT_FALSE(Control("Image_Right")->isEnabled());
    EXPECT_FALSE(Control("Panel_Progress")->isEnabled());
    DragAndRelease("Image_Left", 50);
    EXPECT_EQ(engine.CallCount("X_GetFrame_Init"), 0);
}

TEST_F(PreviewFixture, DraggingTheRangeKeepsItsWidthAndMovesBothTimes)
{
    clip.SetStartTime(150);
    clip.SetEndTime(300);
    preview->CurrentClipChanged(&clip);
    const int width = Control("Image_Stretch")->width();
    DragAndRelease("Image_Stretch", 500);
    EXPECT_EQ(Control("Image_Stretch")->width(), width);
    EXPECT_EQ(Control("Image_Right")->x(), 144);
    EXPECT_EQ(clip.EndTime, 600);
    EXPECT_EQ(clip.StartTime, StartSecondOf(preview->RangeBar(), 600));
    ASSERT_TRUE(WaitUntilIdle());
}

TEST_F(PreviewFixture, ClipChangeKeepsTheDecodedFrameAsTheOldClipsThumbnail)
{
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    preview->CurrentClipLeaving(&clip);
    preview->CurrentClipChanged(&otherClip);
    EXPECT_EQ(TopColour(clip.Thumbnail), 0xFF0000u);
    EXPECT_EQ(preview->FrameState(), FrameService::State::Unloaded);
    EXPECT_EQ(engine.CallCount("X_GetFrame_UnInit"), 1);
}

TEST_F(PreviewFixture, ShutdownWhileASeekIsPendingLeavesNoWaitBehind)
{
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    engine.ClearPosts("X_Set_NextFrame_Time");
    engine.AddPost("X_Set_NextFrame_Time", 0x96C, 1, 0, 300);
    DragAndRelease("Image_Left", -30);
    EXPECT_TRUE(Seeking());
    preview->CurrentClipLeaving(&clip);
    preview->CurrentClipChanged(&otherClip);
    EXPECT_EQ(preview->FrameState(), FrameService::State::Unloaded);
    EXPECT_FALSE(Seeking());
    engine.WaitForPosts();
    QTest::qWait(50);
    EXPECT_FALSE(Seeking());
    EXPECT_TRUE(Control("Panel_Progress")->isEnabled());
}

TEST_F(PreviewFixture, ShutdownBeforeAnAddingPassEndsAPendingSeek)
{
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    engine.ClearPosts("X_Set_NextFrame_Time");   // the frame never comes
    DragAndRelease("Image_Left", -30);
    EXPECT_TRUE(Seeking());
    emit clipList->PreviewShutdownRequested();
    EXPECT_EQ(preview->FrameState(), FrameService::State::Unloaded);
    EXPECT_FALSE(Seeking());
    EXPECT_TRUE(Control("Panel_Progress")->isEnabled());

    engine.AddPost("X_Set_NextFrame_Time", 0x96C, 1);
    DragAndRelease("Image_Left", 30);   // a new release starts the service again
    EXPECT_EQ(preview->FrameState(), FrameService::State::Starting);
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(engine.CallCount("X_GetFrame_Init"), 2);
}

TEST_F(PreviewFixture, AServiceTheEngineClosedStartsAgainAtTheNextRelease)
{
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    ASSERT_TRUE(engine.PostNow(FrameService::kMessageClosed));
    ASSERT_TRUE(QTest::qWaitFor([this] { return preview->FrameState() == FrameService::State::Starting; }, 5000));
    DragAndRelease("Image_Left", -30);
    EXPECT_EQ(engine.CallCount("X_GetFrame_Init"), 2);
    ASSERT_TRUE(WaitUntilIdle());
}

TEST_F(PreviewFixture, AServiceThatNeverBecameReadyIsStillStoppedAndTheWaitStaysResponsive)
{
    engine.ClearPosts("X_GetFrame_Init");
    DragAndRelease("Image_Left", 67);
    EXPECT_EQ(preview->FrameState(), FrameService::State::Starting);
    bool timerRan = false;
    QTimer::singleShot(200, [&timerRan] { timerRan = true; });
    preview->ShutdownFrameEngine();   // gives up waiting for readiness after its time-out
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(engine.CallCount("X_GetFrame_UnInit"), 1);
    EXPECT_EQ(preview->FrameState(), FrameService::State::Unloaded);
    EXPECT_FALSE(Seeking());
}

TEST_F(PreviewFixture, WhileClosingTheBarTakesNoRelease)
{
    DragAndRelease("Image_Left", 67);
    ASSERT_TRUE(WaitUntilIdle());
    engine.ClearPosts("X_GetFrame_UnInit");
    engine.AddPost("X_GetFrame_UnInit", FrameService::kMessageClosed, 0, 0, 400);
    bool released = false;
    QTimer::singleShot(50, [this, &released] {
        EXPECT_EQ(preview->FrameState(), FrameService::State::Closing);
        DragAndRelease("Image_Left", -30);
        released = true;
    });
    preview->ShutdownFrameEngine();
    EXPECT_TRUE(released);
    EXPECT_EQ(clip.StartTime, 300);
    EXPECT_EQ(engine.CallCount("X_GetFrame_Init"), 1);
    EXPECT_EQ(preview->FrameState(), FrameService::State::Unloaded);
}
