// The main window's options button, wired as the program wires it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include "OptionsButton.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "forms/ProgramWindows.h"

namespace {

class OptionsButtonTest : public ::testing::Test {
protected:
    OptionsButtonTest()
    {
        AttachOptionsButton(windows);
        windows.MainForm->show();   // selects the start target
        QApplication::processEvents();
        windows.MainForm->SetSelectTargetHandler([this](int target) { selected.append(target); });
    }

    // Presses the button; the scripted showing runs `inDialog` on the shown dialog.
    void PressOptions(const std::function<void(TOptionForm &)> &inDialog)
    {
        questions.AnswerExec([inDialog](QDialog &dialog) {
            dialog.show();
            inDialog(static_cast<TOptionForm &>(dialog));
            return dialog.result();
        });
        auto *button = windows.MainForm->findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Option"));
        ASSERT_TRUE(button->isVisibleTo(windows.MainForm.get()));
        button->click();
    }
    QString MainOutputFolder() const
    {
        return windows.MainForm->findChild<QLineEdit *>(QStringLiteral("suiEdit_OutputFolder"))->text();
    }

    SettingsSandbox sandbox;
    ScriptedQuestions questions;
    RecordingDesktop desktop;
    ProgramWindows windows{sandbox.ProgramFolder()};
    QList<int> selected;
};

TEST_F(OptionsButtonTest, AChangedDialogShowsTheOutputFolderAndSelectsTheCurrentTargetAgain)
{
    const int target = windows.MainForm->CurTargetType;
    ASSERT_GE(target, 0);
    const QString chosen = sandbox.ProgramFolder() + "Chosen";
    PressOptions([&](TOptionForm &dialog) {
        questions.AnswerChooseFolder(chosen);
        dialog.findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Browse"))->click();
        dialog.findChild<QAbstractButton *>(QStringLiteral("suiImageButton_OK"))->click();
    });
    EXPECT_EQ(selected, QList<int>{target});
    EXPECT_EQ(windows.Options.outputFolder, chosen + "/");
    EXPECT_EQ(MainOutputFolder(), chosen + "/iPod/");
}

TEST_F(OptionsButtonTest, AnUnchangedDialogLeavesTheMainWindowAsItWas)
{
    const QString before = MainOutputFolder();
    PressOptions([](TOptionForm &dialog) {
        dialog.findChild<QAbstractButton *>(QStringLiteral("suiImageButton_Cancel"))->click();
    });
    EXPECT_TRUE(selected.isEmpty());
    EXPECT_EQ(MainOutputFolder(), before);
}

} // namespace
