// The media probe against the real media library on files made by ffmpeg, and
// without a loadable library.

#include "MediaFixtures.h"
#include "MediaInfoInterfa.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

class MediaProbeLibrary : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        const QString base = folder->path() + QLatin1Char('/');
        ts = fixtures::TransportStreamWithTwoAudioPids(base + "two pids.ts");
        mkv = fixtures::MatroskaWithTwoLanguages(base + "languages.mkv");
        mp4 = fixtures::Mp4WithTwoAudioTracks(base + "tracks.mp4");
        avi = fixtures::AviWithTwoAudioTracks(base + "tracks.avi");
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }
    void TearDown() override { SetMediaInfoLibraryNameForTesting(QStringLiteral("MediaInfo.dll")); }

    static TMediaInfo Probe(const QString &path)
    {
        TMediaInfo info;
        TMediaInfoInterfa().GetMediaInfo(path, info);
        return info;
    }

    static inline QTemporaryDir *folder = nullptr;
    static inline QString ts, mkv, mp4, avi;
};

} // namespace

TEST_F(MediaProbeLibrary, TransportStreamGivesFormatPidsAndLanguages)
{
    ASSERT_FALSE(ts.isEmpty());
    const TMediaInfo info = Probe(ts);
    EXPECT_EQ(info.Format, "MPEG-TS");
    EXPECT_EQ(info.Video.Width, 320);
    EXPECT_EQ(info.Video.Height, 240);
    EXPECT_FLOAT_EQ(info.Video.FrameRate, 25.0f);
    EXPECT_EQ(info.Video.AspectRatio, "4:3");
    EXPECT_GT(info.Video.ID, 0);
    ASSERT_EQ(info.AudioStreamCount(), 2);
    EXPECT_LT(info.AudioStreams[0].ID, info.AudioStreams[1].ID);
    EXPECT_EQ(info.AudioStreams[0].Language, "English");
    EXPECT_EQ(info.AudioStreams[1].Language, "German");
    EXPECT_EQ(info.AudioStreams[0].SamplingRate, 48000);
    EXPECT_EQ(info.AudioStreams[1].SamplingRate, 44100);
    EXPECT_EQ(info.AudioStreams[0].Channels, 1);
}

TEST_F(MediaProbeLibrary, MatroskaAndMp4ListEveryAudioTrack)
{
    ASSERT_FALSE(mkv.isEmpty());
    ASSERT_FALSE(mp4.isEmpty());
    const TMediaInfo matroska = Probe(mkv);
    EXPECT_EQ(matroska.Format, "Matroska");
    ASSERT_EQ(matroska.AudioStreamCount(), 2);
    EXPECT_EQ(matroska.AudioStreams[0].Language, "English");
    EXPECT_EQ(matroska.AudioStreams[1].Language, "French");
    EXPECT_EQ(matroska.AudioStreams[1].Channels, 2);
    EXPECT_EQ(matroska.AudioStreams[0].Codec, "AAC");

    const TMediaInfo mpeg4 = Probe(mp4);
    ASSERT_EQ(mpeg4.AudioStreamCount(), 2);
    EXPECT_LT(mpeg4.AudioStreams[0].ID, mpeg4.AudioStreams[1].ID);
    EXPECT_GT(mpeg4.AudioStreams[0].BitRate, 0);
}

TEST_F(MediaProbeLibrary, AviAudioTracksAreListed)
{
    ASSERT_FALSE(avi.isEmpty());
    const TMediaInfo info = Probe(avi);
    EXPECT_EQ(info.Format, "AVI");
    ASSERT_EQ(info.AudioStreamCount(), 2);
    EXPECT_EQ(info.AudioStreams[0].SamplingRate + info.AudioStreams[1].SamplingRate, 48000 + 44100);
}

TEST_F(MediaProbeLibrary, NamesWithBlanksQuotesShellCharactersAndNonAsciiLetters)
{
    ASSERT_FALSE(ts.isEmpty());
    for (const QString &name : {QStringLiteral("it's \"quoted\" $HOME; `x` & y.ts"), QStringLiteral("Größe Ünïcödé 映画.ts")}) {
        const QString copy = folder->path() + QLatin1Char('/') + name;
        ASSERT_TRUE(QFile::copy(ts, copy)) << name.toStdString();
        const TMediaInfo info = Probe(copy);
        EXPECT_EQ(info.Format, "MPEG-TS") << name.toStdString();
        EXPECT_EQ(info.AudioStreamCount(), 2) << name.toStdString();
    }
}

TEST_F(MediaProbeLibrary, MissingEmptyAndGarbageFilesGiveEmptyAnswers)
{
    const QString empty = folder->path() + "/empty.mkv";
    QFile(empty).open(QIODevice::WriteOnly);
    const QString garbage = folder->path() + "/garbage.avi";
    QFile garbageFile(garbage);
    ASSERT_TRUE(garbageFile.open(QIODevice::WriteOnly));
    garbageFile.write(QByteArray(4096, '\x5a'));
    garbageFile.close();
    for (const QString &path : {folder->path() + "/missing.ts", empty, garbage, QString()}) {
        const TMediaInfo info = Probe(path);
        EXPECT_TRUE(info.Format.isEmpty()) << path.toStdString();
        EXPECT_EQ(info.Video.Width, 0);
        EXPECT_EQ(info.Video.FrameRate, 0.0f);
        EXPECT_EQ(info.AudioStreamCount(), 0);
    }
}

TEST_F(MediaProbeLibrary, WithoutTheLibraryEveryTextIsTheFallbackAndLoadingIsRetried)
{
    ASSERT_FALSE(mkv.isEmpty());
    SetMediaInfoLibraryNameForTesting(QStringLiteral("NoSuchMediaInfo.dll"));
    const TMediaInfo missing = Probe(mkv);
    EXPECT_EQ(missing.Format, kMediaInfoUnavailableText);
    EXPECT_EQ(missing.Video.Codec, kMediaInfoUnavailableText);
    EXPECT_EQ(missing.Video.AspectRatio, kMediaInfoUnavailableText);
    EXPECT_EQ(missing.Video.DurationString, kMediaInfoUnavailableText);
    EXPECT_EQ(missing.Video.Width, 0);
    EXPECT_EQ(missing.Video.Height, 0);
    EXPECT_EQ(missing.Video.ID, 0);
    EXPECT_EQ(missing.Video.FrameRate, 0.0f);
    EXPECT_EQ(missing.AudioStreamCount(), 0);

    // A library without the five functions counts as missing too.
    SetMediaInfoLibraryNameForTesting(QStringLiteral("libz.so.1"));
    EXPECT_EQ(Probe(mkv).Format, kMediaInfoUnavailableText);

    SetMediaInfoLibraryNameForTesting(QStringLiteral("MediaInfo.dll"));
    EXPECT_EQ(Probe(mkv).Format, "Matroska");
}
