#include "ModalQuestions.h"

#include "DesktopDialogs.h"
#include "ReplaceableService.h"

#include <QDialog>
#include <QGuiApplication>
#include <QInputDialog>

namespace platform {

namespace {

// A message box's answer: the standard button that closed it.
QMessageBox::StandardButton Ask(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons)
{
    return static_cast<QMessageBox::StandardButton>(MakeMessageBox(parent, icon, title, text, buttons)->exec());
}

class DialogQuestions : public ModalQuestions {
public:
    void Information(QWidget *parent, const QString &title, const QString &text) override
    {
        Ask(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
    }

    void Error(QWidget *parent, const QString &title, const QString &text) override
    {
        Ask(parent, QMessageBox::Critical, title, text, QMessageBox::Ok);
    }

    bool Confirm(QWidget *parent, const QString &title, const QString &text) override
    {
        return Ask(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }

    bool OkCancel(QWidget *parent, const QString &title, const QString &text) override
    {
        return Ask(parent, QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    }

    QStringList OpenFiles(QWidget *parent, const QString &title, const QString &folder, const QString &filter) override
    {
        const auto dialog = MakeFileDialog(parent, FileDialogKind::OpenFiles, title, folder, filter);
        return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
    }

    SaveFileChoice SaveFileChoosingFilter(QWidget *parent, const QString &title, const QString &suggestedPath,
                                          const QString &filter) override
    {
        const auto dialog = MakeFileDialog(parent, FileDialogKind::SaveFile, title, suggestedPath, filter);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return {};
        const QString selectedFilter = dialog->selectedNameFilter();
        return {dialog->selectedFiles().constFirst(), int(filter.split(QStringLiteral(";;")).indexOf(selectedFilter)) + 1};
    }

    QString ChooseFolder(QWidget *parent, const QString &title, const QString &folder) override
    {
        const auto dialog = MakeFileDialog(parent, FileDialogKind::ChooseFolder, title, folder);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return {};
        return dialog->selectedFiles().constFirst();
    }

    QString AskText(QWidget *parent, const QString &title, const QString &label, const QString &text) override
    {
        QInputDialog dialog;
        dialog.setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
        dialog.setLabelText(label);
        dialog.setTextValue(text);
        PlaceOver(dialog, parent);
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    }

    int Exec(QDialog &dialog) override
    {
        return dialog.exec();
    }
};

using QuestionsService = ReplaceableService<ModalQuestions, DialogQuestions>;

} // namespace

ModalQuestions &Questions()
{
    return QuestionsService::Current();
}

void SetQuestionsForTesting(ModalQuestions *replacement)
{
    QuestionsService::Replace(replacement);
}

} // namespace platform
