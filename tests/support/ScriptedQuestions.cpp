#include "ScriptedQuestions.h"

#include <QDialog>
#include <gtest/gtest.h>

namespace {

const char *KindName(ScriptedQuestions::Kind kind)
{
    static const char *const kNames[] = {"information", "error", "confirm", "okCancel",
                                         "openFiles", "saveFile", "chooseFolder", "exec", "text"};
    return kNames[int(kind)];
}

void FailUnanswered(const ScriptedQuestions::Question &question)
{
    const QByteArray message = QStringLiteral("Unanswered %1 question \"%2\": \"%3\"")
                                   .arg(QLatin1String(KindName(question.kind)), question.title, question.text)
                                   .toUtf8();
    if (::testing::UnitTest::GetInstance()->current_test_info())
        ADD_FAILURE() << message.constData();
    else
        qFatal("%s", message.constData());
}

} // namespace

ScriptedQuestions::ScriptedQuestions()
{
    platform::SetQuestionsForTesting(this);
}

ScriptedQuestions::~ScriptedQuestions()
{
    platform::SetQuestionsForTesting(nullptr);
}

void ScriptedQuestions::AnswerConfirm(bool yes) { confirmAnswers_.push_back(yes); }
void ScriptedQuestions::AnswerOkCancel(bool ok) { okCancelAnswers_.push_back(ok); }
void ScriptedQuestions::AnswerOpenFiles(const QStringList &files) { openFilesAnswers_.push_back(files); }
void ScriptedQuestions::AnswerSaveFile(const QString &path, int filterIndex)
{
    saveFileAnswers_.push_back({path, path.isEmpty() ? 0 : filterIndex});
}
void ScriptedQuestions::AnswerChooseFolder(const QString &folder) { chooseFolderAnswers_.push_back(folder); }
void ScriptedQuestions::AnswerText(const QString &text) { textAnswers_.push_back(text); }
void ScriptedQuestions::AnswerExec(int resultCode) { execAnswers_.push_back([resultCode](QDialog &) { return resultCode; }); }
void ScriptedQuestions::AnswerExec(std::function<int(QDialog &)> answer) { execAnswers_.push_back(std::move(answer)); }

QStringList ScriptedQuestions::Texts(Kind kind) const
{
    QStringList result;
    for (const Question &question : asked_) {
        if (question.kind == kind)
            result.append(question.text);
    }
    return result;
}

int ScriptedQuestions::UnusedAnswers() const
{
    return int(confirmAnswers_.size() + okCancelAnswers_.size() + openFilesAnswers_.size() + saveFileAnswers_.size()
               + chooseFolderAnswers_.size() + textAnswers_.size() + execAnswers_.size());
}

template <typename Answer>
Answer ScriptedQuestions::Next(std::deque<Answer> &answers, const Question &question, Answer unanswered)
{
    asked_.append(question);
    if (answers.empty()) {
        FailUnanswered(question);
        return unanswered;
    }
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

void ScriptedQuestions::Information(QWidget *, const QString &title, const QString &text)
{
    asked_.append({Kind::Information, title, text, {}});
}

void ScriptedQuestions::Error(QWidget *, const QString &title, const QString &text)
{
    asked_.append({Kind::Error, title, text, {}});
}

bool ScriptedQuestions::Confirm(QWidget *, const QString &title, const QString &text)
{
    return Next(confirmAnswers_, {Kind::Confirm, title, text, {}}, false);
}

bool ScriptedQuestions::OkCancel(QWidget *, const QString &title, const QString &text)
{
    return Next(okCancelAnswers_, {Kind::OkCancel, title, text, {}}, false);
}

QStringList ScriptedQuestions::OpenFiles(QWidget *, const QString &title, const QString &folder, const QString &filter)
{
    return Next(openFilesAnswers_, {Kind::OpenFiles, title, folder, filter}, QStringList());
}

platform::SaveFileChoice ScriptedQuestions::SaveFileChoosingFilter(QWidget *, const QString &title,
                                                                   const QString &suggestedPath, const QString &filter)
{
    return Next(saveFileAnswers_, {Kind::SaveFile, title, suggestedPath, filter}, platform::SaveFileChoice());
}

QString ScriptedQuestions::ChooseFolder(QWidget *, const QString &title, const QString &folder)
{
    return Next(chooseFolderAnswers_, {Kind::ChooseFolder, title, folder, {}}, QString());
}

// The question's text is the label; the offered text is recorded as its filter.
QString ScriptedQuestions::AskText(QWidget *, const QString &title, const QString &label, const QString &text)
{
    return Next(textAnswers_, {Kind::Text, title, label, text}, QString());
}

int ScriptedQuestions::Exec(QDialog &dialog)
{
    const auto answer = Next(execAnswers_, {Kind::Exec, dialog.objectName(), dialog.windowTitle(), {}},
                             std::function<int(QDialog &)>([](QDialog &) { return int(QDialog::Rejected); }));
    const int result = answer(dialog);
    dialog.setResult(result);
    return result;
}
