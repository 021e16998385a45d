// Every window a user reads, opened offscreen as the program shows it and measured
// on its picture: each visible text against what is behind it (4.5:1), no two
// visible controls overlapping, no text cut without "…", every control named for
// assistive technology. CTest runs this program at scale 1 and at scale 2
// (QT_SCALE_FACTOR).

#include "ClipListPanel.h"
#include "DesktopDialogs.h"
#include "FpsSelecteContent.h"
#include "MediaFixtures.h"
#include "ProductTexts.h"
#include "ProgramParts.h"
#include "Readability.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "WaitUntil.h"
#include "SettingsSandbox.h"
#include "TestEngine.h"
#include "forms/ProgramWindows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// Texts, overlaps and names of one shown window; `what` names it in failures.
void ExpectReadable(QWidget &window, const char *what)
{
    window.show();
    QApplication::processEvents();
    const QList<readability::TextContrast> texts = readability::MeasureTexts(window);
    EXPECT_FALSE(texts.isEmpty()) << what;
    for (const readability::TextContrast &text : texts)
        EXPECT_GE(text.ratio, readability::kMinimumContrast) << what << ": " << text.Describe();
    for (const QString &pair : readability::OverlappingControls(window))
        ADD_FAILURE() << what << ": overlapping " << pair.toStdString();
    for (const QString &control : readability::CutTexts(window))
        ADD_FAILURE() << what << ": cut without an ellipsis: " << control.toStdString();
    for (const QString &control : readability::ControlsWithoutAccessibleName(window))
        ADD_FAILURE() << what << ": no accessible name: " << control.toStdString();
}

class Readability : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sandbox = new SettingsSandbox;
        questions = new ScriptedQuestions;
        desktop = new RecordingDesktop;
        engine = new TestEngine;
        media = new QTemporaryDir;
        windows = new ProgramWindows(sandbox->ProgramFolder());
        AttachProgramParts(*windows);
        windows->MainForm->show();
        AddClip(QStringLiteral("/a clip with a rather long file name for the list.mp4"), 5400, 1920, 1080);
    }

    static void TearDownTestSuite()
    {
        delete windows;
        delete media;
        delete engine;
        delete desktop;
        delete questions;
        delete sandbox;
    }

    static void AddClip(const QString &name, int seconds, int width, int height)
    {
        const QString file = fixtures::OneAudioTrack(media->path() + name);
        ASSERT_FALSE(file.isEmpty());
        engine->SetProbe(file, TestEngine::VideoInfo(seconds, 25.0f, width, height));
        questions->AnswerOpenFiles({file});
        windows->MainForm->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_OpenDir"))->click();
        WaitUntil([] { return !ClipList().Model().Busy(); });
    }

    static ClipListPanel &ClipList() { return *windows->MainForm->findChild<ClipListPanel *>(); }

    static inline SettingsSandbox *sandbox = nullptr;
    static inline ScriptedQuestions *questions = nullptr;
    static inline RecordingDesktop *desktop = nullptr;
    static inline TestEngine *engine = nullptr;
    static inline QTemporaryDir *media = nullptr;
    static inline ProgramWindows *windows = nullptr;
};

TEST_F(Readability, MainWindowWithAClip)
{
    ASSERT_EQ(ClipList().Model().Clips().size(), 1u);
    ClipList().SelectClipRow(ClipList().Rows().first());
    ExpectReadable(*windows->MainForm, "main window");
    // The task bar and Alt-Tab show the product's name and its logo.
    EXPECT_EQ(windows->MainForm->windowTitle(), kDisplayTitle);
    const QList<QSize> iconSizes = QApplication::windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(256, 256)));
}

TEST_F(Readability, ProgressWindowAsARunShowsIt)
{
    TProcessForm &form = *windows->ProcessForm;
    const std::pair<const char *, const char *> shown[] = {
        {"Label_TitleName", "a clip with a rather long file name for the list.mp4"},
        {"Label_DesName", "a clip with a rather long file name for the list"},
        {"Label_StartTime", "00:00:00"}, {"Label_StopTime", "01:30:00"}, {"Label_Length", "01:30:00"},
        {"Label_CurrentTime", "00:36:00"}, {"Label_FPS", "240"}, {"Label_CurrentFrame", "00:04:12"},
        {"Label_Percent", "40"}, {"Label_CopyFile", "Copying a clip with a rather long file name for the list.mp4"},
    };
    for (const auto &[name, text] : shown)
        form.findChild<QLabel *>(QLatin1String(name))->setText(QLatin1String(text));
    auto *bar = form.findChild<QProgressBar *>(QStringLiteral("Panel_Progress"));
    ASSERT_NE(bar, nullptr);
    bar->setValue(40);
    ExpectReadable(form, "progress window");
    // A real progress control: assistive technology reads its value.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(bar);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ProgressBar);
    ASSERT_NE(accessible->valueInterface(), nullptr);
    EXPECT_EQ(accessible->valueInterface()->currentValue().toInt(), 40);
    form.hide();
}

TEST_F(Readability, SkinnedDialogs)
{
    ExpectReadable(*windows->OptionForm, "options window");
    windows->OptionForm->hide();
    ExpectReadable(*windows->RenameForm, "rename window");
    windows->RenameForm->hide();
    ExpectReadable(*windows->Form_About, "about box");
    windows->Form_About->hide();
    windows->FPSSelecteForm->findChild<FpsSelecteContent *>()->Prepare(
        QStringLiteral("/home/someone/Videos/holidays/2024/the sea at dawn, filmed from the boat.mp4"), 29.97f, 25.0f);
    ExpectReadable(*windows->FPSSelecteForm, "frame-rate window");
    windows->FPSSelecteForm->hide();
}

// The desktop's own dialogs keep the desktop's palette, whatever window asks.
TEST_F(Readability, DesktopDialogsAskedFromTheSkinnedWindows)
{
    const auto box = platform::MakeMessageBox(windows->MainForm.get(), QMessageBox::Information, QString(),
                                              QStringLiteral("No clip to convert!"), QMessageBox::Ok);
    ExpectReadable(*box, "message box");
    EXPECT_EQ(box->windowTitle(), QApplication::applicationDisplayName());
    const auto question = platform::MakeMessageBox(windows->ProcessForm.get(), QMessageBox::Question, QString(),
                                                   QStringLiteral("Do you want to stop the process?"),
                                                   QMessageBox::Yes | QMessageBox::No);
    ExpectReadable(*question, "question box");
    const auto files = platform::MakeFileDialog(windows->MainForm.get(), platform::FileDialogKind::OpenFiles,
                                                QStringLiteral("Open"), sandbox->VideosFolder(),
                                                QStringLiteral("Video files (*.avi *.mp4);;All files (*)"));
    files->setOption(QFileDialog::DontUseNativeDialog);
    ExpectReadable(*files, "file dialog");
    files->hide();

    QMenu *menu = ClipList().PopupMenu();
    menu->popup(QPoint(20, 20));
    ExpectReadable(*menu, "clip list menu");
    menu->hide();
}

TEST_F(Readability, ToolTipOfASkinnedControl)
{
    QWidget *about = windows->MainForm->findChild<QWidget *>(QStringLiteral("suiImageButton_About"));
    QToolTip::showText(about->mapToGlobal(QPoint(4, 4)), QStringLiteral("About"), about);
    QWidget *tip = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            tip = widget;
    ASSERT_NE(tip, nullptr);
    const QImage picture = tip->grab().toImage();
    const QList<readability::TextContrast> texts = readability::MeasureTexts(*tip, picture, {}, picture.devicePixelRatio());
    QToolTip::hideText();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_GE(texts.first().ratio, readability::kMinimumContrast) << texts.first().Describe();
}

} // namespace
