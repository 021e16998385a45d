// The main window's start button and the panel values a run reads: the parameter
// panel's state, which follows its controls.

#include "MainWindowStart.h"

#include "ClipListPanel.h"
#include "ParameterPanel.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "forms/ProgramWindows.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace conversion {
namespace {

class StartButtonTest : public testing::Test {
protected:
    StartButtonTest() : windows_(sandbox_.ProgramFolder())
    {
        // Children of the main window.
        clipList_ = new ClipListPanel(windows_.MainForm.get());
        panel_ = new ParameterPanel(*windows_.MainForm, windows_.Options);
        AttachConversionRun(*windows_.MainForm, *windows_.ProcessForm, windows_.Options, {*clipList_, *panel_});
    }

    template <typename Widget>
    Widget *Control(const char *name)
    {
        return windows_.MainForm->findChild<Widget *>(QLatin1String(name));
    }

    SettingsSandbox sandbox_;
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;
    ProgramWindows windows_;
    ClipListPanel *clipList_ = nullptr;
    ParameterPanel *panel_ = nullptr;
};

TEST_F(StartButtonTest, AnEmptyListOrABusyListDoesNotStart)
{
    auto *start = Control<QAbstractButton>("suiImageButton_StartConvert");
    ASSERT_NE(start, nullptr);
    ClipListPanel *clipList = clipList_;
    ASSERT_NE(clipList, nullptr);
    clipList->Model().SetBusy(true);   // an adding pass runs
    start->click();
    EXPECT_TRUE(questions_.Asked().isEmpty());
    clipList->Model().SetBusy(false);
    start->click();
    EXPECT_EQ(questions_.Texts(ScriptedQuestions::Kind::Information), QStringList{QStringLiteral("No clip to convert!")});
    EXPECT_TRUE(questions_.Texts(ScriptedQuestions::Kind::Exec).isEmpty()) << "the progress window stays closed";
}

TEST_F(StartButtonTest, PanelValuesFollowTheControls)
{
    auto *cpu = Control<QComboBox>("suiComboBox_CPU");
    ASSERT_NE(cpu, nullptr);
    cpu->addItem(QStringLiteral("2"));   // this machine's own list may hold one entry
    cpu->setCurrentIndex(cpu->count() - 1);
    Control<QLineEdit>("suiEdit_DVDName")->setText(QStringLiteral("Holiday"));
    Control<QAbstractButton>("suiCheckBox_DVD_169")->setChecked(false);
    Control<QAbstractButton>("suiCheckBox_HQE")->setChecked(true);
    const JobPanelValues panel = panel_->JobValues();
    EXPECT_EQ(panel.cpuIndex, cpu->count() - 1);
    EXPECT_EQ(panel.dvdName, QStringLiteral("Holiday"));
    EXPECT_FALSE(panel.dvdWide);
    EXPECT_TRUE(panel.highQuality);
    EXPECT_EQ(panel.outputFormatIndex, Control<QComboBox>("suiComboBox_OutputFormat")->currentIndex());
    EXPECT_EQ(panel.outputFormatText, Control<QComboBox>("suiComboBox_OutputFormat")->currentText());
}

} // namespace
} // namespace conversion
