#pragma once
// The one seam for every modal question: message boxes, file and folder dialogs,
// and the program's own modal dialogs. The program shows real Qt dialogs; tests
// install a double that answers from a script and never blocks.

#include <QString>
#include <QStringList>

class QWidget;
class QDialog;

namespace platform {

class ModalQuestions {
public:
    virtual ~ModalQuestions() = default;
    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void error(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual bool confirm(QWidget *parent, const QString &title, const QString &text) = 0;   // Yes/No
    virtual bool okCancel(QWidget *parent, const QString &title, const QString &text) = 0;  // OK/Cancel
    // Filters in Qt's syntax ("Videos (*.avi *.mp4);;All files (*)").
    virtual QStringList openFiles(QWidget *parent, const QString &title, const QString &folder, const QString &filter) = 0;
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter) = 0;
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &folder) = 0;
    // Runs one of the program's modal dialogs; returns its result code.
    virtual int exec(QDialog &dialog) = 0;
};

ModalQuestions &questions();
void SetQuestionsForTesting(ModalQuestions *replacement);   // nullptr restores the real one

// Turns a Windows filter ("Videos|*.avi;*.mp4|All|*.*") into Qt's syntax.
QString QtFilterFromWindowsFilter(const QString &windowsFilter);

} // namespace platform
