#pragma once
// Files reaching the program from outside the add-files dialog: dropped on the main
// window, given on the command line, handed over by a second copy. They go through
// the clip list's adding pass. A drop is refused while the list is adding or a run
// (or any modal window) is going on; files given otherwise wait for that to end.

#include <QObject>
#include <QStringList>
#include <QTimer>

class QWidget;
class ClipListPanel;

class FileOpener : public QObject {
    Q_OBJECT
public:
    // A child of `mainForm`, whose drops it takes; `runWindow` is the progress window.
    FileOpener(QWidget &mainForm, ClipListPanel &clipList, QWidget &runWindow);

    // Adds the files (absolute paths; folders stand for their media files) as soon as
    // the list is free.
    void Open(const QStringList &paths);
    // Shows the main window in front of the others (a second copy asked for it).
    void BringToFront();
    bool CanAddNow() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AddWaitingFiles();

    QWidget &mainForm_;
    ClipListPanel &clipList_;
    QWidget &runWindow_;
    QStringList waiting_;
    QTimer retry_;
};

// The file arguments of a command line (program name first), Qt's own options left out.
QStringList FileArguments(const QStringList &arguments);
