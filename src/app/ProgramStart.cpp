#include "ProgramStart.h"

#include <QApplication>
#include <QDir>
#include <exception>

#include "FileHandOver.h"
#include "FileOpener.h"
#include "FilesToAdd.h"
#include "LibraryLoader.h"
#include "ModalQuestions.h"
#include "ProgramParts.h"
#include "ProductTexts.h"
#include "SingleInstance.h"
#include "forms/ProgramWindows.h"
#include "forms/TStartForm.h"

namespace {

// Long enough for a first copy that is still making its windows.
constexpr int kHandOverMilliseconds = 20000;

std::unique_ptr<ProgramWindows> CreateWindowsBehindSplash()
{
    TStartForm splash;
    splash.show();
    splash.repaint();
    splash.Fade();
    auto windows = std::make_unique<ProgramWindows>(platform::ProgramFolder(), [] { QApplication::processEvents(); });
    splash.Fade();
    splash.close();
    return windows;
}

// Files handed over while the windows are still being made wait for the opener.
int RunMessageLoop(QApplication &application, const QStringList &files)
{
    QApplication::setApplicationDisplayName(kDisplayTitle);
    // The installed menu entry: Wayland compositors and docks match the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.pelorin.VideoConverter"));
    platform::FileHandOverServer handOver(kInternalWindowName);
    QStringList waiting = files;
    FileOpener *opener = nullptr;
    QObject::connect(&handOver, &platform::FileHandOverServer::FilesHandedOver, [&](const QStringList &more) {
        if (!opener) {
            waiting << more;
            return;
        }
        opener->Open(more);
        opener->BringToFront();
    });
    std::unique_ptr<ProgramWindows> windows = CreateWindowsBehindSplash();
    const ProgramParts parts = AttachProgramParts(*windows);
    windows->MainForm->show();
    opener = parts.fileOpener;
    OpenStartFiles(parts, waiting);
    const int status = application.exec();
    opener = nullptr;   // the windows go first
    return status;
}

// The file arguments as absolute paths, taken before the adding pass changes the current folder.
QStringList GivenFiles()
{
    return FilesToAdd(FileArguments(QCoreApplication::arguments()), QDir::currentPath());
}

// A refused copy gives its files to the running one, which comes to the front.
int HandOverToRunningCopy(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    platform::HandFilesOver(kInternalWindowName, GivenFiles(), kHandOverMilliseconds);
    return platform::kSecondCopyExitStatus;
}

} // namespace

int RunProgram(int argc, char **argv)
{
    // A second copy ends before it makes any window, or even needs a display.
    platform::SingleInstanceGuard guard(kInternalWindowName);
    if (!guard.IsFirst())
        return HandOverToRunningCopy(argc, argv);
    QApplication application(argc, argv);
    try {
        RunMessageLoop(application, GivenFiles());
    } catch (const std::exception &failure) {
        platform::Questions().Error(nullptr, kDisplayTitle, QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        platform::Questions().Error(nullptr, kDisplayTitle, QString());
    }
    return 0;
}
