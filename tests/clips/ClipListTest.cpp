// Selection, removal, clearing, the pop-up menu, scrolling and disc notices of
// the clip list.

#include "ClipListFixture.h"
#include "ListScrolling.h"
#include "QtPrinters.h"
#include "Volumes.h"
#include "WaitUntil.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <QApplication>

using Kind = ScriptedQuestions::Kind;

namespace {

QAction *MenuEntry(ClipListPanel &panel, const char *name)
{
    return panel.PopupMenu()->findChild<QAction *>(QLatin1String(name));
}

} // namespace

TEST_F(ClipListFixture, RemovingTheFirstClipRenumbersAndSelectsTheNext)
{
    int namings = 0;
    panel->environment.outputName = [&namings](const TVideoInfo &, int position) {
        ++namings;
        return QStringLiteral("clip_%1").arg(position + 1);
    };
    AddFiles({Scripted(twoAudioTs), Scripted(noAudioMp4), Scripted(oneAudioMp4)});
    TVideoInfo *second = panel->Model().Clips()[1].get();
    SCOPED_TRACE("first clip is selected after adding");
    ASSERT_TRUE(panel->Model().Clips()[0]->Selected);
    namings = 0;
    panel->RemoveSelectedClips();
    EXPECT_EQ(RowTops(), (QList<int>{0, 18, 36}));
    EXPECT_EQ(RowNumbers(), (QList<int>{1, 2, 2}));
    EXPECT_EQ(panel->Model().Clips()[0].get(), second);
    EXPECT_TRUE(second->Selected);
    EXPECT_EQ(panel->Model().Current(), second);
    EXPECT_EQ(second->OutputName, "clip_1");
    EXPECT_EQ(panel->Model().Clips()[1]->OutputName, "clip_2");
    EXPECT_GE(namings, 2);
    // The removed clip's rows went with it.
    EXPECT_EQ(panel->findChildren<TInfoListItem *>().size(), 3);
}

TEST_F(ClipListFixture, RemovingTheLastClipSelectsTheNewLastRow)
{
    AddFiles({Scripted(oneAudioMp4), Scripted(twoAudioTs)});
    panel->SelectClipRow(panel->Rows()[2]);
    ASSERT_EQ(panel->Model().Current(), panel->Model().Clips()[1].get());
    QSignalSpy leaving(&panel->Model(), &ClipListModel::CurrentLeaving);
    panel->RemoveSelectedClips();
    ASSERT_EQ(panel->Rows().size(), 2);
    EXPECT_TRUE(panel->Rows()[1]->IsHighlighted());
    EXPECT_TRUE(panel->Rows()[0]->IsHighlighted());
    EXPECT_EQ(panel->Model().Current(), panel->Model().Clips()[0].get());
    EXPECT_EQ(leaving.size(), 1);
}

TEST_F(ClipListFixture, PressOnARowSelectsExactlyOneClipUnlessBusyOrSeeking)
{
    AddFiles({Scripted(twoAudioTs), Scripted(oneAudioMp4)});
    TInfoListItem *secondAudio = panel->Rows()[4];
    bool seeking = true;
    panel->environment.previewSeeking = [&seeking] { return seeking; };
    QTest::mousePress(secondAudio, Qt::LeftButton);
    EXPECT_TRUE(panel->Model().Clips()[0]->Selected);
    EXPECT_FALSE(panel->Model().Clips()[1]->Selected);
    seeking = false;
    panel->Model().SetBusy(true);
    QTest::mousePress(secondAudio, Qt::LeftButton);
    EXPECT_FALSE(panel->Model().Clips()[1]->Selected);
    panel->Model().SetBusy(false);
    QTest::mousePress(secondAudio->LabelNamed("AudioLangLabel"), Qt::LeftButton);
    EXPECT_FALSE(panel->Model().Clips()[0]->Selected);
    EXPECT_TRUE(panel->Model().Clips()[1]->Selected);
    EXPECT_TRUE(panel->Rows()[3]->IsHighlighted());
    EXPECT_FALSE(panel->Rows()[1]->IsHighlighted());
    EXPECT_EQ(panel->Model().Current(), panel->Model().Clips()[1].get());
}

TEST_F(ClipListFixture, ClearAsksFirstAndNoKeepsTheList)
{
    panel->ClearClipList();
    EXPECT_TRUE(questions->Asked().isEmpty());

    AddFiles({Scripted(twoAudioTs), Scripted(oneAudioMp4)});
    questions->AnswerConfirm(false);
    panel->ClearClipList();
    EXPECT_EQ(questions->Texts(Kind::Confirm),
              QStringList{"Do you want to cancel the current operation and return to homepage?"});
    EXPECT_EQ(panel->Model().Clips().size(), 2u);

    panel->SetThumbTop(80);
    questions->AnswerConfirm(true);
    QSignalSpy changed(&panel->Model(), &ClipListModel::CurrentChanged);
    panel->ClearClipList();
    EXPECT_TRUE(panel->Model().Clips().empty());
    EXPECT_TRUE(panel->Rows().isEmpty());
    EXPECT_EQ(panel->Model().Current(), nullptr);
    EXPECT_EQ(panel->ThumbTop(), 2);
    EXPECT_TRUE(panel->findChild<QWidget *>("Panel_Intro")->isVisibleTo(panel.get()));
    EXPECT_EQ(panel->findChildren<TInfoListItem *>().size(), 0);
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().first().value<TVideoInfo *>(), nullptr);
}

TEST_F(ClipListFixture, MenuEntriesFollowTheList)
{
    QMenu *menu = panel->PopupMenu();
    QStringList captions;
    for (const QAction *entry : menu->actions())
        captions << (entry->isSeparator() ? "-" : entry->text());
    EXPECT_EQ(captions, (QStringList{"Remove Select", "Clear", "-", "Add clip(s)..."}));
    panel->ShowPopupMenu(QPoint(10, 10));
    EXPECT_FALSE(MenuEntry(*panel, "Remove")->isEnabled());
    EXPECT_FALSE(MenuEntry(*panel, "Clear")->isEnabled());
    EXPECT_TRUE(MenuEntry(*panel, "Add")->isEnabled());
    menu->hide();

    AddFiles({Scripted(oneAudioMp4)});
    panel->ShowPopupMenu(QPoint(10, 10));
    EXPECT_TRUE(MenuEntry(*panel, "Remove")->isEnabled());
    EXPECT_TRUE(MenuEntry(*panel, "Clear")->isEnabled());
    menu->hide();

    // "Add clip(s)..." runs the add command.
    questions->AnswerOpenFiles({Scripted(noAudioMp4)});
    MenuEntry(*panel, "Add")->trigger();
    ASSERT_TRUE(WaitUntil([this] { return !panel->Model().Busy(); }));
    EXPECT_EQ(panel->Model().Clips().size(), 2u);
    MenuEntry(*panel, "Remove")->trigger();
    EXPECT_EQ(panel->Model().Clips().size(), 1u);
}

TEST_F(ClipListFixture, ThumbScrollsTheListOnlyBeyondNineRows)
{
    QWidget *list = panel->findChild<QWidget *>("suiImagePanel_InfoMove");
    AddFiles({Scripted(twoAudioTs), Scripted(twoAudioTs), Scripted(twoAudioTs)});
    ASSERT_EQ(panel->Rows().size(), 9);
    panel->SetThumbTop(120);
    EXPECT_EQ(panel->ThumbTop(), 120);
    EXPECT_EQ(list->y(), 0);

    QStringList more;
    for (int copy = 0; copy < 4; ++copy)
        more << Scripted(twoAudioTs);
    more << Scripted(noAudioMp4) << Scripted(noAudioMp4);
    AddFiles(more);
    ASSERT_EQ(panel->Rows().size(), 23);
    panel->SetThumbTop(120);
    EXPECT_EQ(list->y(), -18 * 14);
    panel->SetThumbTop(61);
    EXPECT_EQ(list->y(), -18 * 7);
    panel->SetThumbTop(500);
    EXPECT_EQ(panel->ThumbTop(), 120);

    // Dragging the thumb with the mouse moves it by the cursor's movement.
    QWidget *thumb = panel->findChild<QWidget *>("Image_Bar");
    panel->SetThumbTop(2);
    QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(3, 3));
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 33), thumb->mapToGlobal(QPointF(3, 33)), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(thumb, &move);
    QTest::mouseRelease(thumb, Qt::LeftButton, {}, QPoint(3, 33));
    EXPECT_EQ(panel->ThumbTop(), 32);
    EXPECT_EQ(list->y(), -18 * (14 * 30 / 118));
}

// The wheel scrolls three rows a notch over the rows and over the scroll bar; the
// paging keys move a page, to the top and to the end; the thumb follows.
TEST_F(ClipListFixture, WheelAndPagingKeysScrollTheListByRows)
{
    QWidget *list = panel->findChild<QWidget *>("suiImagePanel_InfoMove");
    QStringList files;
    for (int copy = 0; copy < 7; ++copy)
        files << Scripted(twoAudioTs);
    AddFiles(files);
    ASSERT_EQ(panel->Rows().size(), 21);   // twelve rows beyond the nine shown
    panel->show();
    const auto turnWheel = [](QWidget *over, int notches) {
        QWheelEvent wheel(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120 * notches), Qt::NoButton,
                          {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &wheel);
    };
    QWidget *row = panel->Rows()[1];
    const struct { const char *step; std::function<void()> act; int firstRow; } steps[] = {
        {"wheel down over a row", [&] { turnWheel(row, -1); }, 3},
        {"two notches more", [&] { turnWheel(panel->Rows()[4], -2); }, 9},
        {"past the end", [&] { turnWheel(panel->Rows()[10], -5); }, 12},
        {"up over the scroll bar", [&] { turnWheel(panel->findChild<QWidget *>("Panel_Bar"), 1); }, 9},
        {"Home", [&] { QTest::keyClick(row, Qt::Key_Home); }, 0},
        {"Page Down", [&] { QTest::keyClick(row, Qt::Key_PageDown); }, 9},
        {"Page Up", [&] { QTest::keyClick(row, Qt::Key_PageUp); }, 0},
        {"End", [&] { QTest::keyClick(row, Qt::Key_End); }, 12},
    };
    for (const auto &step : steps) {
        step.act();
        EXPECT_EQ(list->y(), -18 * step.firstRow) << step.step;
        EXPECT_EQ(panel->FirstShownRow(), step.firstRow) << step.step;
        // The thumb stands where a drag would show the same rows.
        EXPECT_EQ(listscroll::FirstShownRow(21, panel->ThumbTop()), step.firstRow) << step.step;
    }
}

TEST_F(ClipListFixture, OpticalDiscsAreNoticedOnlyWhileTheListIsEmpty)
{
    QTemporaryDir disc;
    QDir(disc.path()).mkdir("VIDEO_TS");
    const platform::Volume dvd{disc.path() + "/", "MY_MOVIE", platform::Volume::Kind::Optical};
    QList<platform::Volume> mounted;
    platform::SetVolumeSourceForTesting([&mounted] { return mounted; });
    platform::VolumeWatcher watcher;
    panel->WatchVolumes(&watcher);
    QSignalSpy labels(panel.get(), &ClipListPanel::DiscLabelFound);

    mounted = {dvd};
    watcher.CheckNow();
    EXPECT_EQ(panel->DiscDrive(), dvd.mountPoint);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first().toString(), "MY_MOVIE");

    AddFiles({Scripted(oneAudioMp4)});
    // Removing the remembered disc asks the clear question.
    questions->AnswerConfirm(false);
    mounted.clear();
    watcher.CheckNow();
    EXPECT_EQ(questions->Texts(Kind::Confirm).size(), 1);
    EXPECT_EQ(panel->Model().Clips().size(), 1u);

    // Inserting a disc while clips are listed changes nothing.
    QTemporaryDir other;
    mounted = {{other.path() + "/", "OTHER", platform::Volume::Kind::Optical}};
    watcher.CheckNow();
    EXPECT_EQ(labels.size(), 1);
    EXPECT_EQ(panel->DiscDrive(), dvd.mountPoint);
    platform::SetVolumeSourceForTesting({});

    // Clearing the list forgets the disc.
    questions->AnswerConfirm(true);
    panel->ClearClipList();
    EXPECT_EQ(panel->DiscDrive(), "A");
}

TEST_F(ClipListFixture, OutputNamesFollowATrimTimeWhenItIsStored)
{
    QWidget host;
    QLineEdit start(&host), stop(&host);
    panel->AttachTrimEdits(&start, &stop, Qt::white);
    panel->environment.outputName = [](const TVideoInfo &clip, int) {
        return QString::number(clip.EndTime - clip.StartTime);
    };
    AddFiles({Scripted(oneAudioMp4, 200)});
    TVideoInfo *clip = panel->Model().Clips()[0].get();
    ASSERT_EQ(panel->Model().Current(), clip);
    const auto typeAndLeave = [](QLineEdit &edit, const QString &digits) {
        edit.selectAll();
        QTest::keyClicks(&edit, digits);
        QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&edit, &leaving);
    };
    typeAndLeave(stop, "000230");
    EXPECT_EQ(clip->EndTime, 150);
    EXPECT_EQ(clip->OutputName, "150");
    typeAndLeave(start, "000010");
    EXPECT_EQ(clip->OutputName, "140");
}

TEST_F(ClipListFixture, ClickingAnAudioCheckMarkChoosesThatTrackThroughTheList)
{
    AddFiles({Scripted(twoAudioTs)});
    ASSERT_EQ(panel->Rows().size(), 3);
    TInfoListItem *unticked = panel->Rows()[1]->IsChecked() ? panel->Rows()[2] : panel->Rows()[1];
    TInfoListItem *ticked = unticked == panel->Rows()[1] ? panel->Rows()[2] : panel->Rows()[1];
    QSignalSpy edited(&panel->Model(), &ClipListModel::ClipEdited);
    QTest::mouseClick(unticked->findChild<QLabel *>("CheckImage"), Qt::LeftButton);
    const TVideoInfo &clip = *panel->Model().At(0);
    EXPECT_EQ(clip.AudioStreamID, unticked->StreamID());
    EXPECT_TRUE(unticked->IsChecked());
    EXPECT_FALSE(ticked->IsChecked());
    EXPECT_TRUE(clip.Checked);
    EXPECT_FALSE(edited.isEmpty());
}
