// The clip list taking over a main window's controls by name, and going down
// with that window.

#include "ClipListFixture.h"
#include "QtPrinters.h"
#include "TrimEdits.h"
#include "WaitUntil.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QWidget *NamedPanel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(geometry);
    return panel;
}

QLabel *Picture(QWidget *parent, const char *name, QSize size, QColor colour)
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(pixmap);
    label->hide();
    return label;
}

template <typename Control>
Control *Named(QWidget *parent, const char *name)
{
    auto *control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    return control;
}

// The clip-list part of a main window, laid out the way the program's form is.
std::unique_ptr<QWidget> MainWindowLike()
{
    auto form = std::make_unique<QWidget>();
    QWidget *list = NamedPanel(form.get(), "Panel_Info", QRect(26, 103, 540, 162));
    NamedPanel(list, "suiImagePanel_InfoMove", QRect(0, 0, 540, 0));
    QWidget *bar = NamedPanel(form.get(), "Panel_Bar", QRect(567, 103, 14, 162));
    Picture(bar, "Image_Bar", QSize(10, 40), Qt::gray)->show();
    NamedPanel(form.get(), "Panel_Intro", QRect(26, 85, 555, 182));
    QWidget *progress = NamedPanel(form.get(), "Panel_AddProgress", QRect(128, 136, 350, 76));
    NamedPanel(NamedPanel(progress, "Panel_AddTrack", QRect(20, 42, 271, 14)), "Panel_Progress1", QRect(0, 3, 0, 8));
    Named<QLabel>(progress, "Label_Percent");
    Named<QPushButton>(progress, "Button_CancelAdding");
    for (const char *button : {"suiImageButton_OpenDir", "suiImageButton_OpenFile", "suiImageButton_Clear"})
        Named<QPushButton>(form.get(), button);
    for (const char *edit : {"suiEdit_Start", "suiEdit_Stop", "suiEdit_OutputFolder", "suiEdit_DVDName"})
        Named<QLineEdit>(form.get(), edit);
    Named<QLabel>(form.get(), "Label_Info")->hide();
    Picture(form.get(), "table_bk1", QSize(540, 18), QColor(10, 20, 30));
    Picture(form.get(), "table_bk2", QSize(540, 18), QColor(40, 50, 60));
    Picture(form.get(), "table_bk3", QSize(540, 18), QColor(70, 80, 90));
    Picture(form.get(), "Image_Chk", QSize(28, 14), Qt::white);
    Picture(form.get(), "Image_line", QSize(10, 36), Qt::black);
    return form;
}

} // namespace

TEST_F(ClipListFixture, HostedListUsesTheWindowsControlsAndGoesDownWithIt)
{
    std::unique_ptr<QWidget> form = MainWindowLike();
    auto *hosted = new ClipListPanel(form.get());
    hosted->environment.settingsFolder = [this] { return settings.path() + QLatin1Char('/'); };
    QWidget *listArea = form->findChild<QWidget *>("Panel_Info");
    QWidget *rowsPanel = form->findChild<QWidget *>("suiImagePanel_InfoMove");
    EXPECT_EQ(rowsPanel->parentWidget(), hosted);
    EXPECT_EQ(hosted->parentWidget(), listArea);

    questions->AnswerOpenFiles({Scripted(twoAudioTs), Scripted(oneAudioMp4)});
    form->findChild<QPushButton *>("suiImageButton_OpenDir")->click();
    ASSERT_TRUE(WaitUntil([&] { return !hosted->Model().Busy(); }));
    ASSERT_EQ(hosted->Rows().size(), 5);
    TInfoListItem *firstRow = hosted->Rows()[0];
    EXPECT_EQ(firstRow->parentWidget(), rowsPanel);
    EXPECT_EQ(rowsPanel->height(), 90);
    EXPECT_EQ(firstRow->grab().toImage().pixelColor(538, 1), QColor(70, 80, 90));   // highlighted
    EXPECT_EQ(hosted->Rows()[3]->grab().toImage().pixelColor(538, 1), QColor(40, 50, 60));
    EXPECT_EQ(form->findChild<QLineEdit *>("suiEdit_Stop")->displayText(), "00:01:00");
    EXPECT_FALSE(form->findChild<QWidget *>("Panel_Intro")->isVisibleTo(form.get()));

    // While the preview seeks, presses on rows are ignored.
    form->findChild<QLabel *>("Label_Info")->show();
    QTest::mousePress(hosted->Rows()[3], Qt::LeftButton);
    EXPECT_EQ(hosted->Model().Current(), hosted->Model().Clips()[0].get());
    form->findChild<QLabel *>("Label_Info")->hide();
    QTest::mousePress(hosted->Rows()[3], Qt::LeftButton);
    EXPECT_EQ(hosted->Model().Current(), hosted->Model().Clips()[1].get());

    form->findChild<QPushButton *>("suiImageButton_OpenFile")->click();
    EXPECT_EQ(hosted->Model().Clips().size(), 1u);
    form.reset();   // clips and rows go with the window, once each
}
