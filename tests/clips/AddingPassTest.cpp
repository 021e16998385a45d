// The adding pass through the test engine and the real media library: rows,
// facts, frame-rate questions, the transport-stream flag, progress and report.

#include "ClipListFixture.h"
#include "FpsSelecteContent.h"
#include "LibraryLoader.h"
#include "MediaInfoInterfa.h"
#include "QtPrinters.h"

#include <QCheckBox>
#include <QMap>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>

using Kind = ScriptedQuestions::Kind;

TEST_F(ClipListFixture, AddedClipShowsItsFactsRowsAndThumbnail)
{
    AddFiles({Scripted(twoAudioTs, 5400, 25.0f, 1920, 1080)});
    ASSERT_EQ(panel->Model().Clips().size(), 1u);
    const TVideoInfo &clip = *panel->Model().Clips().front();
    EXPECT_EQ(clip.FileName, twoAudioTs);
    EXPECT_TRUE(clip.Checked);
    EXPECT_EQ(clip.ContainerKind, 1);
    EXPECT_FLOAT_EQ(clip.FrameRate, 25.0f);
    EXPECT_GT(clip.VideoStreamID, 0);
    EXPECT_EQ(clip.Thumbnail.size(), QSize(240, 136));
    EXPECT_EQ(clip.Thumbnail.pixelColor(120, 10), QColor(Qt::red));
    EXPECT_EQ(clip.Thumbnail.pixelColor(120, 130), QColor(Qt::blue));
    EXPECT_EQ(clip.InfoText, "Clip Name : two audio.ts\nVideo : Size 1920X1080 , Bitrate 1000.00 , FPS 25.00\n"
                             "Audio : Bitrate 128.00, Samplerate 44100");

    ASSERT_EQ(panel->Rows().size(), 3);
    TInfoListItem *row = panel->Rows()[0];
    EXPECT_EQ(LabelText(row, "NameLabel"), "two audio.ts");
    EXPECT_EQ(LabelText(row, "DurationLabel"), "01:30:00");
    EXPECT_EQ(LabelText(row, "StartLabel"), "Beginning");
    EXPECT_EQ(LabelText(row, "EndLabel"), "Ending");
    EXPECT_EQ(LabelText(row, "FpsLabel"), "FPS:25.00");
    EXPECT_EQ(LabelText(row, "SizeLabel"), "(WxH)1920x1080(4:3)");
    EXPECT_EQ(LabelText(row, "OutputLabel"), "two audio");
    EXPECT_EQ(row->toolTip(), clip.InfoText + "\nOutput Name : two audio");
    TInfoListItem *english = panel->Rows()[1];
    EXPECT_EQ(LabelText(english, "AudioLangLabel"), "Audio:English");
    EXPECT_EQ(LabelText(english, "AudioCodecLabel"), "Codec:MPEG Audio 1CH");
    EXPECT_EQ(LabelText(english, "AudioRateLabel"), "48.0KHz");
    EXPECT_EQ(LabelText(panel->Rows()[2], "AudioRateLabel"), "44.1KHz");
    EXPECT_TRUE(LabelText(english, "AudioBitrateLabel").startsWith("Bitrate:"));

    // The first row is selected after the pass, the clip is current.
    EXPECT_TRUE(row->IsHighlighted() && english->IsHighlighted());
    EXPECT_EQ(panel->Model().Current(), &clip);
    EXPECT_FALSE(panel->Model().Busy());
}

TEST_F(ClipListFixture, DefaultAudioFollowsOptionThenLocaleThenEnglish)
{
    const struct { const char *option; const char *locale; int checkedRow; } cases[] = {
        {"german", "French", 2}, {"", "GERMAN", 2}, {"Spanish", "ITALIAN", 1},
    };
    for (const auto &c : cases) {
        panel = std::make_unique<ClipListPanel>();
        panel->environment.settingsFolder = [this] { return settings.path() + QLatin1Char('/'); };
        panel->environment.defaultAudioLanguage = [&c] { return QString::fromLatin1(c.option); };
        panel->environment.localeLanguage = [&c] { return QString::fromLatin1(c.locale); };
        AddFiles({Scripted(twoAudioTs)});
        ASSERT_EQ(panel->Rows().size(), 3);
        const TInfoListItem *chosen = panel->Rows()[c.checkedRow];
        EXPECT_TRUE(chosen->IsChecked()) << c.option;
        EXPECT_FALSE(panel->Rows()[3 - c.checkedRow]->IsChecked()) << c.option;
        EXPECT_EQ(panel->Model().Clips().front()->AudioStreamID, chosen->StreamID());
    }
}

TEST_F(ClipListFixture, TransportStreamFlagGoesToTheEngine)
{
    const QString mts = media->path() + "/copy.mts";
    const QString avi = media->path() + "/copy of ts.avi";
    QFile::copy(twoAudioTs, mts);
    QFile::copy(twoAudioTs, avi);
    AddFiles({Scripted(twoAudioTs), Scripted(mts), Scripted(avi)});
    QMap<QString, QStringList> probeOf;   // the probes run side by side, in any order
    for (const QString &call : engine->Calls("X_GetFileinfo_GetPic"))
        probeOf[TestEngine::Arguments(call).value(0)] = TestEngine::Arguments(call);
    ASSERT_EQ(probeOf.size(), 3);
    const std::pair<QString, QString> flags[] = {{twoAudioTs, "1"}, {mts, "1"}, {avi, "0"}};
    for (const auto &[file, flag] : flags) {
        EXPECT_EQ(probeOf[file].value(3), flag) << file.toStdString();
        EXPECT_EQ(probeOf[file].value(1), "10");
    }
    const QStringList global = TestEngine::Arguments(engine->Calls("X_Global_CMD").first());
    EXPECT_EQ(global, (QStringList{settings.path() + "/telvotempfile.tmp", "29.976", "1"}));
    EXPECT_EQ(TestEngine::Arguments(engine->Calls("X_Get_Frame").first()).value(2), settings.path() + "/2.bmp");
}

TEST_F(ClipListFixture, AddingClipsLeavesTheCurrentFolderAlone)
{
    const QString before = QDir::currentPath();
    AddFiles({Scripted(oneAudioMp4)});
    ASSERT_EQ(panel->Model().Clips().size(), 1u);
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_NE(QDir::currentPath() + "/", settings.path() + "/");
}

TEST_F(ClipListFixture, ThreeClipsAreNumberedAndPlacedWithTheirAudioRows)
{
    AddFiles({Scripted(twoAudioTs), Scripted(noAudioMp4), Scripted(oneAudioMp4)});
    EXPECT_EQ(RowTops(), (QList<int>{0, 18, 36, 54, 72, 90}));
    EXPECT_EQ(RowNumbers(), (QList<int>{1, 1, 1, 2, 3, 3}));
    EXPECT_FALSE(panel->findChild<QWidget *>("Panel_Intro")->isVisibleTo(panel.get()));
    EXPECT_EQ(panel->findChild<QWidget *>("suiImagePanel_InfoMove")->height(), 108);
}

TEST_F(ClipListFixture, FourFilesShowProgressAndRejectedOnesAreReported)
{
    QList<int> percents;
    QObject::connect(panel.get(), &ClipListPanel::ProgressStepShown, [&percents](int percent) { percents << percent; });
    const QString empty = media->path() + "/empty file.avi";
    QFile(empty).open(QIODevice::WriteOnly);
    const QString missing = media->path() + "/no such 'file' $(x).mkv";
    AddFiles({Scripted(twoAudioTs), empty, missing, Scripted(oneAudioMp4)});
    EXPECT_EQ(percents, (QList<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(panel->Model().Clips().size(), 2u);
    EXPECT_EQ(questions->Texts(Kind::Information),
              QStringList{"Some UNSUPPORTED file(s) format can not add in. \n\n" + empty + " (the engine cannot read it)\n" +
                          missing + " (the file is missing)\n"});
    EXPECT_FALSE(panel->findChild<QWidget *>("Panel_AddProgress")->isVisibleTo(panel.get()));

    percents.clear();
    AddFiles({Scripted(noAudioMp4)});
    EXPECT_TRUE(percents.isEmpty());
}

TEST_F(ClipListFixture, WithoutAnEngineEveryFileIsRejected)
{
    QTemporaryDir emptyFolder;
    platform::SetProgramFolderForTesting(emptyFolder.path());
    AddFiles({Scripted(twoAudioTs), Scripted(oneAudioMp4)});
    platform::SetProgramFolderForTesting(TestEngine::Folder());
    EXPECT_TRUE(panel->Model().Clips().empty());
    EXPECT_EQ(questions->Texts(Kind::Information).value(0),
              "Some UNSUPPORTED file(s) format can not add in. \n\n" + twoAudioTs + " (the engine library cannot be loaded)\n" +
                  oneAudioMp4 + " (the engine library cannot be loaded)\n");
}

TEST_F(ClipListFixture, CancelledDialogAddsNothingAndTheFilterIsTranslated)
{
    panel->environment.openDialogFilter = [] { return QStringLiteral("Supported Format File|*.avi;*.mpg|All File (*.*)|*.*"); };
    AddFiles({});
    EXPECT_TRUE(panel->Model().Clips().empty());
    EXPECT_EQ(questions->Asked().first().filter, "Supported Format File (*.avi *.mpg);;All File (*.*) (*)");
    EXPECT_EQ(engine->CallCount("X_GetFileinfo_GetPic"), 0);
}

TEST_F(ClipListFixture, ClearDisagreementAsksTheFrameRateDialog)
{
    // The media library reads 25 from the file; the engine says 29.97.
    QString shownFile, firstRate, secondRate;
    questions->AnswerExec([&](QDialog &dialog) {
        auto *content = dialog.findChild<FpsSelecteContent *>();
        shownFile = content->labMessage->text();
        firstRate = content->rbtnFPS1->text();
        secondRate = content->rbtnFPS2->text();
        content->rbtnFPS2->click();
        return 0;
    });
    AddFiles({Scripted(oneAudioMp4, 60, 29.97f)});
    ASSERT_EQ(panel->Model().Clips().size(), 1u);
    EXPECT_FLOAT_EQ(panel->Model().Clips().front()->FrameRate, 29.97f);
    EXPECT_EQ(shownFile, oneAudioMp4);
    EXPECT_EQ(firstRate, "25.00");
    EXPECT_EQ(secondRate, "29.96");
    EXPECT_EQ(questions->Asked().last().title, "FPSSelecteForm");
}

TEST_F(ClipListFixture, AbsurdEngineAnswersGiveTheFallbacks)
{
    EngineFileInfo absurd = TestEngine::VideoInfo(90000, std::numeric_limits<float>::quiet_NaN(), -5, 0);
    absurd.aspectCode = 77;
    absurd.aspectFlag = 0;
    engine->SetProbe(noAudioMp4, absurd);
    EngineFileInfo fast = TestEngine::VideoInfo(-3, 200.0f, 100000, 1);
    const QString copy = media->path() + "/Größe \"x\" & y;.mp4";
    QFile::copy(noAudioMp4, copy);
    engine->SetProbe(copy, fast);
    SetMediaInfoLibraryNameForTesting(QStringLiteral("NoSuchMediaInfo.dll"));
    AddFiles({noAudioMp4, copy});
    ASSERT_EQ(panel->Model().Clips().size(), 2u);
    const TVideoInfo &first = *panel->Model().Clips()[0];
    EXPECT_EQ(first.Duration, 0);
    EXPECT_EQ(first.FrameRate, 0.0f);
    EXPECT_EQ(first.Width, 720);
    EXPECT_EQ(first.Height, 480);
    EXPECT_EQ(first.ContainerKind, -1);
    EXPECT_EQ(first.Thumbnail.size(), QSize(240, 160));
    EXPECT_EQ(LabelText(static_cast<TInfoListItem *>(first.Row.get()), "FpsLabel"), "FPS:Auto");
    EXPECT_EQ(LabelText(static_cast<TInfoListItem *>(first.Row.get()), "DurationLabel"), "00:00:00");
    const TVideoInfo &second = *panel->Model().Clips()[1];
    EXPECT_FLOAT_EQ(second.FrameRate, 200.0f);
    EXPECT_TRUE(second.InfoText.contains(" , FPS Auto\n"));
    EXPECT_EQ(second.Thumbnail.size(), QSize(240, 4));
    EXPECT_EQ(engine->Calls("X_GetFileinfo_GetPic").filter(copy).size(), 1);
    EXPECT_EQ(panel->Rows().size(), 2);   // no media library: no audio rows
}
