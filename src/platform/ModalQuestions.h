#pragma once
// The one seam for every modal question: message boxes, file and folder dialogs,
// and the program's own modal dialogs. The program shows real Qt dialogs; tests
// install a double that answers from a script and never blocks.

#include <QString>
#include <QStringList>

class QWidget;
class QDialog;

namespace platform {

// What a save dialog returns: the chosen path (empty when the user cancelled) and
// the position, counted from 1, of the filter entry selected when the user saved
// (0 when cancelled or not known).
struct SaveFileChoice {
    QString path;
    int filterIndex = 0;
};

class ModalQuestions {
public:
    virtual ~ModalQuestions() = default;
    virtual void Information(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void Error(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual bool Confirm(QWidget *parent, const QString &title, const QString &text) = 0;   // Yes/No
    virtual bool OkCancel(QWidget *parent, const QString &title, const QString &text) = 0;  // OK/Cancel
    // Filters in Qt's syntax ("Videos (*.avi *.mp4);;All files (*)").
    virtual QStringList OpenFiles(QWidget *parent, const QString &title, const QString &folder, const QString &filter) = 0;
    // Asks nothing about replacing an existing file: the caller decides what it writes.
    virtual SaveFileChoice SaveFileChoosingFilter(QWidget *parent, const QString &title, const QString &suggestedPath,
                                                  const QString &filter) = 0;
    // The path only, for callers that do not care which filter was selected.
    QString SaveFile(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter)
    {
        return SaveFileChoosingFilter(parent, title, suggestedPath, filter).path;
    }
    virtual QString ChooseFolder(QWidget *parent, const QString &title, const QString &folder) = 0;
    // One line of text, offered with `text`; empty when the user cancelled.
    virtual QString AskText(QWidget *parent, const QString &title, const QString &label, const QString &text) = 0;
    // Runs one of the program's modal dialogs; returns its result code.
    virtual int Exec(QDialog &dialog) = 0;
};

ModalQuestions &Questions();
void SetQuestionsForTesting(ModalQuestions *replacement);   // nullptr restores the real one

// Turns a Windows filter ("Videos|*.avi;*.mp4|All|*.*") into Qt's syntax.
QString QtFilterFromWindowsFilter(const QString &windowsFilter);

} // namespace platform
