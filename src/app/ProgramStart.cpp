#include "ProgramStart.h"

#include <QApplication>
#include <exception>

#include "ModalQuestions.h"
#include "ProgramParts.h"
#include "ProductTexts.h"
#include "SingleInstance.h"
#include "forms/ProgramWindows.h"
#include "forms/TStartForm.h"

namespace {

std::unique_ptr<ProgramWindows> CreateWindowsBehindSplash()
{
    TStartForm splash;
    splash.show();
    splash.repaint();
    splash.Fade();
    auto windows = std::make_unique<ProgramWindows>([] { QApplication::processEvents(); });
    splash.Fade();
    splash.close();
    return windows;
}

int RunMessageLoop(QApplication &application)
{
    QApplication::setApplicationDisplayName(kDisplayTitle);
    std::unique_ptr<ProgramWindows> windows = CreateWindowsBehindSplash();
    AttachProgramParts(*windows);
    windows->MainForm->setWindowTitle(kInternalWindowName);
    windows->MainForm->show();
    return application.exec();
}

} // namespace

int RunProgram(int argc, char **argv)
{
    // A second copy ends before it makes any window, or even needs a display.
    platform::SingleInstanceGuard guard(kInternalWindowName);
    if (!guard.isFirst())
        return platform::kSecondCopyExitStatus;
    QApplication application(argc, argv);
    // The skin's fields rely on the Fusion style's palette-driven drawing.
    QApplication::setStyle(QStringLiteral("Fusion"));
    try {
        RunMessageLoop(application);
    } catch (const std::exception &failure) {
        platform::questions().error(nullptr, kDisplayTitle, QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        platform::questions().error(nullptr, kDisplayTitle, QString());
    }
    return 0;
}
