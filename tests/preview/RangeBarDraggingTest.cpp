// Dragging the range bar: which trim edits turn lime while a handle or the range
// moves, and a busy bar that takes no drag.

#include "PreviewFixture.h"
#include "RangeBarMouse.h"
#include "TrimEdits.h"

#include <QLineEdit>

namespace {

struct DragCase {
    const char *control;
    int dx;
    bool startLimeOnPress, stopLimeOnPress;
    bool startLimeOnMove, stopLimeOnMove;
};

} // namespace

TEST_F(PreviewFixture, OnlyTheEditsOfTheDraggedPartTurnLime)
{
    const DragCase cases[] = {
        {"Image_Left", 10, false, false, true, false},
        {"Image_Right", -10, false, false, false, true},
        {"Image_Stretch", 10, true, true, true, true},
    };
    auto *start = windows->MainForm->findChild<QLineEdit *>("suiEdit_Start");
    auto *stop = windows->MainForm->findChild<QLineEdit *>("suiEdit_Stop");
    const QColor normal = TrimEdits::ColourOf(start);
    ASSERT_NE(normal, TrimEdits::kDragging);
    const auto isLime = [](const QLineEdit *edit) { return TrimEdits::ColourOf(edit) == TrimEdits::kDragging; };
    for (const DragCase &c : cases) {
        SCOPED_TRACE(c.control);
        clip.SetStartTime(150);
        clip.SetEndTime(450);
        preview->CurrentClipChanged(&clip);
        QWidget *target = Control(c.control);

        PressLeft(target);
        EXPECT_EQ(isLime(start), c.startLimeOnPress);
        EXPECT_EQ(isLime(stop), c.stopLimeOnPress);
        MoveHeld(target, c.dx);
        EXPECT_EQ(isLime(start), c.startLimeOnMove);
        EXPECT_EQ(isLime(stop), c.stopLimeOnMove);
        MoveHeld(target, 2 * c.dx);
        EXPECT_EQ(isLime(start), c.startLimeOnMove);
        EXPECT_EQ(isLime(stop), c.stopLimeOnMove);
        ReleaseLeft(target, 2 * c.dx);
        EXPECT_EQ(TrimEdits::ColourOf(start), normal);
        EXPECT_EQ(TrimEdits::ColourOf(stop), normal);
        ASSERT_TRUE(WaitUntilIdle());
    }
}

TEST_F(PreviewFixture, ABusyBarTakesNoDrag)
{
    preview->SetPreviewBusy(true);
    const int left = Control("Image_Left")->x();
    DragAndRelease("Image_Left", 67);
    EXPECT_EQ(Control("Image_Left")->x(), left);
    EXPECT_EQ(clip.StartTime, 0);
    EXPECT_EQ(engine.CallCount("X_GetFrame_Init"), 0);
    EXPECT_NE(TrimEdits::ColourOf(windows->MainForm->findChild<QLineEdit *>("suiEdit_Start")), TrimEdits::kDragging);
}
