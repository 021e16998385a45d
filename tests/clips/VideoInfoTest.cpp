// The clip record: stored values, aspect mapping, and what it tells its rows.

#include "ClipRow.h"
#include "MediaStreams.h"
#include "VideoInfo.h"

#include <QStringList>
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// A row that records what the clip tells it and behaves like the real one for
// ticks and highlight.
class RecordingRow : public ClipRow {
public:
    RecordingRow(TVideoInfo &owner, QStringList &log) : owner_(owner), log_(log) {}
    void SetName(const QString &text) override { log_ << "name " + text; }
    void SetDuration(int h, int m, int s) override { log_ << QString::asprintf("duration %d:%d:%d", h, m, s); }
    void SetStart(int h, int m, int s) override { log_ << QString::asprintf("start %d:%d:%d", h, m, s); }
    void SetEnd(int h, int m, int s) override { log_ << QString::asprintf("end %d:%d:%d", h, m, s); }
    void SetFrameRate(float) override {}
    void SetPictureSize(const QString &) override {}
    void SetOutputName(const QString &text) override { log_ << "output " + text; }
    void SetHint(const QString &text) override { log_ << "hint " + text; }
    void SetStreamID(int) override {}
    void SetAudioLanguage(const QString &, int) override {}
    void SetAudioFormat(const QString &, int) override {}
    void SetSamplingRate(int) override {}
    void SetBitRate(int) override {}
    void SetTreeEnd(bool) override {}
    void SetChecked(bool checked) override
    {
        if (checked == checked_)
            return;
        checked_ = checked;
        owner_.SetChecked(checked);
    }
    bool IsChecked() const override { return checked_; }
    void SetRowNumber(int number) override { log_ << QString::asprintf("number %d", number); }
    void Highlight() override { highlighted_ = true; }
    void Unhighlight() override { highlighted_ = false; }
    bool IsHighlighted() const override { return highlighted_; }

private:
    TVideoInfo &owner_;
    QStringList &log_;
    bool checked_ = false;
    bool highlighted_ = false;
};

class RecordingFactory : public ClipRowFactory {
public:
    std::unique_ptr<ClipRow> MakeClipRow(TVideoInfo &owner) override { return std::make_unique<RecordingRow>(owner, clipLog); }
    std::unique_ptr<ClipRow> MakeAudioRow(TVideoInfo &owner) override { return std::make_unique<RecordingRow>(owner, audioLog); }
    QStringList clipLog, audioLog;
};

TAudioStream Stream(int id, const char *language)
{
    TAudioStream audio;
    audio.ID = id;
    audio.Language = QString::fromUtf8(language);
    return audio;
}

} // namespace

TEST(VideoInfo, StartsWithItsInitialValues)
{
    TVideoInfo clip;
    EXPECT_EQ(clip.AspectIndex, -1);
    EXPECT_EQ(clip.ContainerKind, -1);
    EXPECT_EQ(clip.VideoStreamID, -1);
    EXPECT_FALSE(clip.Checked);
    EXPECT_EQ(clip.Thumbnail.size(), QSize(240, 180));
    EXPECT_EQ(clip.AudioList, nullptr);
    EXPECT_EQ(clip.Row, nullptr);
}

TEST(VideoInfo, TimesOutsideADayAreStoredAsZeroAndShownOnTheRow)
{
    RecordingFactory rows;
    TVideoInfo clip(&rows);
    const struct { int seconds; int stored; } cases[] = {{5400, 5400}, {86400, 86400}, {90000, 0}, {-1, 0}, {0, 0}};
    for (const auto &c : cases) {
        clip.SetDuration(c.seconds);
        EXPECT_EQ(clip.Duration, c.stored) << c.seconds;
    }
    clip.SetStartTime(3725);
    clip.SetEndTime(86401);
    EXPECT_EQ(clip.StartTime, 3725);
    EXPECT_EQ(clip.EndTime, 0);
    EXPECT_TRUE(rows.clipLog.contains("duration 1:30:0"));
    EXPECT_TRUE(rows.clipLog.contains("start 1:2:5"));
    EXPECT_TRUE(rows.clipLog.contains("end 0:0:0"));
}

TEST(VideoInfo, AspectCodesMapToTheDisplayTable)
{
    const struct { int code; int index; double aspect; } cases[] = {
        {1, 2, 1.0}, {2, 0, 4.0 / 3.0}, {3, 1, 16.0 / 9.0}, {4, 3, 2.21}, {0, 4, 0.0}, {-7, 4, 0.0},
    };
    for (const auto &c : cases) {
        TVideoInfo clip;
        clip.SetAspect(c.code, 720, 480);
        EXPECT_EQ(clip.AspectIndex, c.index);
        EXPECT_DOUBLE_EQ(DisplayAspectOfIndex(clip.AspectIndex), c.aspect);
        EXPECT_DOUBLE_EQ(clip.SizeRatio, 1.5);
    }
    TVideoInfo flat;
    flat.SetAspect(3, 720, 0);
    EXPECT_DOUBLE_EQ(flat.SizeRatio, 1.0);
}

TEST(VideoInfo, OutputNameJoinsTheHintAndTheObserverHearsTicks)
{
    RecordingFactory rows;
    TVideoInfo clip(&rows);
    int ticks = 0;
    clip.CheckedChanged = [&ticks](TVideoInfo &) { ++ticks; };
    clip.SetInfoText("Clip Name : a.avi");
    clip.SetOutputName("a_1");
    EXPECT_EQ(rows.clipLog.mid(rows.clipLog.size() - 2),
              (QStringList{"output a_1", "hint Clip Name : a.avi\nOutput Name : a_1"}));
    clip.SetChecked(true);
    clip.SetChecked(true);
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(clip.Row->IsChecked());
}

TEST(VideoInfo, ChoosingAnAudioRowTicksOnlyItAndKeepsTheClipTicked)
{
    RecordingFactory rows;
    TVideoInfo clip(&rows);
    clip.AddAudioRow(Stream(4352, "English"));
    clip.AddAudioRow(Stream(4353, "German"));
    clip.ChooseAudioRow(0);
    EXPECT_EQ(clip.AudioStreamID, 4352);
    clip.ChooseAudioRow(1);
    EXPECT_FALSE(clip.AudioRows[0]->IsChecked());
    EXPECT_TRUE(clip.AudioRows[1]->IsChecked());
    EXPECT_EQ(clip.AudioStreamID, 4353);
    EXPECT_TRUE(clip.Checked);
    clip.ChooseAudioRow(7);
    EXPECT_EQ(clip.AudioStreamID, 4353);
    EXPECT_EQ(clip.IndexOfAudioRow(clip.AudioRows[1].get()), 1);

    clip.SetSelected(true);
    EXPECT_TRUE(clip.Row->IsHighlighted() && clip.AudioRows[1]->IsHighlighted() && clip.Selected);
    clip.SetNumber(3);
    EXPECT_EQ(rows.audioLog.count("number 3"), 2);
}
