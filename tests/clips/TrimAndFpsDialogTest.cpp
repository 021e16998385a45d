// The trimming edits under the preview and the frame-rate dialog's controls.

#include "FpsSelecteContent.h"
#include "QtPrinters.h"
#include "ScriptedQuestions.h"
#include "TrimEdits.h"
#include "TrimRules.h"
#include "VideoInfo.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TrimEditsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clip.SetDuration(1800);
        clip.SetEndTime(1800);
        start.setParent(&window);
        stop.setParent(&window);
    }
    // Types a new time into the edit and leaves it.
    void TypeAndLeave(QLineEdit &edit, const QString &time)
    {
        edit.selectAll();
        QTest::keyClicks(&edit, QString(time).remove(':'));
        colourBeforeLeaving = TrimEdits::ColourOf(&edit);
        QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&edit, &leaving);
    }

    TVideoInfo clip;
    QWidget window;
    QLineEdit start, stop;
    TrimEdits edits{&start, &stop};
    QColor colourBeforeLeaving;
};

} // namespace

TEST(TrimRules, ReadsTheDigitPositionsOfTheMask)
{
    EXPECT_EQ(trim::SecondsOfText("01:02:05"), 3725);
    EXPECT_EQ(trim::SecondsOfText("_1:00:00"), 3600);
    EXPECT_EQ(trim::SecondsOfText("99:99:99"), 36000 * 9 + 3600 * 9 + 600 * 9 + 60 * 9 + 99);
    EXPECT_EQ(trim::SecondsOfText(""), 0);
    EXPECT_EQ(trim::SecondsOfText("١٢:00:00"), 0);   // only the digits 0 to 9 count
}

TEST_F(TrimEditsTest, NoClipMeansEmptyAndDisabled)
{
    EXPECT_FALSE(start.isEnabled());
    EXPECT_EQ(start.displayText(), "__:__:__");
    edits.ShowClip(&clip);
    EXPECT_TRUE(stop.isEnabled());
    EXPECT_EQ(start.displayText(), "00:00:00");
    EXPECT_EQ(stop.displayText(), "00:30:00");
    EXPECT_EQ(start.inputMask(), "09:99:99;_");
}

TEST_F(TrimEditsTest, OutOfRangeTurnsRedAndIsRestoredOnLeaving)
{
    edits.ShowClip(&clip);
    QSignalSpy stored(&edits, &TrimEdits::RangeStored);
    TypeAndLeave(start, "01:00:00");
    EXPECT_EQ(colourBeforeLeaving, TrimEdits::kOutOfRange);
    EXPECT_EQ(start.displayText(), "00:00:00");
    EXPECT_EQ(TrimEdits::ColourOf(&start), TrimEdits::kDefaultNormal);
    EXPECT_EQ(clip.StartTime, 0);
    EXPECT_TRUE(stored.isEmpty());

    TypeAndLeave(stop, "00:30:01");
    EXPECT_EQ(colourBeforeLeaving, TrimEdits::kOutOfRange);
    EXPECT_EQ(clip.EndTime, 1800);
}

TEST_F(TrimEditsTest, InRangeTimesAreStoredAndAnEndEqualToTheStartIsAccepted)
{
    edits.ShowClip(&clip);
    QSignalSpy stored(&edits, &TrimEdits::RangeStored);
    QSignalSpy edited(&edits, &TrimEdits::TimesEdited);
    TypeAndLeave(start, "00:10:00");
    EXPECT_EQ(clip.StartTime, 600);
    TypeAndLeave(stop, "00:10:00");
    EXPECT_EQ(colourBeforeLeaving, TrimEdits::kDefaultNormal);
    EXPECT_EQ(clip.EndTime, 600);
    EXPECT_EQ(stored.size(), 2);
    EXPECT_FALSE(edited.isEmpty());
    TypeAndLeave(stop, "00:09:59");
    EXPECT_EQ(clip.EndTime, 600);
}

TEST_F(TrimEditsTest, DraggingColoursBothEditsLimeGreen)
{
    edits.SetNormalColour(QColor(0xEE, 0xEE, 0xEE));
    edits.SetDragging(true);
    EXPECT_EQ(TrimEdits::ColourOf(&start), TrimEdits::kDragging);
    EXPECT_EQ(TrimEdits::ColourOf(&stop), TrimEdits::kDragging);
    edits.SetDragging(false);
    EXPECT_EQ(TrimEdits::ColourOf(&stop), QColor(0xEE, 0xEE, 0xEE));
}

TEST(FpsDialog, ControlsFollowTheHandlersAndTheAnswerIsRead)
{
    QDialog form;
    form.resize(425, 236);
    FpsSelecteContent content(&form);
    EXPECT_EQ(form.findChild<QLabel *>("Label1")->text(), "Please choose the original FPS for this video clip. ");
    EXPECT_EQ(content.rbtnFPS1->pos(), QPoint(112, 123));
    EXPECT_EQ(content.cbCalculate->text(), " I'm not sure which one to choose. Please calculate for me. ");
    EXPECT_FALSE(content.btnOk->isEnabled());

    content.Prepare("/v/my clip.avi", 29.97f, 25.0f);
    EXPECT_EQ(content.labMessage->text(), "/v/my clip.avi");
    EXPECT_EQ(content.rbtnFPS1->text(), "29.96");
    EXPECT_EQ(content.rbtnFPS2->text(), "25.00");
    content.cbCalculate->click();
    EXPECT_TRUE(content.btnOk->isEnabled());
    EXPECT_FALSE(content.rbtnFPS1->isEnabled());
    content.cbCalculate->click();
    EXPECT_TRUE(content.rbtnFPS1->isEnabled());
    EXPECT_FALSE(content.btnOk->isEnabled());
    content.rbtnFPS1->click();
    EXPECT_TRUE(content.btnOk->isEnabled());
    EXPECT_TRUE(content.Answer().firstChosen);

    // The next question starts with nothing chosen and calculation off.
    content.cbCalculate->click();
    content.Prepare("/v/other.avi", 24.0f, 25.0f);
    EXPECT_FALSE(content.rbtnFPS1->isChecked());
    EXPECT_FALSE(content.cbCalculate->isChecked());
    EXPECT_TRUE(content.rbtnFPS2->isEnabled());
}

TEST(FpsDialog, ChooseFrameRateAsksThroughTheModalSeam)
{
    QDialog form;
    form.setObjectName("FPSSelecteForm");
    FpsSelecteContent content(&form);
    FpsDialogQuestion question(form, content);
    ScriptedQuestions questions;
    questions.AnswerExec([](QDialog &dialog) {
        dialog.findChild<QCheckBox *>("cbCalculate")->click();
        dialog.findChild<QPushButton *>("btnOk")->click();
        return 0;
    });
    EXPECT_FLOAT_EQ(ChooseFrameRate("/v/a.avi", 29.97f, 25.0f, question), 29.97f);
    questions.AnswerExec([](QDialog &dialog) {
        dialog.findChild<QRadioButton *>("rbtnFPS2")->click();
        return 0;
    });
    EXPECT_FLOAT_EQ(ChooseFrameRate("/v/a.avi", 29.97f, 25.0f, question), 25.0f);
    questions.AnswerExec(0);   // closed by the system: nothing chosen gives the second rate
    EXPECT_FLOAT_EQ(ChooseFrameRate("/v/a.avi", 29.97f, 25.0f, question), 25.0f);
    EXPECT_FLOAT_EQ(ChooseFrameRate("/v/a.avi", 29.97f, 59.94f, question), 29.97f);
    EXPECT_EQ(questions.Asked().size(), 3);
}
