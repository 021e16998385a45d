// The predicted sizes in the main window before a run: each clip's row and the run's
// total follow the target, the panel's values and the trims; a clip the run leaves out
// shows none.

#include "ClipListPanel.h"
#include "InfoListItem.h"
#include "ProgramParts.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "SettingsSandbox.h"
#include "TargetCatalogue.h"
#include "WaitUntil.h"
#include "forms/ProgramWindows.h"
#include "LibraryLoader.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

class ClipSizeDisplayTest : public testing::Test {
protected:
    ClipSizeDisplayTest()
    {
        QFile shipped(QStringLiteral(PELORIN_SHIPPED_DEFINITIONS));
        EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
        sandbox_.WriteProgramFile(QStringLiteral("PfDef.dll"), shipped.readAll());
        platform::SetProgramFolderForTesting(sandbox_.ProgramFolder());
        windows_ = std::make_unique<ProgramWindows>(sandbox_.ProgramFolder());
        AttachProgramParts(*windows_);
        clipList_ = windows_->MainForm->findChild<ClipListPanel *>();
        windows_->MainForm->show();
        QApplication::processEvents();
    }

    ~ClipSizeDisplayTest() override
    {
        windows_.reset();
        platform::SetProgramFolderForTesting({});
    }

    // A 640x360, 25 fps clip of `seconds` with its rows, as the adding pass lists it.
    TVideoInfo &AddClip(const QString &name, int seconds, bool soundOnly = false)
    {
        auto clip = std::make_unique<TVideoInfo>(&rows_);
        clip->FileName = QStringLiteral("/videos/") + name;
        clip->SetDuration(seconds);
        clip->SetEndTime(seconds);
        clip->Width = soundOnly ? 0 : 640;
        clip->Height = soundOnly ? 0 : 360;
        clip->FrameRate = soundOnly ? 0.0f : 25.0f;
        clip->AudioOnly = soundOnly;
        clip->VideoStreamID = soundOnly ? -1 : 1;
        TVideoInfo &added = *clip;
        clipList_->Model().Append(std::move(clip));
        added.SetChecked(true);   // as the probe leaves it
        return added;
    }

    static QString RowSize(const TVideoInfo &clip)
    {
        const QLabel *label = static_cast<TInfoListItem *>(clip.Row.get())->LabelNamed(QStringLiteral("PredictedSizeLabel"));
        return label ? label->text() : QString();
    }

    QLabel *Total() const { return windows_->MainForm->findChild<QLabel *>(QStringLiteral("Label_RunTotal")); }

    // Waits for the shown sizes to settle on `rows` and a total beginning with `total`.
    bool Shows(const std::vector<std::pair<const TVideoInfo *, QString>> &rows, const QString &total)
    {
        const bool settled = WaitUntil([&] {
            for (const auto &[clip, text] : rows)
                if (RowSize(*clip) != text)
                    return false;
            return Total()->isVisible() && Total()->text().startsWith(total + QStringLiteral(" of "))
                   && Total()->text().endsWith(QStringLiteral(" free"));
        }, 5000);
        if (!settled) {
            for (const auto &[clip, text] : rows)
                ADD_FAILURE() << clip->FileName.toStdString() << ": " << RowSize(*clip).toStdString() << " for "
                              << text.toStdString();
            ADD_FAILURE() << "total: " << Total()->text().toStdString() << " for " << total.toStdString();
        }
        return settled;
    }

    SettingsSandbox sandbox_;
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;
    std::unique_ptr<ProgramWindows> windows_;
    ClipListPanel *clipList_ = nullptr;
    RowPictures pictures_;
    InfoListItemFactory rows_{pictures_};
};

TEST_F(ClipSizeDisplayTest, RowsAndTotalFollowTheTargetThePanelAndTheTrims)
{
    ASSERT_NE(Total(), nullptr);
    EXPECT_FALSE(Total()->isVisible()) << "no total for an empty list";
    windows_->MainForm->SelectTarget(targets::TargetiPod);   // 1000 + 128 kbit/s
    TVideoInfo &minute = AddClip(QStringLiteral("minute.avi"), 60);
    TVideoInfo &twoMinutes = AddClip(QStringLiteral("two minutes.avi"), 120);
    TVideoInfo &song = AddClip(QStringLiteral("song.mp3"), 240, true);
    // 1128 kbit/s with 2 % for the container: 8.6 and 17.3 MB; the sound-only clip is left out.
    ASSERT_TRUE(Shows({{&minute, QStringLiteral("9 MB")}, {&twoMinutes, QStringLiteral("17 MB")}, {&song, QString()}},
                      QStringLiteral("Total 26 MB")));

    auto *bitRate = windows_->MainForm->findChild<QSpinBox *>(QStringLiteral("suiSpinEdit_VideoBitRate"));
    ASSERT_NE(bitRate, nullptr);
    bitRate->setValue(500);   // 628 kbit/s
    ASSERT_TRUE(Shows({{&minute, QStringLiteral("5 MB")}, {&twoMinutes, QStringLiteral("10 MB")}},
                      QStringLiteral("Total 14 MB")));

    twoMinutes.SetStartTime(60);   // trimmed as the preview's range bar does
    clipList_->Model().NoteEdited(twoMinutes);
    clipList_->RefreshOutputNames();
    ASSERT_TRUE(Shows({{&minute, QStringLiteral("5 MB")}, {&twoMinutes, QStringLiteral("5 MB")}},
                      QStringLiteral("Total 10 MB")));

    minute.SetChecked(false);   // the run converts every clip of the list, ticked or not
    windows_->MainForm->SelectTarget(targets::TargetMP3);   // 192 kbit/s of sound: the song too
    ASSERT_TRUE(Shows({{&minute, QStringLiteral("1 MB")}, {&twoMinutes, QStringLiteral("1 MB")},
                       {&song, QStringLiteral("6 MB")}},
                      QStringLiteral("Total 9 MB")));
}

} // namespace
