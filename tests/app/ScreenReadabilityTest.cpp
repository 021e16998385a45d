// The windows as a user sees them on a real X server: each shown in turn, the
// whole screen taken with ImageMagick's "import", and every visible text measured
// on that screenshot against what is behind it. Runs under xvfb-run.

#include "ClipListPanel.h"
#include "DesktopDialogs.h"
#include "MediaFixtures.h"
#include "ProgramParts.h"
#include "Readability.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "TestEngine.h"
#include "forms/ProgramWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The screen as the X server shows it, taken from outside the program.
QImage Screenshot(const QString &folder)
{
    const QString file = folder + QStringLiteral("/screen.png");
    QProcess import;
    import.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
    if (!import.waitForFinished(30000) || import.exitCode() != 0) {
        ADD_FAILURE() << "import failed: " << import.readAllStandardError().toStdString();
        return {};
    }
    return QImage(file);
}

void ExpectReadableOnScreen(QWidget &window, const char *what, const QString &folder)
{
    window.show();
    window.raise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window)) << what;
    QTest::qWait(300);   // the X server has drawn what the window painted
    const QImage screen = Screenshot(folder);
    ASSERT_FALSE(screen.isNull()) << what;
    const double scale = window.devicePixelRatioF();
    const QPoint origin = window.mapToGlobal(QPoint(0, 0)) * scale;
    const QList<readability::TextContrast> texts = readability::MeasureTexts(window, screen, origin, scale);
    EXPECT_FALSE(texts.isEmpty()) << what;
    for (const readability::TextContrast &text : texts)
        EXPECT_GE(text.ratio, readability::kMinimumContrast) << what << ": " << text.Describe();
    for (const QString &pair : readability::OverlappingControls(window))
        ADD_FAILURE() << what << ": overlapping " << pair.toStdString();
}

TEST(ScreenReadability, WindowsAUserMeetsFirst)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server (xvfb-run)";
    SettingsSandbox sandbox;
    ScriptedQuestions questions;
    RecordingDesktop desktop;
    TestEngine engine;
    QTemporaryDir media;
    ProgramWindows windows(sandbox.ProgramFolder());
    AttachProgramParts(windows);
    windows.MainForm->show();   // first shown with its empty list, as the program starts
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.MainForm.get()));

    const QString file = fixtures::OneAudioTrack(media.path() + QStringLiteral("/holiday at the sea.mp4"));
    ASSERT_FALSE(file.isEmpty());
    engine.SetProbe(file, TestEngine::VideoInfo(754, 25.0f, 1280, 720));
    questions.AnswerOpenFiles({file});
    windows.MainForm->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_OpenDir"))->click();
    ExpectReadableOnScreen(*windows.MainForm, "main window with a clip", media.path());

    const auto box = platform::MakeMessageBox(windows.MainForm.get(), QMessageBox::Information, QString(),
                                              QStringLiteral("No clip to convert!"), QMessageBox::Ok);
    ExpectReadableOnScreen(*box, "\"No clip to convert!\"", media.path());
    box->hide();

    const auto files = platform::MakeFileDialog(windows.MainForm.get(), platform::FileDialogKind::OpenFiles,
                                                QStringLiteral("Open"), media.path(),
                                                QStringLiteral("Video files (*.mp4 *.avi);;All files (*)"));
    ExpectReadableOnScreen(*files, "Add Files dialog", media.path());
    files->hide();

    // The progress window as a run fills it.
    TProcessForm &progress = *windows.ProcessForm;
    const std::pair<const char *, const char *> shown[] = {
        {"Label_TitleName", "holiday at the sea.mp4"}, {"Label_DesName", "holiday at the sea"},
        {"Label_StartTime", "00:00:00"}, {"Label_StopTime", "00:12:34"}, {"Label_Length", "00:12:34"},
        {"Label_CurrentTime", "00:05:02"}, {"Label_FPS", "118"}, {"Label_CurrentFrame", "00:01:30"},
        {"Label_Percent", "40"},
    };
    for (const auto &[name, text] : shown)
        progress.findChild<QLabel *>(QLatin1String(name))->setText(QLatin1String(text));
    progress.findChild<QProgressBar *>(QStringLiteral("Panel_Progress"))->setValue(40);
    ExpectReadableOnScreen(progress, "progress window during a run", media.path());
    progress.hide();
}

} // namespace
