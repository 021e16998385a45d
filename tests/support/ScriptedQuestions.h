#pragma once
// The modal-question double. While one exists it answers every question of the
// program (platform::Questions()) from its script and records each question.
//
//   ScriptedQuestions questions;
//   questions.AnswerConfirm(true);                         // the next Yes/No question: Yes
//   questions.AnswerOpenFiles({"/tmp/a.avi"});
//   questions.AnswerSaveFile("/tmp/shot.bmp", 2);          // saved with the second filter
//   questions.AnswerExec([](QDialog &dialog) { ...; return QDialog::Accepted; });
//   ... drive the window ...
//   EXPECT_EQ(questions.Asked().first().text, "Process Finished!");
//
// Information and error boxes need no answer. A question of another kind with no
// scripted answer left fails the running GoogleTest test (or aborts a program
// that is not one) and returns a "no" answer, so a test never blocks on a window.

#include "ModalQuestions.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class ScriptedQuestions : public platform::ModalQuestions {
public:
    enum class Kind { Information, Error, Confirm, OkCancel, OpenFiles, SaveFile, ChooseFolder, Exec, Text };
    struct Question {
        Kind kind;
        QString title;    // for Exec: the dialog's objectName
        QString text;     // the message; for file and folder dialogs the starting folder or path
        QString filter;   // file dialogs only
    };

    ScriptedQuestions();    // installs itself as platform::Questions()
    ~ScriptedQuestions() override;   // puts the real dialogs back

    void AnswerConfirm(bool yes);
    void AnswerOkCancel(bool ok);
    void AnswerOpenFiles(const QStringList &files);   // empty: the user cancelled
    // Empty: the user cancelled. filterIndex: the filter entry selected, from 1.
    void AnswerSaveFile(const QString &path, int filterIndex = 1);
    void AnswerChooseFolder(const QString &folder);   // empty: the user cancelled
    void AnswerText(const QString &text);             // empty: the user cancelled
    void AnswerExec(int resultCode);
    void AnswerExec(std::function<int(QDialog &)> answer);

    const QList<Question> &Asked() const { return asked_; }
    QStringList Texts(Kind kind) const;   // the texts of the questions of one kind, in order
    int UnusedAnswers() const;

    void Information(QWidget *parent, const QString &title, const QString &text) override;
    void Error(QWidget *parent, const QString &title, const QString &text) override;
    bool Confirm(QWidget *parent, const QString &title, const QString &text) override;
    bool OkCancel(QWidget *parent, const QString &title, const QString &text) override;
    QStringList OpenFiles(QWidget *parent, const QString &title, const QString &folder, const QString &filter) override;
    platform::SaveFileChoice SaveFileChoosingFilter(QWidget *parent, const QString &title, const QString &suggestedPath,
                                                    const QString &filter) override;
    QString ChooseFolder(QWidget *parent, const QString &title, const QString &folder) override;
    QString AskText(QWidget *parent, const QString &title, const QString &label, const QString &text) override;
    int Exec(QDialog &dialog) override;

private:
    template <typename Answer>
    Answer Next(std::deque<Answer> &answers, const Question &question, Answer unanswered);

    QList<Question> asked_;
    std::deque<bool> confirmAnswers_;
    std::deque<bool> okCancelAnswers_;
    std::deque<QStringList> openFilesAnswers_;
    std::deque<platform::SaveFileChoice> saveFileAnswers_;
    std::deque<QString> chooseFolderAnswers_;
    std::deque<QString> textAnswers_;
    std::deque<std::function<int(QDialog &)>> execAnswers_;
};
