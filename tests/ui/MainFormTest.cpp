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

    TargetSelector &Selector() { return *Form().TargetSelectorControl(); }
    bool RowShown(const char *rowName) { return !Control(rowName)->isHidden(); }
    QStringList CoreItems()
    {
        auto *cores = Control<QComboBox>("suiComboBox_CPU");
        QStringList items;
        for (int i = 0; i < cores->count(); ++i)
            items << cores->itemText(i);
        return items;
    }
};

TEST_F(MainFormTest, StartsWithTheAppleCategoryAndIPodSelected)
{
    Start();
    EXPECT_EQ(Selector().CurConverterType(), targets::CategoryApple);
    EXPECT_FALSE(Control("sb_Apple")->isEnabled());
    EXPECT_TRUE(RowShown("ip_Apple"));
    EXPECT_EQ(Form().CurTargetType, targets::TargetiPod);
    EXPECT_FALSE(Control("sb_iPod")->isEnabled());
    for (const char *other : {"sb_iPad", "sb_iPhone", "sb_AppleTV", "sb_AppleTV_HD", "sb_MP3"})
        EXPECT_TRUE(Control(other)->isEnabled()) << other;
    EXPECT_TRUE(Control("ip_Apple")->isVisible());
    EXPECT_TRUE(QRect(QPoint(), Form().size()).contains(Control("ip_Apple")->geometry()));
    EXPECT_EQ(Control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + "iPod/");
    EXPECT_TRUE(Control("Panel_AddProgress")->isHidden());
    EXPECT_TRUE(Control("Label_Info")->isHidden());
    EXPECT_FALSE(Control("Panel_Intro")->isHidden());
    EXPECT_TRUE(Control("suiImageButton_Option")->isVisible());
    EXPECT_EQ(Form().size(), QSize(891, 716));
}

TEST_F(MainFormTest, RegistersEveryCategoryAndTargetWithItsNumberAsTag)
{
    Start();
    ASSERT_EQ(Selector().ConverterTypes().size(), 8);
    for (int category = 0; category < 8; ++category)
        EXPECT_EQ(Selector().ConverterTypes()[category].CategoryButton->Tag(), category);
    ASSERT_EQ(Selector().TargetTypes().size(), 42);
    for (int target = 0; target < 42; ++target) {
        const TTargetType &type = Selector().TargetTypes()[target];
        EXPECT_EQ(type.TargetButton->Tag(), target);
        EXPECT_EQ(type.TargetButton->objectName(), QLatin1String(targets::TargetButton(target).buttonName));
        EXPECT_EQ(type.ProfileIndex, -1);
    }
}

TEST_F(MainFormTest, CategoryClicksShowTheirRowAndTheDvdPanelOnlyForDvd)
{
    Start();
    Click("sb_DVD");
    EXPECT_FALSE(Control("DVDPanel")->isHidden());
    EXPECT_TRUE(RowShown("ip_DVD"));
    EXPECT_FALSE(RowShown("ip_Apple"));
    EXPECT_EQ(Form().CurTargetType, targets::TargetVOB_File);
    EXPECT_EQ(Control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + "DVD/");

    Click("sb_Sony");
    EXPECT_TRUE(Control("DVDPanel")->isHidden());
    EXPECT_TRUE(RowShown("ip_Sony"));
    EXPECT_EQ(Form().CurTargetType, targets::TargetPSP);
    EXPECT_FALSE(Control("sb_Sony")->isEnabled());
    EXPECT_TRUE(Control("sb_DVD")->isEnabled());

    // The music row is shown too, with MP3, its default, standing in it chosen.
    Click("sb_Music");
    for (const char *row : {"ip_GeneralVideo", "ip_HD_Video", "ip_Apple", "ip_Sony", "ip_Microsoft", "ip_Portable", "ip_DVD"})
        EXPECT_FALSE(RowShown(row)) << row;
    EXPECT_TRUE(Control("ip_Music")->isVisible());
    EXPECT_EQ(Form().CurTargetType, targets::TargetMP3);
    EXPECT_EQ(Selector().CurConverterType(), targets::CategoryMusic);
    EXPECT_EQ(Control("sb_MP3")->parentWidget(), Control("ip_Music"));
    EXPECT_TRUE(Control("sb_MP3")->isVisible());
    EXPECT_FALSE(Control("sb_MP3")->isEnabled());

    Click("sb_Apple");
    EXPECT_EQ(Control("sb_MP3")->parentWidget(), Control("ip_Apple"));
    EXPECT_TRUE(Control("sb_MP3")->isVisible());
}

TEST_F(MainFormTest, MP3ChosenInTheAppleRowBecomesTheAppleCategorysTarget)
{
    Start();
    Click("sb_MP3");
    EXPECT_EQ(Form().CurTargetType, targets::TargetMP3);
    EXPECT_FALSE(Control("sb_MP3")->isEnabled());
    EXPECT_TRUE(Control("sb_iPod")->isEnabled());
    EXPECT_EQ(Selector().ConverterTypes()[targets::CategoryApple].CurrentTargetButton->objectName(), "sb_MP3");

    Click("sb_Portable");
    EXPECT_EQ(Form().CurTargetType, targets::TargetNokia);
    Click("sb_Apple");
    EXPECT_EQ(Form().CurTargetType, targets::TargetMP3);
    EXPECT_EQ(Control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + "MP3/");
}

TEST_F(MainFormTest, RemembersProfileIndexOnlyWhileTheProfileListHoldsIt)
{
    Start();
    auto *profiles = Control<QComboBox>("suiComboBox_PF");
    profiles->addItems({"one", "two", "three"});
    Selector().TargetTypes()[targets::TargetiPad].ProfileIndex = 2;
    Selector().TargetTypes()[targets::TargetiPhone].ProfileIndex = 5;
    Click("sb_iPad");
    EXPECT_EQ(profiles->currentIndex(), 2);
    EXPECT_EQ(Selector().TargetTypes()[targets::TargetiPad].ProfileIndex, 2);
    Click("sb_iPhone");
    EXPECT_EQ(Selector().TargetTypes()[targets::TargetiPhone].ProfileIndex, -1);
    EXPECT_EQ(profiles->currentIndex(), 2);
}

TEST_F(MainFormTest, CoreListStaysAtOneWithoutTheEngine)
{
    Start();
    EXPECT_EQ(CoreItems(), QStringList{"1"});
    EXPECT_EQ(Control<QComboBox>("suiComboBox_CPU")->currentIndex(), 0);
    EXPECT_FALSE(Control("suiComboBox_CPU")->isEnabled());
}

TEST_F(MainFormTest, CoreListFollowsTheEnginesCoreCount)
{
    const struct { int cores; QStringList items; int selected; bool enabled; } cases[] = {
        {0, {"1"}, 0, false}, {1, {"1"}, 0, false}, {4, {"1", "2", "3", "4"}, 1, true},
    };
    for (const auto &coreCase : cases) {
        TestEngine engine;
        engine.SetCoreCount(coreCase.cores);
        Start();
        EXPECT_EQ(CoreItems(), coreCase.items) << coreCase.cores;
        EXPECT_EQ(Control<QComboBox>("suiComboBox_CPU")->currentIndex(), coreCase.selected) << coreCase.cores;
        EXPECT_EQ(Control("suiComboBox_CPU")->isEnabled(), coreCase.enabled) << coreCase.cores;
        EXPECT_EQ(engine.CallCount("X_Get_CPU_Core_Number"), 1);
        Finish();
    }
}

TEST_F(MainFormTest, ClosingWhileSeekingIsRefusedAndClosingSavesTheOptions)
{
    Start();
    Control("Label_Info")->show();
    Click("suiImageButton_Close");
    EXPECT_EQ(questions.Texts(ScriptedQuestions::Kind::Information), QStringList{"Seeking disc, please waiting."});
    EXPECT_TRUE(Form().isVisible());
    EXPECT_TRUE(sandbox.ReadSettingsFile("Option.ini").isEmpty());

    Control("Label_Info")->hide();
    Click("suiImageButton_Close");
    EXPECT_FALSE(Form().isVisible());
    const QByteArray options = sandbox.ReadSettingsFile("Option.ini");
    EXPECT_TRUE(options.contains("DefaultAudio=1")) << options.constData();
    EXPECT_TRUE(options.contains("OutputFolder=" + windows->Options.outputFolder.toUtf8())) << options.constData();
}

TEST_F(MainFormTest, BrowseStoresTheChosenFolderWithASlashAndShowsItWithTheTargetSubFolder)
{
    Start();
    const QString chosen = sandbox.ConfigFolder() + "chosen";
    QDir().mkpath(chosen);
    questions.AnswerChooseFolder(chosen);
    Click("suiImageButton_Browse");
    ASSERT_EQ(questions.Asked().size(), 1);
    EXPECT_EQ(questions.Asked().first().title, "Please select an output folder:");
    EXPECT_EQ(windows->Options.outputFolder, chosen + "/");
    EXPECT_EQ(Control<QLineEdit>("suiEdit_OutputFolder")->text(), chosen + "/iPod/");
    EXPECT_TRUE(sandbox.ReadSettingsFile("Option.ini").contains(("OutputFolder=" + chosen + "/").toUtf8()));

    questions.AnswerChooseFolder(QString());
    Click("suiImageButton_Browse");
    EXPECT_EQ(windows->Options.outputFolder, chosen + "/");

    Click("suiImageButton_Open");
    EXPECT_EQ(desktop.Calls(), QStringList{"openFolder|" + chosen + "/iPod/"});
}

TEST_F(MainFormTest, AboutBoxShowsVersionAndBuildDateAndLinksGoThroughTheDesktop)
{
    sandbox.WriteProgramFile("README.md", "# Pelorin Video Converter\n");
    Start();
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
    Click("suiImageButton_About");
    Click("suiImageButton_About");
    EXPECT_EQ(shown, 2);

    // The product has no web site or mail address: home is the README beside the
    // program, and there is nothing to contact.
    const QString readme = QUrl::fromLocalFile(sandbox.ProgramFolder() + "README.md").toString();
    EXPECT_EQ(windows->Form_About->findChild<QLabel *>("suiURLLabel2")->toolTip(), readme);
    EXPECT_FALSE(windows->Form_About->findChild<QLabel *>("suiURLLabel1")->isVisibleTo(windows->Form_About.get()));
    EXPECT_FALSE(Control("suiImageButton_Mail")->isVisibleTo(&Form()));
    Click("suiImageButton_Home");
    ASSERT_EQ(desktop.Calls(), QStringList{"openUrl|" + readme});

    // A link that cannot be opened says so.
    desktop.SetResult(false);
    Click("suiImageButton_Home");
    ASSERT_EQ(questions.Texts(ScriptedQuestions::Kind::Error).size(), 1);
    EXPECT_TRUE(questions.Texts(ScriptedQuestions::Kind::Error).first().contains("README.md"));
}

TEST_F(MainFormTest, UpdateTimerRunsTenSecondsOnceAndDoesNothingElse)
{
    Start();
    auto *timer = Form().findChild<QTimer *>("Timer_Update");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10000);
    Form().Timer_UpdateTimer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(questions.Asked().isEmpty());
    EXPECT_TRUE(desktop.Calls().isEmpty());
}

TEST_F(MainFormTest, DragsByTheBackgroundWithTheLeftButtonOnly)
{
    Start();
    QWidget *background = Control("Image_Bk");
    const QPoint start = Form().pos();
    QTest::mousePress(background, Qt::RightButton, {}, {100, 100});
    QMouseEvent rightMove(QEvent::MouseMove, QPointF(140, 130), background->mapToGlobal(QPointF(140, 130)),
                          Qt::NoButton, Qt::RightButton, {});
    QApplication::sendEvent(background, &rightMove);
    QTest::mouseRelease(background, Qt::RightButton, {}, {140, 130});
    EXPECT_EQ(Form().pos(), start);

    QTest::mousePress(background, Qt::LeftButton, {}, {100, 100});
    QMouseEvent leftMove(QEvent::MouseMove, QPointF(140, 130), background->mapToGlobal(QPointF(140, 130)),
                         Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(background, &leftMove);
    QTest::mouseRelease(background, Qt::LeftButton, {}, {140, 130});
    EXPECT_EQ(Form().pos(), start + QPoint(40, 30));
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
    Start();
    auto *codecs = Control<QComboBox>("suiComboBox_VideoCodec");
    targets::ApplyChoiceList(*codecs, {{}, -1, false});
    EXPECT_EQ(FaceColour(codecs), QColor(255, 255, 255));
    targets::ApplyChoiceList(*codecs, {{"H.264"}, 0, true});
    EXPECT_EQ(FaceColour(codecs), QColor(202, 202, 202));
    EXPECT_EQ(FaceColour(Control("suiComboBox_Profile")), QColor(203, 233, 171));
    EXPECT_EQ(Control("suiSpinEdit_VideoWidth")->palette().color(QPalette::Base), QColor(203, 233, 171));
}

} // namespace

namespace {

TEST_F(MainFormTest, EngineMessagesPostedToTheWindowHandleArriveAsSignals)
{
    Start();
    QList<uint32_t> received;
    QObject::connect(&Form(), &TMainForm::EngineMessage,
                     [&](uint32_t message, uintptr_t wparam, intptr_t) { received << message + uint32_t(wparam); });
    KorvidWindow *handle = Form().EngineWindowHandle();
    handle->post(handle, KORVID_MSG_READY, 0, 0);
    handle->post(handle, KORVID_MSG_FRAME, 1, 0);
    QApplication::processEvents();
    EXPECT_EQ(received, (QList<uint32_t>{KORVID_MSG_READY, KORVID_MSG_FRAME + 1}));
}

TEST_F(MainFormTest, AnInstalledTargetSelectionReplacesTheDefault)
{
    windows = std::make_unique<ProgramWindows>(sandbox.ProgramFolder());
    QList<int> selected;
    Form().SetSelectTargetHandler([&](int target) { selected << target; });
    Form().show();
    Click("sb_iPad");
    EXPECT_EQ(selected, (QList<int>{targets::TargetiPod, targets::TargetiPad}));
    EXPECT_EQ(Form().CurTargetType, -1);
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
    Start();
    EXPECT_EQ(Control("Image_Left")->cursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(Control("Image_Right")->cursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(skin::RegisteredCursor(skin::kPressCursor).shape(), Qt::ArrowCursor);   // no Press.cur there
}

} // namespace

namespace {

// Closing through the close button stores the chosen target; the next start chooses
// it again in its own category. A stored name that is no shown target starts with iPod.
TEST_F(MainFormTest, StartsWithTheTargetChosenWhenTheWindowLastClosed)
{
    Start();
    Click("sb_Microsoft");
    Click("sb_Zune_HD");
    Click("suiImageButton_Close");
    EXPECT_TRUE(sandbox.ReadSettingsFile("Option.ini").contains("LastTarget=Zune_HD"));
    Finish();

    Start();
    EXPECT_EQ(Form().CurTargetType, targets::TargetZune_HD);
    EXPECT_EQ(Selector().CurConverterType(), targets::CategoryMicrosoft);
    EXPECT_TRUE(Control("sb_Zune_HD")->isVisible());
    EXPECT_FALSE(Control("sb_Zune_HD")->isEnabled());
    EXPECT_EQ(Control<QLineEdit>("suiEdit_OutputFolder")->text(), windows->Options.outputFolder + "Zune_HD/");
    // The other categories still start from their defaults.
    Click("sb_Sony");
    EXPECT_EQ(Form().CurTargetType, targets::TargetPSP);
    Finish();

    for (const char *damaged : {"LastTarget=DVD_ISO", "LastTarget=WAV", "LastTarget=", "LastTarget=Betamax",
                                "LastTarget=23"}) {
        sandbox.WriteSettingsFile("Option.ini", QByteArray("[Option]\n") + damaged + "\n");
        Start();
        EXPECT_EQ(Form().CurTargetType, targets::TargetiPod) << damaged;
        EXPECT_EQ(Selector().CurConverterType(), targets::CategoryApple) << damaged;
        Finish();
    }
}

// Target captions, category captions and every other picture button of the window
// can be found by a screen reader; the captions fit their buttons.
TEST_F(MainFormTest, EveryButtonHasAnAccessibleNameAndItsCaptionFits)
{
    Start();
    for (PictureButton *button : Form().findChildren<PictureButton *>()) {
        if (button->isHidden())
            continue;   // never shown (WAV, DVD Disc, DVD ISO)
        const QString name = button->accessibleName().isEmpty() ? button->text() : button->accessibleName();
        EXPECT_FALSE(name.isEmpty()) << button->objectName().toStdString();
        QFont captionFont = button->font();
        captionFont.setBold(true);
        EXPECT_LE(QFontMetrics(captionFont).horizontalAdvance(button->text()), button->width() - 8)
            << button->objectName().toStdString();
    }
    EXPECT_EQ(Control("sb_AppleTV_HD")->accessibleName(), "Apple TV HD");
    EXPECT_EQ(Control("sb_MP3")->accessibleName(), "MP3");
    EXPECT_EQ(Control<PictureButton>("sb_HD_Youtube")->text(), "to HD Youtube");
    EXPECT_EQ(Control("suiImageButton_OpenDir")->accessibleName(), "Add Files");
    EXPECT_EQ(Control("suiImageButton_StartConvert")->accessibleName(), "Convert");
    EXPECT_EQ(Control("suiImageButton_Option")->accessibleName(), "Options");
}

} // namespace
