// The question and desktop doubles that window tests rely on.

#include "Desktop.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"

#include <QDialog>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(ScriptedQuestions, AnswersInOrderAndRecordsEveryQuestion)
{
    ScriptedQuestions scripted;
    scripted.answerConfirm(true);
    scripted.answerConfirm(false);
    scripted.answerOpenFiles({QStringLiteral("/a.avi"), QStringLiteral("/b.mp4")});
    scripted.answerExec([](QDialog &dialog) { return dialog.objectName() == QLatin1String("RenameForm") ? 7 : 0; });
    platform::ModalQuestions &questions = platform::questions();

    questions.information(nullptr, QStringLiteral("Info"), QStringLiteral("Process Finished!"));
    EXPECT_TRUE(questions.confirm(nullptr, QString(), QStringLiteral("first?")));
    EXPECT_FALSE(questions.confirm(nullptr, QString(), QStringLiteral("second?")));
    EXPECT_EQ(questions.openFiles(nullptr, QStringLiteral("Add"), QStringLiteral("/videos"), QStringLiteral("All (*)")).size(), 2);
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("RenameForm"));
    EXPECT_EQ(questions.exec(dialog), 7);
    EXPECT_EQ(dialog.result(), 7);

    EXPECT_EQ(scripted.texts(ScriptedQuestions::Kind::Confirm), (QStringList{QStringLiteral("first?"), QStringLiteral("second?")}));
    ASSERT_EQ(scripted.asked().size(), 5);
    EXPECT_EQ(scripted.asked().at(0).text, QStringLiteral("Process Finished!"));
    EXPECT_EQ(scripted.asked().at(3).filter, QStringLiteral("All (*)"));
    EXPECT_EQ(scripted.asked().at(4).title, QStringLiteral("RenameForm"));
    EXPECT_EQ(scripted.unusedAnswers(), 0);
}

TEST(ScriptedQuestions, UnansweredQuestionFailsTheTestInsteadOfBlocking)
{
    ScriptedQuestions scripted;
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer = platform::questions().confirm(nullptr, QString(), QStringLiteral("Delete?")),
                            "Unanswered confirm question");
    EXPECT_FALSE(answer);
}

TEST(ScriptedQuestions, RealDialogsComeBackAfterwards)
{
    platform::ModalQuestions *real = &platform::questions();
    {
        ScriptedQuestions scripted;
        EXPECT_EQ(&platform::questions(), &scripted);
    }
    EXPECT_EQ(&platform::questions(), real);
}

TEST(RecordingDesktop, RecordsRequestsAndOpensNothing)
{
    RecordingDesktop recording;
    platform::Desktop &desktop = platform::desktop();
    EXPECT_TRUE(desktop.openFolder(QStringLiteral("/out/")));
    EXPECT_TRUE(desktop.openUrl(QStringLiteral("mailto:support@example.com")));
    recording.setResult(false);
    EXPECT_FALSE(desktop.showFileInFolder(QStringLiteral("/out/a.mp4")));
    EXPECT_FALSE(desktop.powerOff());
    EXPECT_EQ(recording.calls(), (QStringList{QStringLiteral("openFolder|/out/"), QStringLiteral("openUrl|mailto:support@example.com"),
                                              QStringLiteral("showFileInFolder|/out/a.mp4"), QStringLiteral("powerOff")}));
}

} // namespace
