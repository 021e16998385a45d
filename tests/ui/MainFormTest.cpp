// The main window through its real controls: start-up state, catalogue clicks,
// the core list, closing, the folder buttons, the about box and its links.

#include "MainWindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QApplication>

#include "ChoiceListWidgets.h"
#include "TargetCatalogue.h"
#include "TestEngine.h"
#include "controls/PictureButton.h"
#include "mainform/TargetSelector.h"
#include "skin/CursorFile.h"
#include <QFile>

namespace {

class MainFormTest : public MainWindowFixture {
protected:
    NoEngine noEngine;   // tests that want an engine make a TestEngine, which points elsewhere

    TargetSelector &selector() { return *form().targetSelector(); }
    bool RowShown(const char *rowName) { return !control(rowName)->isHidden(); }
    QStringList CoreItems()
    {
        auto *cores = control<QComboBox>("suiComboBox_CPU");
        QStringList items;
        for (int i = 0; i < cores->count(); ++i)
            items << cores->itemText(i);
        return items;
    }
};

TEST_F(MainFormTest, StartsWithTheAppleCategoryAndIPodSelected)
{
    start();
    EXPECT_EQ(selector().CurConverterType(), targets::CategoryApple);
    EXPECT_FALSE(control("sb_Apple")->isEnabled());
    EXPECT_TRUE(RowShown("ip_Apple"));
    EXPECT_EQ(form().CurTargetType, targets::TargetiPod);
    EXPECT_FALSE(control("sb_iPod")->isEnabled());
    for (const char *other : {"sb_iPad", "sb_iPhone", "sb_AppleTV", "sb_AppleTV_HD", "sb_MP3"})
        EXPECT_TRUE(control(other)->isEnabled()) << other;
    EXPECT_TRUE(control("ip_Apple")->isVisible());
    EXPECT_TRUE(QRect(QPoint(), form().size()).contains(control("ip_Apple")->geometry()));
    EXPECT_EQ(control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + "iPod/");
    EXPECT_TRUE(control("Panel_AddProgress")->isHidden());
    EXPECT_TRUE(control("Label_Info")->isHidden());
    EXPECT_FALSE(control("Panel_Intro")->isHidden());
    EXPECT_TRUE(control("suiImageButton_Option")->isVisible());
    EXPECT_EQ(form().size(), QSize(891, 716));
}

TEST_F(MainFormTest, RegistersEveryCategoryAndTargetWithItsNumberAsTag)
{
    start();
    ASSERT_EQ(selector().ConverterTypes().size(), 8);
    for (int category = 0; category < 8; ++category)
        EXPECT_EQ(selector().ConverterTypes()[category].CategoryButton->tag(), category);
    ASSERT_EQ(selector().TargetTypes().size(), 42);
    for (int target = 0; target < 42; ++target) {
        const TTargetType &type = selector().TargetTypes()[target];
        EXPECT_EQ(type.TargetButton->tag(), target);
        EXPECT_EQ(type.TargetButton->objectName(), QLatin1String(targets::TargetButton(target).buttonName));
        EXPECT_EQ(type.ProfileIndex, -1);
    }
}

TEST_F(MainFormTest, CategoryClicksShowTheirRowAndTheDvdPanelOnlyForDvd)
{
    start();
    click("sb_DVD");
    EXPECT_FALSE(control("DVDPanel")->isHidden());
    EXPECT_TRUE(RowShown("ip_DVD"));
    EXPECT_FALSE(RowShown("ip_Apple"));
    EXPECT_EQ(form().CurTargetType, targets::TargetVOB_File);
    EXPECT_EQ(control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + "DVD/");

    click("sb_Sony");
    EXPECT_TRUE(control("DVDPanel")->isHidden());
    EXPECT_TRUE(RowShown("ip_Sony"));
    EXPECT_EQ(form().CurTargetType, targets::TargetPSP);
    EXPECT_FALSE(control("sb_Sony")->isEnabled());
    EXPECT_TRUE(control("sb_DVD")->isEnabled());

    // The music row is shown too, with MP3, its default, standing in it chosen.
    click("sb_Music");
    for (const char *row : {"ip_GeneralVideo", "ip_HD_Video", "ip_Apple", "ip_Sony", "ip_Microsoft", "ip_Portable", "ip_DVD"})
        EXPECT_FALSE(RowShown(row)) << row;
    EXPECT_TRUE(control("ip_Music")->isVisible());
    EXPECT_EQ(form().CurTargetType, targets::TargetMP3);
    EXPECT_EQ(selector().CurConverterType(), targets::CategoryMusic);
    EXPECT_EQ(control("sb_MP3")->parentWidget(), control("ip_Music"));
    EXPECT_TRUE(control("sb_MP3")->isVisible());
    EXPECT_FALSE(control("sb_MP3")->isEnabled());

    click("sb_Apple");
    EXPECT_EQ(control("sb_MP3")->parentWidget(), control("ip_Apple"));
    EXPECT_TRUE(control("sb_MP3")->isVisible());
}

TEST_F(MainFormTest, MP3ChosenInTheAppleRowBecomesTheAppleCategorysTarget)
{
    start();
    click("sb_MP3");
    EXPECT_EQ(form().CurTargetType, targets::TargetMP3);
    EXPECT_FALSE(control("sb_MP3")->isEnabled());
    EXPECT_TRUE(control("sb_iPod")->isEnabled());
    EXPECT_EQ(selector().ConverterTypes()[targets::CategoryApple].CurrentTargetButton->objectName(), "sb_MP3");

    click("sb_Portable");
    EXPECT_EQ(form().CurTargetType, targets::TargetNokia);
    click("sb_Apple");
    EXPECT_EQ(form().CurTargetType, targets::TargetMP3);
    EXPECT_EQ(control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + "MP3/");
}

TEST_F(MainFormTest, RemembersProfileIndexOnlyWhileTheProfileListHoldsIt)
{
    start();
    auto *profiles = control<QComboBox>("suiComboBox_PF");
    profiles->addItems({"one", "two", "three"});
    selector().TargetTypes()[targets::TargetiPad].ProfileIndex = 2;
    selector().TargetTypes()[targets::TargetiPhone].ProfileIndex = 5;
    click("sb_iPad");
    EXPECT_EQ(profiles->currentIndex(), 2);
    EXPECT_EQ(selector().TargetTypes()[targets::TargetiPad].ProfileIndex, 2);
    click("sb_iPhone");
    EXPECT_EQ(selector().TargetTypes()[targets::TargetiPhone].ProfileIndex, -1);
    EXPECT_EQ(profiles->currentIndex(), 2);
}

TEST_F(MainFormTest, CoreListStaysAtOneWithoutTheEngine)
{
    start();
    EXPECT_EQ(CoreItems(), QStringList{"1"});
    EXPECT_EQ(control<QComboBox>("suiComboBox_CPU")->currentIndex(), 0);
    EXPECT_FALSE(control("suiComboBox_CPU")->isEnabled());
}

TEST_F(MainFormTest, CoreListFollowsTheEnginesCoreCount)
{
    const struct { int cores; QStringList items; int selected; bool enabled; } cases[] = {
        {0, {"1"}, 0, false}, {1, {"1"}, 0, false}, {4, {"1", "2", "3", "4"}, 1, true},
    };
    for (const auto &coreCase : cases) {
        TestEngine engine;
        engine.SetCoreCount(coreCase.cores);
        start();
        EXPECT_EQ(CoreItems(), coreCase.items) << coreCase.cores;
        EXPECT_EQ(control<QComboBox>("suiComboBox_CPU")->currentIndex(), coreCase.selected) << coreCase.cores;
        EXPECT_EQ(control("suiComboBox_CPU")->isEnabled(), coreCase.enabled) << coreCase.cores;
        EXPECT_EQ(engine.CallCount("X_Get_CPU_Core_Number"), 1);
        finish();
    }
}

TEST_F(MainFormTest, ClosingWhileSeekingIsRefusedAndClosingSavesTheOptions)
{
    start();
    control("Label_Info")->show();
    click("suiImageButton_Close");
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information), QStringList{"Seeking disc, please waiting."});
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(sandbox.ReadSettingsFile("Option.ini").isEmpty());

    control("Label_Info")->hide();
    click("suiImageButton_Close");
    EXPECT_FALSE(form().isVisible());
    const QByteArray options = sandbox.ReadSettingsFile("Option.ini");
    EXPECT_TRUE(options.contains("DefaultAudio=1")) << options.constData();
    EXPECT_TRUE(options.contains("OutputFolder=" + windows->Options.outputFolder.toUtf8())) << options.constData();
}

TEST_F(MainFormTest, BrowseStoresTheChosenFolderWithASlashAndShowsItWithTheTargetSubFolder)
{
    start();
    const QString chosen = sandbox.ConfigFolder() + "chosen";
    QDir().mkpath(chosen);
    questions.AnswerChooseFolder(chosen);
    click("suiImageButton_Browse");
    ASSERT_EQ(questions.Asked().size(), 1);
    EXPECT_EQ(questions.Asked().first().title, "Please select an output folder:");
    EXPECT_EQ(windows->Options.outputFolder, chosen + "/");
    EXPECT_EQ(control<QLineEdit>("suiEdit_OutputFolder")->text(), chosen + "/iPod/");
    EXPECT_TRUE(sandbox.ReadSettingsFile("Option.ini").contains(("OutputFolder=" + chosen + "/").toUtf8()));

    questions.AnswerChooseFolder(QString());
    click("suiImageButton_Browse");
    EXPECT_EQ(windows->Options.outputFolder, chosen + "/");

    click("suiImageButton_Open");
    EXPECT_EQ(desktop.calls(), QStringList{"openFolder|" + chosen + "/iPod/"});
}

TEST_F(MainFormTest, AboutBoxShowsVersionAndBuildDateAndLinksGoThroughTheDesktop)
{
    sandbox.WriteProgramFile("README.md", "# Pelorin Video Converter\n");
    start();
    int shown = 0;
    const auto checkAbout = [&](QDialog &dialog) {
        ++shown;
        EXPECT_EQ(dialog.objectName(), "Form_About");
        EXPECT_EQ(dialog.findChild<QLabel *>("Label1")->text(), "4.0");
        EXPECT_EQ(dialog.findChild<QLabel *>("Label5")->text(), "4.0");
        EXPECT_EQ(dialog.findChild<QLabel *>("Label2")->text(), "20090514");
        EXPECT_EQ(dialog.size(), QSize(430, 234));
        return int(QDialog::Accepted);
    };
    questions.AnswerExec(checkAbout);
    questions.AnswerExec(checkAbout);
    click("suiImageButton_About");
    click("suiImageButton_About");
    EXPECT_EQ(shown, 2);

    // The product has no web site or mail address: home is the README beside the
    // program, and there is nothing to contact.
    const QString readme = QUrl::fromLocalFile(sandbox.ProgramFolder() + "README.md").toString();
    EXPECT_EQ(windows->Form_About->findChild<QLabel *>("suiURLLabel2")->toolTip(), readme);
    EXPECT_FALSE(windows->Form_About->findChild<QLabel *>("suiURLLabel1")->isVisibleTo(windows->Form_About.get()));
    EXPECT_FALSE(control("suiImageButton_Mail")->isVisibleTo(&form()));
    click("suiImageButton_Home");
    ASSERT_EQ(desktop.calls(), QStringList{"openUrl|" + readme});

    // A link that cannot be opened says so.
    desktop.setResult(false);
    click("suiImageButton_Home");
    ASSERT_EQ(questions.Texts(ScriptedQuestions::Kind::Error).size(), 1);
    EXPECT_TRUE(questions.Texts(ScriptedQuestions::Kind::Error).first().contains("README.md"));
}

TEST_F(MainFormTest, UpdateTimerRunsTenSecondsOnceAndDoesNothingElse)
{
    start();
    auto *timer = form().findChild<QTimer *>("Timer_Update");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10000);
    form().Timer_UpdateTimer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(questions.Asked().isEmpty());
    EXPECT_TRUE(desktop.calls().isEmpty());
}

TEST_F(MainFormTest, DragsByTheBackgroundWithTheLeftButtonOnly)
{
    start();
    QWidget *background = control("Image_Bk");
    const QPoint start = form().pos();
    QTest::mousePress(background, Qt::RightButton, {}, {100, 100});
    QMouseEvent rightMove(QEvent::MouseMove, QPointF(140, 130), background->mapToGlobal(QPointF(140, 130)),
                          Qt::NoButton, Qt::RightButton, {});
    QApplication::sendEvent(background, &rightMove);
    QTest::mouseRelease(background, Qt::RightButton, {}, {140, 130});
    EXPECT_EQ(form().pos(), start);

    QTest::mousePress(background, Qt::LeftButton, {}, {100, 100});
    QMouseEvent leftMove(QEvent::MouseMove, QPointF(140, 130), background->mapToGlobal(QPointF(140, 130)),
                         Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(background, &leftMove);
    QTest::mouseRelease(background, Qt::LeftButton, {}, {140, 130});
    EXPECT_EQ(form().pos(), start + QPoint(40, 30));
}

} // namespace

namespace {

// Lists paint their face from the button colour, fields from the base colour.
QColor FaceColour(QWidget *control)
{
    return control->palette().color(QPalette::Active, QPalette::Button);
}

TEST_F(MainFormTest, ParameterColoursSetInCodeReachTheFacesOfTheLists)
{
    start();
    auto *codecs = control<QComboBox>("suiComboBox_VideoCodec");
    targets::ApplyChoiceList(*codecs, {{}, -1, false});
    EXPECT_EQ(FaceColour(codecs), QColor(255, 255, 255));
    targets::ApplyChoiceList(*codecs, {{"H.264"}, 0, true});
    EXPECT_EQ(FaceColour(codecs), QColor(202, 202, 202));
    EXPECT_EQ(FaceColour(control("suiComboBox_Profile")), QColor(203, 233, 171));
    EXPECT_EQ(control("suiSpinEdit_VideoWidth")->palette().color(QPalette::Base), QColor(203, 233, 171));
}

} // namespace

namespace {

TEST_F(MainFormTest, EngineMessagesPostedToTheWindowHandleArriveAsSignals)
{
    start();
    QList<uint32_t> received;
    QObject::connect(&form(), &TMainForm::EngineMessage,
                     [&](uint32_t message, uintptr_t wparam, intptr_t) { received << message + uint32_t(wparam); });
    KorvidWindow *handle = form().EngineWindowHandle();
    handle->post(handle, KORVID_MSG_READY, 0, 0);
    handle->post(handle, KORVID_MSG_FRAME, 1, 0);
    QApplication::processEvents();
    EXPECT_EQ(received, (QList<uint32_t>{KORVID_MSG_READY, KORVID_MSG_FRAME + 1}));
}

TEST_F(MainFormTest, AnInstalledTargetSelectionReplacesTheDefault)
{
    windows = std::make_unique<ProgramWindows>(sandbox.ProgramFolder());
    QList<int> selected;
    form().SetSelectTargetHandler([&](int target) { selected << target; });
    form().show();
    click("sb_iPad");
    EXPECT_EQ(selected, (QList<int>{targets::TargetiPod, targets::TargetiPad}));
    EXPECT_EQ(form().CurTargetType, -1);
}

} // namespace

namespace {

TEST_F(MainFormTest, CreatesEveryWindowOnceInItsOrder)
{
    const QStringList windowNames = {"MainForm", "OptionForm", "ProcessForm", "Form_About",
                                     "RenameForm", "FPSSelecteForm", "NoticeForm"};
    QStringList created;
    const auto recordNewWindows = [&] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (windowNames.contains(window->objectName()) && !created.contains(window->objectName()))
                created << window->objectName();
    };
    windows = std::make_unique<ProgramWindows>(sandbox.ProgramFolder(), recordNewWindows);
    EXPECT_EQ(created, windowNames);
    EXPECT_FALSE(windows->NoticeForm->isVisible());
    for (QWidget *dialog : std::initializer_list<QWidget *>{windows->OptionForm.get(), windows->ProcessForm.get(),
                                                            windows->RenameForm.get(), windows->FPSSelecteForm.get()})
        EXPECT_FALSE(dialog->mask().isEmpty()) << dialog->objectName().toStdString();
}

} // namespace

namespace {

TEST_F(MainFormTest, RangeBarHandlesUseTheDragCursorFromTheProgramsFolder)
{
    QDir().mkpath(sandbox.ProgramFolder() + "Cursor");
    ASSERT_TRUE(QFile::copy(QApplication::applicationDirPath() + "/Cursor/DragWE.cur",
                            sandbox.ProgramFolder() + "Cursor/DragWE.cur"));
    start();
    EXPECT_EQ(control("Image_Left")->cursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(control("Image_Right")->cursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(skin::RegisteredCursor(skin::kPressCursor).shape(), Qt::ArrowCursor);   // no Press.cur there
}

} // namespace

namespace {

// Closing through the close button stores the chosen target; the next start chooses
// it again in its own category. A stored name that is no shown target starts with iPod.
TEST_F(MainFormTest, StartsWithTheTargetChosenWhenTheWindowLastClosed)
{
    start();
    click("sb_Microsoft");
    click("sb_Zune_HD");
    click("suiImageButton_Close");
    EXPECT_TRUE(sandbox.ReadSettingsFile("Option.ini").contains("LastTarget=Zune_HD"));
    finish();

    start();
    EXPECT_EQ(form().CurTargetType, targets::TargetZune_HD);
    EXPECT_EQ(selector().CurConverterType(), targets::CategoryMicrosoft);
    EXPECT_TRUE(control("sb_Zune_HD")->isVisible());
    EXPECT_FALSE(control("sb_Zune_HD")->isEnabled());
    EXPECT_EQ(control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + "Zune_HD/");
    // The other categories still start from their defaults.
    click("sb_Sony");
    EXPECT_EQ(form().CurTargetType, targets::TargetPSP);
    finish();

    for (const char *damaged : {"LastTarget=DVD_ISO", "LastTarget=WAV", "LastTarget=", "LastTarget=Betamax",
                                "LastTarget=23"}) {
        sandbox.WriteSettingsFile("Option.ini", QByteArray("[Option]\n") + damaged + "\n");
        start();
        EXPECT_EQ(form().CurTargetType, targets::TargetiPod) << damaged;
        EXPECT_EQ(selector().CurConverterType(), targets::CategoryApple) << damaged;
        finish();
    }
}

// Target captions, category captions and every other picture button of the window
// can be found by a screen reader; the captions fit their buttons.
TEST_F(MainFormTest, EveryButtonHasAnAccessibleNameAndItsCaptionFits)
{
    start();
    for (PictureButton *button : form().findChildren<PictureButton *>()) {
        if (button->isHidden())
            continue;   // never shown (WAV, DVD Disc, DVD ISO)
        const QString name = button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
        EXPECT_FALSE(name.isEmpty()) << button->objectName().toStdString();
        QFont captionFont = button->font();
        captionFont.setBold(true);
        EXPECT_LE(QFontMetrics(captionFont).horizontalAdvance(button->text()), button->width() - 8)
            << button->objectName().toStdString();
    }
    EXPECT_EQ(control("sb_AppleTV_HD")->accessibleName(), "Apple TV HD");
    EXPECT_EQ(control("sb_MP3")->accessibleName(), "MP3");
    EXPECT_EQ(control<PictureButton>("sb_HD_Youtube")->text(), "to HD Youtube");
    EXPECT_EQ(control("suiImageButton_OpenDir")->accessibleName(), "Add Files");
    EXPECT_EQ(control("suiImageButton_StartConvert")->accessibleName(), "Convert");
    EXPECT_EQ(control("suiImageButton_Option")->accessibleName(), "Options");
}

} // namespace
