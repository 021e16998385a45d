// The rows of a clip: every setter's text, the tick and audio-track choice by
// clicking, tree connectors, stripes and highlight.

#include "ElidingLabel.h"
#include "InfoListItem.h"
#include "QtPrinters.h"
#include "VideoInfo.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

class Rows : public ::testing::Test {
protected:
    RowPictures pictures = RowPictures::Drawn();
    InfoListItemFactory factory{pictures};

    static QString Text(const ClipRow &row, const char *label)
    {
        const QLabel *shown = static_cast<const TInfoListItem &>(row).LabelNamed(QLatin1String(label));
        return shown ? shown->text() : QStringLiteral("<no label>");
    }
    static TAudioStream Stream(int id, const char *language, const char *codec = "AC-3", int channels = 6,
                               int hertz = 48000, int bitRate = 448000)
    {
        TAudioStream audio;
        audio.ID = id;
        audio.Language = QString::fromUtf8(language);
        audio.Codec = QString::fromLatin1(codec);
        audio.Channels = channels;
        audio.SamplingRate = hertz;
        audio.BitRate = bitRate;
        return audio;
    }
    static bool SamePicture(const QPixmap &a, const QPixmap &b) { return a.toImage() == b.toImage(); }
};

} // namespace

TEST_F(Rows, ClipRowTexts)
{
    TVideoInfo clip(&factory);
    clip.SetDuration(5400);
    clip.SetStartTime(0);
    clip.SetEndTime(5400);
    EXPECT_EQ(Text(*clip.Row, "DurationLabel"), "01:30:00");
    EXPECT_EQ(Text(*clip.Row, "StartLabel"), "Beginning");
    EXPECT_EQ(Text(*clip.Row, "EndLabel"), "Ending");
    clip.SetEndTime(5399);
    clip.SetStartTime(3725);
    EXPECT_EQ(Text(*clip.Row, "EndLabel"), "01:29:59");
    EXPECT_EQ(Text(*clip.Row, "StartLabel"), "01:02:05");
    clip.SetDuration(90000);
    EXPECT_EQ(Text(*clip.Row, "DurationLabel"), "00:00:00");

    const struct { float rate; const char *shown; } rates[] = {
        {29.97f, "FPS:29.96"}, {static_cast<float>(30000.0 / 1001.0), "FPS:29.97"}, {25.0f, "FPS:25.00"},
        {0.0f, "FPS:Auto"}, {200.0f, "FPS:Auto"}
    };
    for (const auto &r : rates) {
        clip.Row->SetFrameRate(r.rate);
        EXPECT_EQ(Text(*clip.Row, "FpsLabel"), r.shown) << r.rate;
    }
    clip.SetAspect(1, 720, 480);
    const struct { const char *aspect; const char *shown; } sizes[] = {
        {"16:9", "(WxH)720x480(16:9)"}, {"1.778", "(WxH)720x480(1.778:1)"}, {"", "(WxH)720x480(:1)"},
    };
    for (const auto &s : sizes) {
        clip.Row->SetPictureSize(s.aspect);
        EXPECT_EQ(Text(*clip.Row, "SizeLabel"), s.shown);
    }
    // The name stands after the check mark, without the blanks that made room for it.
    clip.Row->SetName("      a.avi                         ");
    EXPECT_EQ(Text(*clip.Row, "NameLabel"), "a.avi");
    const auto *row = static_cast<TInfoListItem *>(clip.Row.get());
    EXPECT_GT(row->LabelNamed("NameLabel")->x(), row->findChild<QLabel *>("CheckImage")->geometry().right());
    EXPECT_EQ(row->size(), QSize(540, 18));
}

// With the fonts Debian installs, a row's widest usual texts fit their columns
// side by side; a longer one is cut with "…" and the row shows it whole on hover.
TEST_F(Rows, TextsFitTheirColumnsOrAreCutAndShownWholeOnHover)
{
    TVideoInfo clip(&factory);
    clip.SetAspect(1, 1920, 1080);
    clip.SetDuration(36000);
    clip.SetStartTime(10);
    clip.SetEndTime(35999);
    clip.Row->SetFrameRate(29.97f);
    clip.Row->SetPictureSize("16:9");
    clip.Row->SetName(QStringLiteral("a clip with a name too long for its column.mp4"));
    clip.Row->SetOutputName(QStringLiteral("out"));
    auto *row = static_cast<TInfoListItem *>(clip.Row.get());
    row->show();
    QList<QLabel *> labels = row->findChildren<QLabel *>();
    labels.removeIf([](const QLabel *label) { return label->text().isEmpty(); });
    for (const QLabel *label : labels) {
        EXPECT_TRUE(row->rect().contains(label->geometry())) << label->objectName().toStdString();
        for (const QLabel *other : labels)
            EXPECT_TRUE(label == other || !label->geometry().intersects(other->geometry()))
                << label->objectName().toStdString() << " / " << other->objectName().toStdString();
    }
    for (const char *fitting : {"DurationLabel", "StartLabel", "EndLabel", "FpsLabel", "SizeLabel"}) {
        const auto *label = static_cast<const ElidingLabel *>(row->LabelNamed(QLatin1String(fitting)));
        EXPECT_FALSE(label->IsElided()) << fitting << ": " << label->text().toStdString();
    }
    clip.SetStartTime(0);
    clip.SetEndTime(36000);
    EXPECT_FALSE(static_cast<const ElidingLabel *>(row->LabelNamed("StartLabel"))->IsElided());   // "Beginning"

    const auto *name = static_cast<const ElidingLabel *>(row->LabelNamed("NameLabel"));
    ASSERT_TRUE(name->IsElided());
    EXPECT_TRUE(name->ShownText().endsWith(QChar(0x2026)));
    QHelpEvent hover(QEvent::ToolTip, name->geometry().center(), row->mapToGlobal(name->geometry().center()));
    QApplication::sendEvent(row, &hover);
    EXPECT_EQ(QToolTip::text(), name->text());
    QToolTip::hideText();
}

TEST_F(Rows, AudioRowTexts)
{
    TVideoInfo clip(&factory);
    clip.AddAudioRow(Stream(4352, "English"));
    clip.AddAudioRow(Stream(-1, "", "MP3", 2, 44100, 128000));
    clip.AddAudioRow(Stream(-1, "", "PCM", 1, -1, -1));
    const auto &english = static_cast<const TInfoListItem &>(*clip.AudioRows[0]);
    EXPECT_EQ(Text(english, "AudioLangLabel"), "Audio:English");
    EXPECT_EQ(Text(english, "AudioCodecLabel"), "Codec:AC-3 6CH");
    EXPECT_EQ(Text(english, "AudioRateLabel"), "48.0KHz");
    EXPECT_EQ(Text(english, "AudioBitrateLabel"), "Bitrate:448.0Kb");
    // Neither language nor identifier (an MP3 file): no made-up number.
    EXPECT_EQ(Text(*clip.AudioRows[1], "AudioLangLabel"), "Audio track");
    EXPECT_EQ(Text(*clip.AudioRows[1], "AudioRateLabel"), "44.1KHz");
    EXPECT_EQ(Text(*clip.AudioRows[1], "AudioBitrateLabel"), "Bitrate:128.0Kb");
    EXPECT_EQ(Text(*clip.AudioRows[2], "AudioRateLabel"), "4294967.3KHz");
    EXPECT_EQ(Text(*clip.AudioRows[2], "AudioBitrateLabel"), "Bitrate:?");
    EXPECT_EQ(english.StreamID(), 4352);
    EXPECT_EQ(english.Language(), "English");
}

TEST_F(Rows, ClickingAnUntickedAudioCheckMarkAsksForThatTrack)
{
    TVideoInfo clip(&factory);
    for (int id : {4352, 4353, 4354})
        clip.AddAudioRow(Stream(id, ""));
    for (size_t index = 0; index < clip.AudioRows.size(); ++index)
        clip.AudioRows[index]->SetTreeEnd(index + 1 == clip.AudioRows.size());
    clip.ChooseAudioRow(0);
    auto *second = static_cast<TInfoListItem *>(clip.AudioRows[1].get());
    QWidget *check = second->findChild<QLabel *>("CheckImage");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->geometry(), QRect(20, 2, 16, 16));
    QSignalSpy asked(second, &TInfoListItem::AudioRowChosen);
    QTest::mouseClick(check, Qt::LeftButton);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked.first().first().value<TInfoListItem *>(), second);
    EXPECT_EQ(clip.AudioStreamID, 4352) << "the list chooses, not the row";
    clip.ChooseAudioRow(1);
    QTest::mouseClick(check, Qt::LeftButton);   // already chosen: nothing asked
    EXPECT_EQ(asked.size(), 1);

    const auto connector = [&clip](size_t index) {
        return static_cast<TInfoListItem *>(clip.AudioRows[index].get())->findChild<QLabel *>("TreeImage")->pixmap();
    };
    EXPECT_TRUE(SamePicture(connector(0), pictures.treeMiddle));
    EXPECT_TRUE(SamePicture(connector(1), pictures.treeMiddle));
    EXPECT_TRUE(SamePicture(connector(2), pictures.treeLast));
    EXPECT_TRUE(SamePicture(second->findChild<QLabel *>("CheckImage")->pixmap(), pictures.audioChecked));
}

TEST_F(Rows, ClipRowCheckMarkTakesNoClicksAndFollowsTheClip)
{
    TVideoInfo clip(&factory);
    auto *row = static_cast<TInfoListItem *>(clip.Row.get());
    QLabel *check = row->findChild<QLabel *>("CheckImage");
    EXPECT_EQ(check->geometry(), QRect(3, 2, 14, 14));
    EXPECT_TRUE(check->testAttribute(Qt::WA_TransparentForMouseEvents));
    clip.SetChecked(true);
    EXPECT_TRUE(SamePicture(check->pixmap(), pictures.clipChecked));
    row->SetChecked(false);
    EXPECT_FALSE(clip.Checked);
    EXPECT_TRUE(SamePicture(check->pixmap(), pictures.clipUnchecked));
}

TEST_F(Rows, StripesAlternateByClipNumberAndHighlightShowsTheSelection)
{
    TVideoInfo clip(&factory);
    clip.AddAudioRow(Stream(1, ""));
    auto *row = static_cast<TInfoListItem *>(clip.Row.get());
    const auto background = [](TInfoListItem *item) { return item->grab().toImage().pixelColor(300, 9); };
    clip.SetNumber(1);
    EXPECT_EQ(background(row), pictures.stripeOdd.toImage().pixelColor(300, 9));
    clip.SetNumber(2);
    EXPECT_EQ(background(row), pictures.stripeEven.toImage().pixelColor(300, 9));
    EXPECT_EQ(static_cast<TInfoListItem *>(clip.AudioRows[0].get())->RowNumber(), 2);
    clip.SetSelected(true);
    EXPECT_TRUE(clip.Selected);
    EXPECT_EQ(background(row), pictures.highlight.toImage().pixelColor(300, 9));
    clip.SetSelected(false);
    EXPECT_EQ(background(row), pictures.stripeEven.toImage().pixelColor(300, 9));
}
