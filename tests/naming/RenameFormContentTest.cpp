// The rename dialog through its widgets, offscreen: token clicks, separators, OK and Cancel.

#include "RenameFormContent.h"
#include "QStringPrinting.h"

#include "SettingsSandbox.h"
#include "controls/SkinnedForm.h"
#include "skin/Skin.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace naming {
namespace {

class RenameFormContentTest : public ::testing::Test {
protected:
    void SetUp() override { content = new RenameFormContent(&host, options); }

    template <typename T>
    T *Control(const QString &name) const
    {
        T *found = host.findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void ClickToken(int position) const
    {
        QTest::mouseClick(Control<QWidget>(QStringLiteral("TokenLabel%1").arg(position)), Qt::LeftButton);
    }
    QString TemplateText() const { return Control<QLineEdit>(QStringLiteral("suiEdit_Template"))->text(); }

    SettingsSandbox sandbox;   // outlives the host, whose end writes Option.ini
    ProgramOptions options = sandbox.StartOptions();
    QDialog host;
    RenameFormContent *content = nullptr;   // owned by the host
};

TEST_F(RenameFormContentTest, TokenClicksAppendWithTheChosenSeparator)
{
    Control<QLineEdit>(QStringLiteral("suiEdit_Template"))->clear();
    Control<QCheckBox>(QStringLiteral("suiCheckBox_Add1"))->setChecked(true);
    ClickToken(0);
    EXPECT_EQ(TemplateText(), QStringLiteral("#Name"));
    ClickToken(5);
    EXPECT_EQ(TemplateText(), QStringLiteral("#Name-#SN"));

    QTest::mouseClick(Control<QCheckBox>(QStringLiteral("suiCheckBox_Add2")), Qt::LeftButton);
    EXPECT_FALSE(Control<QCheckBox>(QStringLiteral("suiCheckBox_Add1"))->isChecked());
    ClickToken(3);
    EXPECT_EQ(TemplateText(), QStringLiteral("#Name-#SN_#Resolution"));

    Control<QCheckBox>(QStringLiteral("suiCheckBox_Add2"))->setChecked(false);
    ClickToken(1);
    ClickToken(2);
    ClickToken(4);
    EXPECT_EQ(TemplateText(), QStringLiteral("#Name-#SN_#Resolution#ClipID#Length#Time"));
}

TEST_F(RenameFormContentTest, TokenLabelsShowQuotedTokenCaptionsInOrder)
{
    const char *tokens[] = {"#Name", "#ClipID", "#Length", "#Resolution", "#Time", "#SN"};
    int previousTop = Control<QWidget>(QStringLiteral("Label4"))->y();
    for (int position = 0; position < 6; ++position) {
        auto *label = Control<QLabel>(QStringLiteral("TokenLabel%1").arg(position));
        EXPECT_TRUE(label->text().startsWith(QLatin1Char('"') + QLatin1String(tokens[position]) + QLatin1Char('"')));
        EXPECT_EQ(label->toolTip(), QStringLiteral("Click to add this template"));
        EXPECT_EQ(label->x(), 36);
        EXPECT_EQ(label->y(), previousTop + 22);
        previousTop = label->y();
    }
}

TEST_F(RenameFormContentTest, TokenLabelTurnsBlueAndUnderlinedWhileHovered)
{
    auto *label = Control<QLabel>(QStringLiteral("TokenLabel2"));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(label, &enter);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(label->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_FALSE(label->font().underline());
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(RenameFormContentTest, CancelAndCloseKeepTheSettingsButCloseTheDialog)
{
    for (const char *button : {"suiImageButton_Cancel", "suiImageButton_Close"}) {
        host.show();
        Control<QLineEdit>(QStringLiteral("suiEdit_Template"))->setText(QStringLiteral("#SN typed"));
        Control<QLineEdit>(QStringLiteral("suiEdit_SN_FD"))->setText(QStringLiteral("7"));
        QTest::mouseClick(Control<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
        EXPECT_EQ(host.result(), QDialog::Rejected) << button;
        EXPECT_FALSE(host.isVisible()) << button;
        EXPECT_EQ(options.renameSettings.nameTemplate, QStringLiteral("#Name")) << button;
        EXPECT_EQ(options.renameSettings.fixedDigits, 3) << button;
        EXPECT_EQ(TemplateText(), QStringLiteral("#SN typed")) << "controls keep what was typed";
    }
}

TEST_F(RenameFormContentTest, OkStoresTheControlsUntrimmed)
{
    host.show();
    Control<QLineEdit>(QStringLiteral("suiEdit_Template"))->setText(QStringLiteral("  #Name_#SN "));
    Control<QLineEdit>(QStringLiteral("suiEdit_SN"))->setText(QStringLiteral("42"));
    Control<QLineEdit>(QStringLiteral("suiEdit_SN_FD"))->setText(QStringLiteral("0"));
    Control<QCheckBox>(QStringLiteral("suiCheckBox_Add2"))->setChecked(true);
    QTest::mouseClick(Control<QPushButton>(QStringLiteral("suiImageButton_OK")), Qt::LeftButton);

    EXPECT_EQ(host.result(), QDialog::Accepted);
    const RenameSettings stored = options.renameSettings;
    EXPECT_EQ(stored.nameTemplate, QStringLiteral("  #Name_#SN "));
    EXPECT_EQ(stored.firstSerialNumber, 42);
    EXPECT_EQ(stored.fixedDigits, 0);
    EXPECT_FALSE(stored.addDash);
    EXPECT_TRUE(stored.addUnderscore);
}

TEST_F(RenameFormContentTest, NumberFieldsAcceptDigitsOnly)
{
    auto *digits = Control<QLineEdit>(QStringLiteral("suiEdit_SN_FD"));
    digits->clear();
    QTest::keyClicks(digits, QStringLiteral("a-45"));
    EXPECT_EQ(digits->text(), QStringLiteral("4"));
    auto *start = Control<QLineEdit>(QStringLiteral("suiEdit_SN"));
    start->clear();
    QTest::keyClicks(start, QStringLiteral("-1x20"));
    EXPECT_EQ(start->text(), QStringLiteral("120"));
}

TEST(RenameFormSettings, LoadedAtCreationAndWrittenBackAtDestruction)
{
    SettingsSandbox sandbox;
    sandbox.WriteSettingsFile(QStringLiteral("Option.ini"),
                              "[Option]\nTemplate=#SN_#Name\nOutputPSPSerialNumber=20\nFitDigi=5\nAdd2=1\n");
    ProgramOptions options = sandbox.StartOptions();
    auto host = std::make_unique<QDialog>();
    new RenameFormContent(host.get(), options);
    EXPECT_EQ(host->findChild<QLineEdit *>(QStringLiteral("suiEdit_Template"))->text(), QStringLiteral("#SN_#Name"));
    EXPECT_EQ(host->findChild<QLineEdit *>(QStringLiteral("suiEdit_SN"))->text(), QStringLiteral("20"));
    EXPECT_EQ(host->findChild<QLineEdit *>(QStringLiteral("suiEdit_SN_FD"))->text(), QStringLiteral("5"));
    EXPECT_TRUE(host->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_Add2"))->isChecked());
    EXPECT_FALSE(host->findChild<QCheckBox *>(QStringLiteral("suiCheckBox_Add1"))->isChecked());

    options.renameSettings.nameTemplate = QStringLiteral("#Time");
    options.renameSettings.addDash = true;
    options.renameSettings.addUnderscore = false;
    EXPECT_FALSE(sandbox.ReadSettingsFile(QStringLiteral("Option.ini")).contains("#Time"));
    host.reset();
    const QByteArray written = sandbox.ReadSettingsFile(QStringLiteral("Option.ini"));
    EXPECT_TRUE(written.contains("Template=#Time"));
    EXPECT_TRUE(written.contains("FitDigi=5"));
    EXPECT_TRUE(written.contains("Add1=1"));
    EXPECT_TRUE(written.contains("Add2=0"));
}

TEST(RenameFormButtons, TheFormsOwnPictureButtonsAreUsed)
{
    SettingsSandbox sandbox;
    ProgramOptions options = sandbox.StartOptions();
    QDialog host;
    auto *skinnedOk = new QPushButton(&host);
    skinnedOk->setObjectName(QStringLiteral("suiImageButton_OK"));
    new RenameFormContent(&host, options);
    EXPECT_EQ(host.findChildren<QAbstractButton *>(QStringLiteral("suiImageButton_OK")).size(), 1);
    host.findChild<QLineEdit *>(QStringLiteral("suiEdit_Template"))->setText(QStringLiteral("#SN"));
    host.show();
    QTest::mouseClick(skinnedOk, Qt::LeftButton);
    EXPECT_EQ(host.result(), QDialog::Accepted);
    EXPECT_EQ(options.renameSettings.nameTemplate, QStringLiteral("#SN"));
}

TEST(RenameFormHosting, TheBackgroundPictureStaysTheDragHandle)
{
    SettingsSandbox sandbox;
    ProgramOptions options = sandbox.StartOptions();
    SkinnedDialog form(QStringLiteral("RENAME"), WindowDragger::Mode::SystemMove);
    form.setStyleSheet(skin::StyleSheet());
    new RenameFormContent(&form, options);
    for (const QPoint free : {QPoint(8, 200), QPoint(452, 200), QPoint(300, 58)}) {
        const QWidget *underCursor = form.childAt(free);
        ASSERT_NE(underCursor, nullptr);
        EXPECT_EQ(underCursor->objectName(), QStringLiteral("Image_Bk")) << free.x() << "," << free.y();
    }
    for (const QWidget *control : form.findChildren<QWidget *>()) {
        if (control->parentWidget() == &form) {
            EXPECT_TRUE(form.rect().contains(control->geometry())) << control->objectName().toStdString();
        }
    }
}

TEST(RenameFormSettings, FirstStartShowsTheDefaults)
{
    SettingsSandbox sandbox;
    ProgramOptions options = sandbox.StartOptions();
    QDialog host;
    new RenameFormContent(&host, options);
    EXPECT_EQ(host.findChild<QLineEdit *>(QStringLiteral("suiEdit_Template"))->text(), QStringLiteral("#Name"));
    EXPECT_EQ(host.findChild<QLineEdit *>(QStringLiteral("suiEdit_SN"))->text(), QStringLiteral("1"));
    EXPECT_EQ(host.findChild<QLineEdit *>(QStringLiteral("suiEdit_SN_FD"))->text(), QStringLiteral("3"));
    EXPECT_FALSE(host.findChild<QCheckBox *>(QStringLiteral("suiCheckBox_Add1"))->isChecked());
    EXPECT_FALSE(host.findChild<QCheckBox *>(QStringLiteral("suiCheckBox_Add2"))->isChecked());
}

} // namespace
} // namespace naming
