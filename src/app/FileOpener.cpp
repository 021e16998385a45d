#include "FileOpener.h"

#include "ClipListPanel.h"
#include "FilesToAdd.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace {

constexpr int kRetryMilliseconds = 500;

// The local files of a drag, or nothing when it carries none.
QStringList DraggedPaths(const QMimeData *data)
{
    return data && data->hasUrls() ? LocalPathsOf(data->urls()) : QStringList();
}

} // namespace

FileOpener::FileOpener(QWidget &mainForm, ClipListPanel &clipList, QWidget &runWindow)
    : QObject(&mainForm), mainForm_(mainForm), clipList_(clipList), runWindow_(runWindow)
{
    setObjectName(QStringLiteral("FileOpener"));
    retry_.setInterval(kRetryMilliseconds);
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &FileOpener::AddWaitingFiles);
    mainForm.setAcceptDrops(true);
    mainForm.installEventFilter(this);
}

bool FileOpener::CanAddNow() const
{
    return !clipList_.Model().Busy() && !runWindow_.isVisible() && !QApplication::activeModalWidget();
}

void FileOpener::Open(const QStringList &paths)
{
    waiting_ << FilesToAdd(paths, QDir::rootPath());
    retry_.start(0);
}

void FileOpener::AddWaitingFiles()
{
    if (waiting_.isEmpty())
        return;
    if (!CanAddNow()) {
        retry_.start(kRetryMilliseconds);
        return;
    }
    clipList_.AddFiles(std::exchange(waiting_, {}));
    if (!waiting_.isEmpty())   // more arrived during the pass
        retry_.start(0);
}

void FileOpener::BringToFront()
{
    if (mainForm_.isMinimized())
        mainForm_.showNormal();
    mainForm_.show();
    mainForm_.raise();
    mainForm_.activateWindow();
}

// Accepting the enter event is what lets the drop arrive; ignoring it shows the "no" cursor.
bool FileOpener::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &mainForm_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (CanAddNow() && !DraggedPaths(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = DraggedPaths(drop->mimeData());
        if (!CanAddNow() || paths.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        Open(paths);   // added after the drop returns, so the file manager is not kept waiting
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

QStringList FileArguments(const QStringList &arguments)
{
    static const QStringList optionsWithValue{"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                              "-display", "-style", "-stylesheet", "-session",
                                              "-qwindowgeometry", "-qwindowicon", "-qwindowtitle"};
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.startsWith(QLatin1Char('-'))) {
            if (optionsWithValue.contains(argument))
                ++index;
        } else {
            const QUrl url(argument);
            files << (url.isLocalFile() ? url.toLocalFile() : argument);
        }
    }
    return files;
}
