#pragma once
// The dialogs the desktop draws: message boxes and file and folder dialogs.
// The skinned windows' style sheets reach every child widget, so these dialogs
// get no parent: they keep the desktop's own palette, stay above the window
// that asks and open centred on it.

#include <QFileDialog>
#include <QMessageBox>
#include <memory>

namespace platform {

// An empty title becomes the application's display name.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget *asking, QMessageBox::Icon icon, const QString &title,
                                            const QString &text, QMessageBox::StandardButtons buttons);

enum class FileDialogKind { OpenFiles, SaveFile, ChooseFolder };
// `filter` in Qt's syntax; unused when choosing a folder.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget *asking, FileDialogKind kind, const QString &title,
                                            const QString &folderOrPath, const QString &filter = QString());

// Keeps a parentless window modal over the window of `asking`: above it, centred on it.
void PlaceOver(QWidget &window, QWidget *asking);

} // namespace platform
