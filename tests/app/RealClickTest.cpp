// The whole program's main window under a real X server (Xvfb), driven by real
// mouse clicks sent through the XTest extension. Each button is found the way a
// screen reader finds it: by its accessible name in the accessibility tree.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <functional>
#include <memory>

#include "LibraryLoader.h"
#include "ProgramParts.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "TargetCatalogue.h"
#include "WaitUntil.h"
#include "forms/ProgramWindows.h"

namespace {

// Screen rectangle of the shown button whose accessible name is `name`; empty when none.
QRect FindButton(QAccessibleInterface *node, const QString &name)
{
    if (!node || node->state().invisible)
        return {};
    if (node->role() == QAccessible::Button && node->text(QAccessible::Name) == name)
        return node->rect();
    for (int i = 0; i < node->childCount(); ++i) {
        const QRect found = FindButton(node->child(i), name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

class RealClickTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QApplication::platformName(), "xcb") << "this test needs a real X server";
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr);
        int eventBase, errorBase, major, minor;
        ASSERT_TRUE(XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor));
        platform::SetProgramFolderForTesting(QStringLiteral(PELORIN_PROGRAM_FOLDER "/"));
        windows_ = std::make_unique<ProgramWindows>(sandbox_.ProgramFolder());
        AttachProgramParts(*windows_);
        windows_->MainForm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(windows_->MainForm.get()));
    }

    void TearDown() override
    {
        windows_.reset();
        platform::SetProgramFolderForTesting(QString());
        if (display_)
            XCloseDisplay(display_);
    }

    // Moves the pointer to the middle of the button named `name` and presses and releases
    // the left button there.
    void ClickButton(const QString &name)
    {
        const QRect area = FindButton(QAccessible::queryAccessibleInterface(windows_->MainForm.get()), name);
        ASSERT_FALSE(area.isEmpty()) << "no shown button named " << name.toStdString();
        const QPoint middle = area.center();
        XTestFakeMotionEvent(display_, -1, middle.x(), middle.y(), CurrentTime);
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XFlush(display_);
    }

    QString OutputFolderShown() const
    {
        return windows_->MainForm->findChild<QLineEdit *>(QStringLiteral("suiEdit_OutputFolder"))->text();
    }
    bool Shown(const char *controlName) const
    {
        return windows_->MainForm->findChild<QWidget *>(QLatin1String(controlName))->isVisible();
    }

    SettingsSandbox sandbox_;
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;
    Display *display_ = nullptr;
    std::unique_ptr<ProgramWindows> windows_;
};

QString AccessibleNameOf(int target)
{
    QWidget *button = nullptr;
    for (QWidget *widget : QApplication::allWidgets())
        if (widget->objectName() == QLatin1String(targets::TargetButton(target).buttonName))
            button = widget;
    if (!button)
        return {};
    return button->accessibleName().isEmpty() ? static_cast<QAbstractButton *>(button)->text() : button->accessibleName();
}

// Every category, then every target shown in its row, by mouse. After each target
// click the output folder names the target's sub-folder and the panel shows the
// controls that belong to the target.
TEST_F(RealClickTest, EveryTargetIsChosenWithRealClicksOnItsCategoryAndItsButton)
{
    QList<int> chosen;
    for (int category = 0; category < targets::CategoryCount; ++category) {
        const targets::CategoryInfo &info = targets::Category(category);
        ClickButton(QLatin1String(info.caption));
        ASSERT_TRUE(WaitUntil([&] { return windows_->MainForm->CurTargetType >= 0 &&
                                         Shown(info.rowName); }))
            << info.caption;
        QList<int> inRow = targets::TargetsInRow(category);
        if (category == targets::CategoryMusic)
            inRow.append(targets::TargetMP3);   // it stands in the music row while that row is shown
        for (int target : inRow) {
            if (!targets::IsSelectableTarget(target))
                continue;
            SCOPED_TRACE(targets::TargetName(target).toStdString());
            ClickButton(AccessibleNameOf(target));
            EXPECT_TRUE(WaitUntil([&] { return windows_->MainForm->CurTargetType == target; }));
            EXPECT_TRUE(OutputFolderShown().endsWith(targets::TargetFolder(target))) << OutputFolderShown().toStdString();
            EXPECT_TRUE(OutputFolderShown().startsWith(windows_->Options.outputFolder));
            EXPECT_EQ(Shown("DVDPanel"), targets::IsDvdTarget(target));
            EXPECT_EQ(Shown("suiComboBox_DVDPF"), targets::IsDvdTarget(target));
            EXPECT_EQ(Shown("suiEdit_DVDName"), targets::IsDeviceTarget(target));
            EXPECT_EQ(Shown("suiComboBox_VideoFrameRate"), !targets::IsAudioOnlyTarget(target));
            chosen.append(target);
        }
    }
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    QList<int> selectable;
    for (int target = 0; target < targets::TargetCount; ++target)
        if (targets::IsSelectableTarget(target))
            selectable.append(target);
    EXPECT_EQ(chosen, selectable);
    EXPECT_TRUE(questions_.Asked().isEmpty());
}

} // namespace
