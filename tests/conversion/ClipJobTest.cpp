#include "ClipJob.h"

#include "ClipRecordFacts.h"

#include "JobParameters.h"
#include "TargetCatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace conversion {
namespace {

JobClip Range(int start, int end, int duration)
{
    JobClip clip;
    clip.startSeconds = start;
    clip.endSeconds = end;
    clip.durationSeconds = duration;
    return clip;
}

TEST(LengthToConvert, SelectionMinimumAndEndOfSource)
{
    const struct {
        JobClip clip;
        int minimum;
        int length;
    } cases[] = {
        {Range(5, 15, 100), 0, 10},
        {Range(5, 15, 100), 30, 30},     // the minimum duration lengthens a short selection
        {Range(5, 15, 100), 5, 10},      // but never shortens one
        {Range(5, 97, 100), 0, 92},      // 3 seconds before the end: still a selection
        {Range(5, 98, 100), 0, 0},       // 2 seconds before the end: to the end
        {Range(90, 100, 100), 30, 0},    // to the end wins over the minimum
        {Range(10, 40, 0), 0, 0},        // unknown duration: to the end
    };
    for (const auto &c : cases) {
        EXPECT_EQ(LengthToConvert(c.clip, c.minimum), c.length)
            << c.clip.startSeconds << ".." << c.clip.endSeconds << " of " << c.clip.durationSeconds;
    }
}

TEST(ClipTexts, ArtistAndTitleNames)
{
    EXPECT_EQ(ArtistNameText(QString()), QLatin1String("Unkonwn"));
    EXPECT_EQ(ArtistNameText(QStringLiteral("Band")), QLatin1String("Band"));
    EXPECT_EQ(ArtistNameText(QString(60, QLatin1Char('a'))), QString(50, QLatin1Char('a')));

    EXPECT_EQ(TitleNameText(QStringLiteral("/v/Holiday.avi"), QString()), QLatin1String("Holiday.avi"));
    EXPECT_EQ(TitleNameText(QStringLiteral("/v/Holiday.avi"), QStringLiteral("Video")), QLatin1String("Video_Holiday.avi"));
    const QString longName(60, QLatin1Char('n'));
    EXPECT_EQ(TitleNameText(QStringLiteral("/v/Holiday.avi"), longName), QString(50, QLatin1Char('n')));
    EXPECT_EQ(TitleNameText(QStringLiteral("/v/Holiday.avi"), QString(45, QLatin1Char('d'))),
              QString(45, QLatin1Char('d')) + QLatin1String("_Holi"));
}

TEST(ClipTexts, CutNeverSplitsACharacter)
{
    const QString name = QString(49, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x8E\xAC");   // 49 + a surrogate pair
    EXPECT_EQ(ArtistNameText(name), QString(49, QLatin1Char('x')));
}

TEST(ClipTexts, AudioSubtitleAndStreamChoices)
{
    JobClip mkv;
    mkv.containerKind = ContainerMatroska;
    mkv.audioRowCount = 3;
    mkv.audioStreamId = 7;
    mkv.videoStreamId = 5;
    mkv.firstTickedAudioRow = 2;
    EXPECT_EQ(AudioTrackText(mkv), QLatin1String("2"));
    mkv.firstTickedAudioRow = -1;
    EXPECT_EQ(AudioTrackText(mkv), QLatin1String("0"));
    EXPECT_EQ(EngineStreamId(mkv), 0);

    JobClip mp4;
    mp4.audioRowCount = 2;
    mp4.audioStreamId = 3;
    mp4.videoStreamId = 0;
    EXPECT_EQ(AudioTrackText(mp4), QLatin1String("3"));
    mp4.audioRowCount = 1;
    EXPECT_EQ(AudioTrackText(mp4), QLatin1String("-1"));
    EXPECT_EQ(EngineStreamId(mp4), -1);
    mp4.videoStreamId = 257;
    EXPECT_EQ(EngineStreamId(mp4), 257);

    JobClip subtitles;
    EXPECT_EQ(SubtitleTrackText(subtitles), QLatin1String("-1")) << "no subtitle list";
    subtitles.subtitleCount = 2;
    subtitles.subtitleIndex = 1;
    EXPECT_EQ(SubtitleTrackText(subtitles), QLatin1String("1"));
    subtitles.subtitleIndex = -1;
    EXPECT_EQ(SubtitleTrackText(subtitles), QLatin1String("0"));
    subtitles.subtitleIndex = 2;
    EXPECT_EQ(SubtitleTrackText(subtitles), QLatin1String("-1"));
}

TEST(ClipRecordFacts, TheRecordAsTheJobReadsIt)
{
    std::vector<std::unique_ptr<TVideoInfo>> clips;
    clips.push_back(std::make_unique<TVideoInfo>());
    TVideoInfo &record = *clips.back();
    record.FileName = QStringLiteral("/videos/a.mkv");
    record.OutputName = QStringLiteral("a.mp4");
    record.SetDuration(90);
    record.SetStartTime(5);
    record.SetEndTime(50);
    record.SetAspect(3, 720, 576);
    record.AspectFromCode = true;
    record.FrameRate = 25.0f;
    record.ContainerKind = ContainerMatroska;
    record.VideoStreamID = 1;
    record.AudioStreamID = 2;
    record.SubtitleList = std::make_unique<QStringList>(QStringList{QStringLiteral("en#1")});

    const ClipLookup lookup = ClipLookupOf(RunClipsOf(clips, targets::TargetAVI));
    const std::optional<JobClip> clip = lookup(0);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->fileName, record.FileName);
    EXPECT_EQ(clip->outputName, record.OutputName);
    EXPECT_EQ(clip->durationSeconds, 90);
    EXPECT_EQ(clip->startSeconds, 5);
    EXPECT_EQ(clip->endSeconds, 50);
    EXPECT_EQ(clip->width, 720);
    EXPECT_EQ(clip->height, 576);
    EXPECT_EQ(clip->aspectIndex, 1);
    EXPECT_TRUE(clip->aspectFromCode);
    EXPECT_EQ(clip->frameRate, 25.0f);
    EXPECT_EQ(clip->containerKind, ContainerMatroska);
    EXPECT_EQ(clip->videoStreamId, 1);
    EXPECT_EQ(clip->audioStreamId, 2);
    EXPECT_EQ(clip->audioRowCount, 0);
    EXPECT_EQ(clip->firstTickedAudioRow, -1);
    EXPECT_EQ(clip->subtitleCount, 1);
    EXPECT_FALSE(lookup(1));
    EXPECT_FALSE(lookup(-1));
}

TEST(ClipRecordFacts, AVideoRunLeavesOutTheClipsWithSoundOnlyAndAMusicRunKeepsThem)
{
    std::vector<std::unique_ptr<TVideoInfo>> clips;
    for (const char *name : {"/v/film.mkv", "/m/song.mp3", "/v/trailer.mp4"}) {
        clips.push_back(std::make_unique<TVideoInfo>());
        clips.back()->FileName = QString::fromUtf8(name);
    }
    clips[1]->AudioOnly = true;
    const auto files = [&clips](int target) {
        QStringList names;
        const ClipLookup lookup = ClipLookupOf(RunClipsOf(clips, target));
        for (int index = 0; lookup(index); ++index)
            names << lookup(index)->fileName;
        return names;
    };
    EXPECT_EQ(files(targets::TargetAVI), (QStringList{"/v/film.mkv", "/v/trailer.mp4"}));
    EXPECT_EQ(files(targets::TargetDVD_Folder), (QStringList{"/v/film.mkv", "/v/trailer.mp4"}));
    EXPECT_EQ(files(targets::TargetMP3), (QStringList{"/v/film.mkv", "/m/song.mp3", "/v/trailer.mp4"}));
    EXPECT_EQ(files(targets::TargetWAV).size(), 3);
}

class PrepareClipJobTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        job_.JobFolder = folder_.path() + QLatin1String("/out/");
        job_.ProfileFrameRate = job_.VideoFrameRate = QStringLiteral("Auto");
        job_.AutoFrameRate = true;
        job_.VideoResolution = QStringLiteral("320:240");
        settings_.target = targets::TargetMP4;
        settings_.minDurationSeconds = 0;
    }

    JobClip Clip(const QString &name, int containerKind, float frameRate)
    {
        JobClip clip = Range(2, 12, 60);
        clip.fileName = QLatin1String("/videos/") + name;
        clip.outputName = name + QLatin1String(".mp4");
        clip.containerKind = containerKind;
        clip.frameRate = frameRate;
        clip.width = 640;
        clip.height = 480;
        return clip;
    }

    bool Prepare(int index)
    {
        return PrepareClipJob(job_, index, settings_, [this](int i) -> std::optional<JobClip> {
            if (i < 0 || i >= clips_.size())
                return std::nullopt;
            return clips_[i];
        });
    }

    QTemporaryDir folder_;
    ConvertJob job_;
    RunSettings settings_;
    QVector<JobClip> clips_;
};

TEST_F(PrepareClipJobTest, EachClipStartsFromTheProfileRate)
{
    clips_ = {Clip(QStringLiteral("a"), ContainerOther, 23.976024f), Clip(QStringLiteral("b"), ContainerMatroska, 25.0f)};
    ASSERT_TRUE(Prepare(0));
    EXPECT_EQ(job_.VideoFrameRate, QLatin1String("23.976"));
    ASSERT_TRUE(Prepare(1));
    EXPECT_EQ(job_.VideoFrameRate, QLatin1String("Auto")) << "the Matroska clip keeps its own rate";
    EXPECT_EQ(job_.SourceFrameRate, QLatin1String("-1"));
    EXPECT_TRUE(job_.ForceSync);
    EXPECT_FALSE(Prepare(2)) << "past the end of the list";
}

TEST_F(PrepareClipJobTest, FillsTheClipValuesAndANewOutputFile)
{
    JobClip clip = Clip(QStringLiteral("Holiday:1"), ContainerTransportStream, 29.97f);
    clip.titleNumber = 3;
    clip.videoStreamId = 4113;
    clips_ = {clip};
    settings_.minDurationSeconds = 30;
    ASSERT_TRUE(Prepare(0));
    EXPECT_EQ(job_.ClipIndex, 0);
    EXPECT_EQ(job_.SourceFile, QLatin1String("/videos/Holiday:1"));
    EXPECT_EQ(job_.TitleNumberText, QLatin1String("3"));
    EXPECT_EQ(job_.StartSeconds, 2);
    EXPECT_EQ(job_.StartText, QLatin1String("2"));
    EXPECT_EQ(job_.ShownLength, 10);
    EXPECT_EQ(job_.LengthText, QLatin1String("30"));
    EXPECT_TRUE(job_.TransportStream);
    EXPECT_EQ(job_.StreamID, 4113);
    EXPECT_EQ(job_.TitleName, QLatin1String("Video_Holiday:1"));
    EXPECT_EQ(job_.TargetFile, job_.JobFolder + QLatin1String("Holiday_1.mp4"));
    EXPECT_EQ(job_.FrameSize, QLatin1String("320:240"));

    QFile existing(job_.TargetFile);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    ASSERT_TRUE(Prepare(0));
    EXPECT_EQ(job_.TargetFile, job_.JobFolder + QLatin1String("1-Holiday_1.mp4")) << "never overwrites";
}

} // namespace
} // namespace conversion
