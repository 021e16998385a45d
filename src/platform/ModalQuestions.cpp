#include "ModalQuestions.h"

#include "ReplaceableService.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

namespace {

class DialogQuestions : public ModalQuestions {
public:
    void information(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox::information(parent, title, text);
    }

    void error(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox::critical(parent, title, text);
    }

    bool confirm(QWidget *parent, const QString &title, const QString &text) override
    {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }

    bool okCancel(QWidget *parent, const QString &title, const QString &text) override
    {
        return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    }

    QStringList openFiles(QWidget *parent, const QString &title, const QString &folder, const QString &filter) override
    {
        return QFileDialog::getOpenFileNames(parent, title, folder, filter);
    }

    SaveFileChoice saveFileChoosingFilter(QWidget *parent, const QString &title, const QString &suggestedPath,
                                          const QString &filter) override
    {
        QString selectedFilter;
        const QString path = QFileDialog::getSaveFileName(parent, title, suggestedPath, filter, &selectedFilter,
                                                          QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty())
            return {};
        return {path, int(filter.split(QStringLiteral(";;")).indexOf(selectedFilter)) + 1};
    }

    QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) override
    {
        return QFileDialog::getExistingDirectory(parent, title, folder);
    }

    QString askText(QWidget *parent, const QString &title, const QString &label, const QString &text) override
    {
        return QInputDialog::getText(parent, title, label, QLineEdit::Normal, text);
    }

    int exec(QDialog &dialog) override
    {
        return dialog.exec();
    }
};

using QuestionsService = ReplaceableService<ModalQuestions, DialogQuestions>;

} // namespace

ModalQuestions &questions()
{
    return QuestionsService::current();
}

void SetQuestionsForTesting(ModalQuestions *replacement)
{
    QuestionsService::replace(replacement);
}

} // namespace platform
