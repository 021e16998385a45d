// The clip list hosted by the program's own main window, as the main window
// makes it: the form's controls, its row pictures and its frame-rate window.

#include "ClipListPanel.h"
#include "FpsSelecteContent.h"
#include "MediaFixtures.h"
#include "QtPrinters.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "TestEngine.h"
#include "forms/ProgramWindows.h"
#include "WaitUntil.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(MainFormHost, ListRowsAndFrameRateQuestionLiveOnTheProgramsWindows)
{
    SettingsSandbox sandbox;
    ScriptedQuestions questions;
    TestEngine engine;
    QTemporaryDir media;
    const QString file = fixtures::OneAudioTrack(media.path() + "/clip one.mp4");
    ASSERT_FALSE(file.isEmpty());
    engine.SetProbe(file, TestEngine::VideoInfo(120, 29.97f, 320, 240));   // the file itself runs at 25

    auto windows = std::make_unique<ProgramWindows>(sandbox.ProgramFolder());
    TMainForm &form = *windows->MainForm;
    auto *clipList = new ClipListPanel(&form);
    clipList->UseFrameRateForm(*windows->FPSSelecteForm);
    QString savedLanguage;   // what the program gives from its options
    clipList->environment.defaultAudioLanguage = [&savedLanguage] { return savedLanguage; };
    form.show();

    QString askedBy;
    questions.AnswerOpenFiles({file});
    questions.AnswerExec([&askedBy](QDialog &dialog) {
        askedBy = dialog.objectName();
        dialog.findChild<QRadioButton *>("rbtnFPS1")->click();
        return 0;
    });
    form.findChild<QAbstractButton *>("suiImageButton_OpenDir")->click();
    ASSERT_TRUE(WaitUntil([&] { return !clipList->Model().Busy(); }));

    EXPECT_EQ(askedBy, "FPSSelecteForm");
    EXPECT_NE(windows->FPSSelecteForm->findChild<FpsSelecteContent *>(), nullptr);
    ASSERT_EQ(clipList->Model().Clips().size(), 1u);
    EXPECT_FLOAT_EQ(clipList->Model().Clips().front()->FrameRate, 25.0f);
    ASSERT_EQ(clipList->Rows().size(), 2);
    QWidget *rowsPanel = form.findChild<QWidget *>("suiImagePanel_InfoMove");
    EXPECT_EQ(clipList->Rows()[0]->parentWidget(), rowsPanel);
    EXPECT_TRUE(clipList->Rows()[0]->isVisibleTo(&form));
    EXPECT_EQ(form.findChild<QLineEdit *>("suiEdit_Stop")->displayText(), "00:02:00");
    EXPECT_EQ(windows->FPSSelecteForm->findChildren<QLabel *>("Label1").size(), 1);   // the form's own label is kept

    questions.AnswerConfirm(true);
    form.findChild<QAbstractButton *>("suiImageButton_Clear")->click();
    EXPECT_TRUE(clipList->Model().Clips().empty());

    // The default audio track follows the saved default language.
    const QString mkv = fixtures::MatroskaWithTwoLanguages(media.path() + "/languages.mkv");
    engine.SetProbe(mkv, TestEngine::VideoInfo(60, 25.0f, 320, 240));
    savedLanguage = QStringLiteral("French");
    questions.AnswerOpenFiles({mkv});
    form.findChild<QAbstractButton *>("suiImageButton_OpenDir")->click();
    ASSERT_TRUE(WaitUntil([&] { return !clipList->Model().Busy(); }));
    ASSERT_EQ(clipList->Model().Clips().size(), 1u);
    ASSERT_EQ(clipList->Model().Clips().front()->AudioRows.size(), 2u);
    EXPECT_TRUE(clipList->Model().Clips().front()->AudioRows[1]->IsChecked());
    windows.reset();   // the windows go down with the clips and rows, once each
}
