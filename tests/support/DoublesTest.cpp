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
    scripted.AnswerConfirm(true);
    scripted.AnswerConfirm(false);
    scripted.AnswerOpenFiles({QStringLiteral("/a.avi"), QStringLiteral("/b.mp4")});
    scripted.AnswerExec([](QDialog &dialog) { return dialog.objectName() == QLatin1String("RenameForm") ? 7 : 0; });
    platform::ModalQuestions &questions = platform::Questions();

    questions.Information(nullptr, QStringLiteral("Info"), QStringLiteral("Process Finished!"));
    EXPECT_TRUE(questions.Confirm(nullptr, QString(), QStringLiteral("first?")));
    EXPECT_FALSE(questions.Confirm(nullptr, QString(), QStringLiteral("second?")));
    EXPECT_EQ(questions.OpenFiles(nullptr, QStringLiteral("Add"), QStringLiteral("/videos"), QStringLiteral("All (*)")).size(), 2);
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("RenameForm"));
    EXPECT_EQ(questions.Exec(dialog), 7);
    EXPECT_EQ(dialog.result(), 7);

    EXPECT_EQ(scripted.Texts(ScriptedQuestions::Kind::Confirm), (QStringList{QStringLiteral("first?"), QStringLiteral("second?")}));
    ASSERT_EQ(scripted.Asked().size(), 5);
    EXPECT_EQ(scripted.Asked().at(0).text, QStringLiteral("Process Finished!"));
    EXPECT_EQ(scripted.Asked().at(3).filter, QStringLiteral("All (*)"));
    EXPECT_EQ(scripted.Asked().at(4).title, QStringLiteral("RenameForm"));
    EXPECT_EQ(scripted.UnusedAnswers(), 0);
}

TEST(ScriptedQuestions, UnansweredQuestionFailsTheTestInsteadOfBlocking)
{
    ScriptedQuestions scripted;
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer = platform::Questions().Confirm(nullptr, QString(), QStringLiteral("Delete?")),
                            "Unanswered confirm question");
    EXPECT_FALSE(answer);
}

TEST(ScriptedQuestions, RealDialogsComeBackAfterwards)
{
    platform::ModalQuestions *real = &platform::Questions();
    {
        ScriptedQuestions scripted;
        EXPECT_EQ(&platform::Questions(), &scripted);
    }
    EXPECT_EQ(&platform::Questions(), real);
}

TEST(RecordingDesktop, RecordsRequestsAndOpensNothing)
{
    RecordingDesktop recording;
    platform::Desktop &desktop = platform::CurrentDesktop();
    EXPECT_TRUE(desktop.OpenFolder(QStringLiteral("/out/")));
    EXPECT_TRUE(desktop.OpenUrl(QStringLiteral("mailto:support@example.com")));
    recording.SetResult(false);
    EXPECT_FALSE(desktop.ShowFileInFolder(QStringLiteral("/out/a.mp4")));
    EXPECT_FALSE(desktop.PowerOff());
    EXPECT_EQ(recording.Calls(), (QStringList{QStringLiteral("openFolder|/out/"), QStringLiteral("openUrl|mailto:support@example.com"),
                                              QStringLiteral("showFileInFolder|/out/a.mp4"), QStringLiteral("powerOff")}));
}

} // namespace
