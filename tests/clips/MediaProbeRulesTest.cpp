// The media probe's parsing, mapping and ordering rules, on scripted answers.

#include "LeadingNumbers.h"
#include "MediaInfoInterfa.h"

#include <QMap>
#include <QStringList>
#include "QtPrinters.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// Answers from a script keyed "kind/number/parameter"; unscripted queries answer "".
class ScriptedHandle : public MediaInfoHandle {
public:
    QMap<QString, QString> answers;
    QStringList asked;

    QString Get(MediaStreamKind kind, int number, const char *parameter) override
    {
        const QString key = QStringLiteral("%1/%2/%3").arg(static_cast<int>(kind)).arg(number).arg(QLatin1String(parameter));
        asked << key;
        return answers.value(key);
    }
    void Audio(int number, const char *parameter, const QString &answer)
    {
        answers[QStringLiteral("2/%1/%2").arg(number).arg(QLatin1String(parameter))] = answer;
    }
};

TAudioStream StreamWithId(int32_t id, const char *language)
{
    TAudioStream stream;
    stream.ID = id;
    stream.Language = QString::fromLatin1(language);
    return stream;
}

QList<int32_t> IdsOf(const TMediaInfo &info)
{
    QList<int32_t> ids;
    for (const auto &stream : info.AudioStreams)
        ids << stream.ID;
    return ids;
}

} // namespace

TEST(LeadingNumbers, ReadTheLeadingNumberAndIgnoreTheRest)
{
    const struct { const char *text; int32_t integer; double real; } cases[] = {
        {"", 0, 0.0},
        {"189 (0xBD)-1", 189, 189.0},
        {"  42abc", 42, 42.0},
        {"-7", -7, -7.0},
        {"+3", 3, 3.0},
        {"1.9", 1, 1.9},
        {"23.976", 23, 23.976},
        {"2.5e1 fps", 2, 25.0},
        {"abc", 0, 0.0},
        {"0x10", 0, 0.0},
        {"inf", 0, 0.0},
        {"nan", 0, 0.0},
        {"99999999999999999999", std::numeric_limits<int32_t>::max(), 1e20},
        {"-99999999999", std::numeric_limits<int32_t>::min(), -99999999999.0},
        {"Unable to load MediaInfo.dll", 0, 0.0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(LeadingInteger(QString::fromLatin1(c.text)), c.integer) << c.text;
        EXPECT_DOUBLE_EQ(LeadingReal(QString::fromLatin1(c.text)), c.real) << c.text;
    }
    EXPECT_EQ(TruncatedInteger(1e30), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(TruncatedInteger(-1.9), -1);
    EXPECT_EQ(SinglePrecision(1e300), std::numeric_limits<float>::max());
}

TEST(MediaInfoOrder, StreamsComeOutByUnsignedIdLaterEqualOnesFirst)
{
    TMediaInfo byPid;
    byPid.AddAudioStream(StreamWithId(4353, "a"));
    byPid.AddAudioStream(StreamWithId(4352, "b"));
    EXPECT_EQ(IdsOf(byPid), (QList<int32_t>{4352, 4353}));

    TMediaInfo withoutIds;
    withoutIds.AddAudioStream(StreamWithId(-1, "first read"));
    withoutIds.AddAudioStream(StreamWithId(-1, "second read"));
    EXPECT_EQ(withoutIds.AudioStreams[0].Language, "second read");
    EXPECT_EQ(withoutIds.AudioStreams[1].Language, "first read");

    for (bool identifiedFirst : {true, false}) {
        TMediaInfo mixed;
        mixed.AddAudioStream(StreamWithId(identifiedFirst ? 5 : -1, ""));
        mixed.AddAudioStream(StreamWithId(identifiedFirst ? -1 : 5, ""));
        EXPECT_EQ(IdsOf(mixed), (QList<int32_t>{5, -1}));
    }
}

TEST(MediaInfoOrder, AudioStreamAtOutsideTheListGivesNothing)
{
    TMediaInfo info;
    info.AddAudioStream(StreamWithId(1, ""));
    info.AddAudioStream(StreamWithId(2, ""));
    EXPECT_TRUE(info.AudioStreamAt(1).has_value());
    EXPECT_FALSE(info.AudioStreamAt(2).has_value());
    EXPECT_FALSE(info.AudioStreamAt(std::numeric_limits<uint32_t>::max()).has_value());
    EXPECT_EQ(info.AudioStreamCount(), 2);
}

TEST(MediaProbeRules, AudioIdsAndFormatsAreMappedAsStated)
{
    const struct { const char *id; int32_t expectedId; const char *format; const char *expectedFormat; } cases[] = {
        {"", -1, "MPA1L3", "MP3"},
        {"0", -1, "MPA1L2", "MP2"},
        {"189 (0xBD)-128", 189, "mpa1l3", "mpa1l3"},
        {"abc", -1, "AC-3", "AC-3"},
        {"4352", 4352, "MPA1L3 ", "MPA1L3 "},
    };
    for (const auto &c : cases) {
        ScriptedHandle handle;
        handle.Audio(0, "ID", QString::fromLatin1(c.id));
        handle.Audio(0, "Format", QString::fromLatin1(c.format));
        const TAudioStream stream = TMediaInfoInterfa::GetAudioStream(handle, 0);
        EXPECT_EQ(stream.ID, c.expectedId) << c.id;
        EXPECT_EQ(stream.Codec, QString::fromLatin1(c.expectedFormat)) << c.format;
    }
}

TEST(MediaProbeRules, VideoStreamIsParsedWithoutReplacements)
{
    const struct { const char *id; int32_t expectedId; const char *rate; float expectedRate; } cases[] = {
        {"224 (0xE0)", 224, "23.976", 23.976f},
        {"1.9", 1, "", 0.0f},
        {"", 0, "29.970", 29.97f},
        {"-3.7", -3, "1e999", 0.0f},
    };
    for (const auto &c : cases) {
        ScriptedHandle handle;
        handle.answers["1/0/ID"] = QString::fromLatin1(c.id);
        handle.answers["1/0/FrameRate"] = QString::fromLatin1(c.rate);
        const TVideoStream video = TMediaInfoInterfa::GetVideoStream(handle);
        EXPECT_EQ(video.ID, c.expectedId) << c.id;
        EXPECT_EQ(video.FrameRate, c.expectedRate) << c.rate;
    }
}

TEST(MediaProbeRules, FullReadFillsEveryFieldFromItsQuery)
{
    ScriptedHandle handle;
    handle.answers = {
        {"0/0/Format", "Matroska"},       {"1/0/ID", "1"},           {"1/0/Width", "1920 pixels"},
        {"1/0/Height", "1080"},           {"1/0/Duration", "5000"},  {"1/0/FrameRate", "25.000"},
        {"1/0/Codec/String", "AVC"},      {"1/0/DisplayAspectRatio/String", "16:9"},
        {"1/0/Duration/String", "5 s"},   {"2/0/StreamCount", "2"},
    };
    handle.Audio(0, "ID", "3");
    handle.Audio(0, "Language/String", "French");
    handle.Audio(1, "ID", "2");
    handle.Audio(1, "Language/String", "English");
    handle.Audio(1, "SamplingRate", "48000");
    handle.Audio(1, "BitRate", "448000");
    handle.Audio(1, "Channel(s)", "6");
    handle.Audio(1, "Format", "AC-3");
    handle.Audio(1, "Duration", "4990");
    handle.Audio(1, "Duration/String", "4 s 990 ms");
    TMediaInfo info;
    TMediaInfoInterfa::ReadMediaInfo(handle, info);

    EXPECT_EQ(info.Format, "Matroska");
    EXPECT_EQ(info.Video.Width, 1920);
    EXPECT_EQ(info.Video.Height, 1080);
    EXPECT_EQ(info.Video.Duration, 5000);
    EXPECT_EQ(info.Video.Codec, "AVC");
    EXPECT_EQ(info.Video.AspectRatio, "16:9");
    EXPECT_EQ(info.Video.DurationString, "5 s");
    ASSERT_EQ(info.AudioStreamCount(), 2);
    const TAudioStream &english = info.AudioStreams[0];
    EXPECT_EQ(english.Language, "English");
    EXPECT_EQ(english.SamplingRate, 48000);
    EXPECT_EQ(english.BitRate, 448000);
    EXPECT_EQ(english.Channels, 6);
    EXPECT_EQ(english.Codec, "AC-3");
    EXPECT_EQ(english.Duration, 4990);
    EXPECT_EQ(english.DurationString, "4 s 990 ms");
    EXPECT_EQ(info.AudioStreams[1].Language, "French");
}

TEST(MediaProbeRules, NoAudioCountMeansNoPerStreamQuery)
{
    for (const char *count : {"", "0", "-2"}) {
        ScriptedHandle handle;
        handle.answers["2/0/StreamCount"] = QString::fromLatin1(count);
        TMediaInfo info;
        TMediaInfoInterfa::ReadMediaInfo(handle, info);
        EXPECT_EQ(info.AudioStreamCount(), 0) << count;
        for (const QString &key : handle.asked)
            EXPECT_TRUE(!key.startsWith("2/") || key == "2/0/StreamCount") << key.toStdString();
    }
}
