#include "DesktopDialogs.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

namespace platform {

namespace {

// Centres its window on the asking window each time the window is shown.
class CentreOnShow : public QObject {
public:
    CentreOnShow(QWidget &window, QWidget *asking) : QObject(&window), asking_(asking) { window.installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && asking_) {
            auto *window = static_cast<QWidget *>(watched);
            QRect placed = window->frameGeometry();
            placed.moveCenter(asking_->window()->frameGeometry().center());
            window->move(placed.topLeft());
        }
        return false;
    }

private:
    QPointer<QWidget> asking_;
};

} // namespace

void PlaceOver(QWidget &window, QWidget *asking)
{
    window.setWindowModality(Qt::ApplicationModal);
    if (!asking)
        return;
    window.winId();   // makes the native window, so that it can name its transient parent
    if (QWindow *handle = window.windowHandle())
        handle->setTransientParent(asking->window()->windowHandle());
    new CentreOnShow(window, asking);
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget *asking, QMessageBox::Icon icon, const QString &title,
                                            const QString &text, QMessageBox::StandardButtons buttons)
{
    const QString shownTitle = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    auto box = std::make_unique<QMessageBox>(icon, shownTitle, text, buttons);
    PlaceOver(*box, asking);
    return box;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget *asking, FileDialogKind kind, const QString &title,
                                            const QString &folderOrPath, const QString &filter)
{
    auto dialog = std::make_unique<QFileDialog>(nullptr, title, folderOrPath, filter);
    switch (kind) {
    case FileDialogKind::OpenFiles:
        dialog->setFileMode(QFileDialog::ExistingFiles);
        break;
    case FileDialogKind::SaveFile:
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        break;
    case FileDialogKind::ChooseFolder:
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    PlaceOver(*dialog, asking);
    return dialog;
}

} // namespace platform
