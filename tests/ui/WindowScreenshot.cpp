// Renders the program's windows offscreen into PNG files, for looking at the skin:
//   pelorin_window_screenshot <folder>
// writes main.png, about.png, options.png, progress.png, rename.png, fps.png and splash.png.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include "LibraryLoader.h"
#include "forms/ProgramWindows.h"
#include "forms/TStartForm.h"

namespace {

void Save(QWidget &window, const QString &path)
{
    window.show();
    QApplication::processEvents();
    window.grab().save(path);
    window.hide();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication application(argc, argv);
    const QDir folder(application.arguments().value(1, QStringLiteral(".")));
    ProgramWindows windows(platform::ProgramFolder());
    Save(*windows.MainForm, folder.filePath(QStringLiteral("main.png")));
    Save(*windows.Form_About, folder.filePath(QStringLiteral("about.png")));
    Save(*windows.OptionForm, folder.filePath(QStringLiteral("options.png")));
    Save(*windows.ProcessForm, folder.filePath(QStringLiteral("progress.png")));
    Save(*windows.RenameForm, folder.filePath(QStringLiteral("rename.png")));
    Save(*windows.FPSSelecteForm, folder.filePath(QStringLiteral("fps.png")));
    TStartForm splash;
    splash.setWindowOpacity(1.0);
    Save(splash, folder.filePath(QStringLiteral("splash.png")));
    return 0;
}
