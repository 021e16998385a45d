#include "WindowRun.h"

#include "ClipListPanel.h"
#include "LibraryLoader.h"
#include "ProgramParts.h"
#include "ScriptedQuestions.h"
#include "TargetCatalogue.h"
#include "WaitUntil.h"
#include "forms/ProgramWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QSlider>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace cli::testing_support {
namespace {

// The panel control the user changes for a --set key.
QString ControlOfKey(const QString &key)
{
    static const QMap<QString, QString> controls{
        {QStringLiteral("OutputFormat"), QStringLiteral("suiComboBox_OutputFormat")},
        {QStringLiteral("VideoAspect"), QStringLiteral("suiComboBox_Profile")},
        {QStringLiteral("VideoResolution"), QStringLiteral("suiComboBox_Resolution")},
        {QStringLiteral("VideoWidth"), QStringLiteral("suiSpinEdit_VideoWidth")},
        {QStringLiteral("VideoHeight"), QStringLiteral("suiSpinEdit_VideoHeight")},
        {QStringLiteral("VideoFrameRate"), QStringLiteral("suiComboBox_VideoFrameRate")},
        {QStringLiteral("VideoBitRate"), QStringLiteral("suiSpinEdit_VideoBitRate")},
        {QStringLiteral("VideoCodec"), QStringLiteral("suiComboBox_VideoCodec")},
        {QStringLiteral("AudioCodec"), QStringLiteral("suiComboBox_AudioCodec")},
        {QStringLiteral("AudioBitrate"), QStringLiteral("suiComboBox_AudioBitRate")},
        {QStringLiteral("AudioSampleRate"), QStringLiteral("suiComboBox_AudioSampleRate")},
        {QStringLiteral("AudioVolume"), QStringLiteral("suiTrackBar_Volume")},
        {QStringLiteral("DVDSetting"), QStringLiteral("suiComboBox_DVDPF")},
    };
    return controls.value(key);
}

void Click(TMainForm &form, const char *buttonName)
{
    auto *button = form.findChild<QAbstractButton *>(QLatin1String(buttonName));
    ASSERT_NE(button, nullptr) << buttonName;
    button->click();
}

void ChooseProfile(TMainForm &form, const QString &name)
{
    auto *profiles = form.findChild<QComboBox *>(QStringLiteral("suiComboBox_PF"));
    for (int entry = 0; entry < profiles->count(); ++entry) {
        if (profiles->itemText(entry).section(QStringLiteral(" : "), 0, 0) == name) {
            profiles->setCurrentIndex(entry);
            return;
        }
    }
    ADD_FAILURE() << "no profile " << name.toStdString();
}

void SetControl(TMainForm &form, const QString &key, const QString &value)
{
    QWidget *control = form.findChild<QWidget *>(ControlOfKey(key));
    ASSERT_NE(control, nullptr) << key.toStdString();
    if (auto *list = qobject_cast<QComboBox *>(control)) {
        ASSERT_GE(list->findText(value), 0) << key.toStdString() << " has no " << value.toStdString();
        list->setCurrentIndex(list->findText(value));
    } else if (auto *field = qobject_cast<QSpinBox *>(control)) {
        field->setValue(value.toInt());
        QFocusEvent leave(QEvent::FocusOut);
        QCoreApplication::sendEvent(field, &leave);
    } else if (auto *trackBar = qobject_cast<QSlider *>(control)) {
        trackBar->setValue(value.toInt());
    }
}

} // namespace

QStringList CommandArguments(const PanelChoices &choices, const QString &outputDir, const QString &file)
{
    QStringList arguments{QStringLiteral("--target"), QLatin1String(choices.target)};
    if (choices.profile)
        arguments << QStringLiteral("--profile") << QLatin1String(choices.profile);
    for (const auto &[key, value] : choices.settings)
        arguments << QStringLiteral("--set") << key + QLatin1Char('=') + value;
    return arguments << QStringLiteral("--output-dir") << outputDir << file;
}

void ConvertInWindow(const PanelChoices &choices, const QString &file, const QString &outputRoot,
                     ScriptedQuestions &questions, int runMilliseconds)
{
    ProgramWindows windows(platform::ProgramFolder());   // the test world's program folder
    AttachProgramParts(windows);
    windows.MainForm->show();
    QApplication::processEvents();
    windows.Options.outputFolder = outputRoot;
    windows.ProcessForm->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_OpenFolder"))->setChecked(false);
    TMainForm &form = *windows.MainForm;

    auto *clipList = form.findChild<ClipListPanel *>();
    questions.AnswerOpenFiles({file});
    Click(form, "suiImageButton_OpenDir");
    ASSERT_TRUE(WaitUntil([clipList] { return clipList->Model().Clips().size() == 1 && !clipList->Model().Busy(); }));

    const int target = targets::TargetNumberOfName(QLatin1String(choices.target));
    Click(form, targets::Category(targets::CategoryOfTarget(target)).buttonName);
    Click(form, targets::TargetButton(target).buttonName);
    ASSERT_EQ(form.CurTargetType, target);
    if (choices.profile)
        ChooseProfile(form, QLatin1String(choices.profile));
    for (const auto &[key, value] : choices.settings)
        SetControl(form, key, value);

    questions.AnswerExec([&questions, runMilliseconds](QDialog &dialog) {
        dialog.show();
        const int asked = questions.Asked().size();
        EXPECT_TRUE(WaitUntil([&] { return !dialog.isVisible() || questions.Asked().size() > asked; }, runMilliseconds))
            << "the window's run did not end";
        QApplication::processEvents();
        return dialog.result();
    });
    Click(form, "suiImageButton_StartConvert");
}

} // namespace cli::testing_support
