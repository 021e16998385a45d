// The kept clip list: its file's round trip, files it cannot use, the choices put
// back on probed clips, and the saver's coalescing.

#include "ClipListSaver.h"
#include "ClipListStore.h"
#include "ClipListStorePrinters.h"
#include "QtPrinters.h"
#include "VideoInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ClipListStoreTest : public ::testing::Test {
protected:
    QString Folder() const { return settings.path() + QLatin1Char('/'); }
    QStringList FilesInFolder() const { return QDir(settings.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    void WriteStoreFile(const QByteArray &content) const
    {
        QFile file(store.FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static QByteArray ReadFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir settings;
    ClipListStore store{Folder()};
};

StoredClipList SampleList()
{
    StoredClipList list;
    list.clips = {
        {"/videos/Holiday 2024/Strand – Tag 1.mkv", true, 12, 95, 1, 0, 29.97f},
        {"/videos/b.avi", false, 0, 30, -1, 2, 25.0f},
        {"/videos/b.avi", true, 5, 6, 0, 0, 0.0f},   // the same file twice, with other choices
    };
    list.currentIndex = 1;
    return list;
}

TEST_F(ClipListStoreTest, AWrittenListReadsBackAsItWas)
{
    EXPECT_EQ(store.FilePath(), Folder() + "ClipList.json");
    ASSERT_TRUE(store.Write(SampleList()));
    const ClipListStore::Reading reading = store.Read();
    EXPECT_EQ(reading.list, SampleList());
    EXPECT_TRUE(reading.problem.isEmpty()) << reading.problem.toStdString();
    EXPECT_EQ(FilesInFolder(), QStringList{"ClipList.json"}) << "no temporary file is left behind";

    ASSERT_TRUE(store.Write(StoredClipList{}));
    EXPECT_EQ(store.Read().list, StoredClipList{}) << "an emptied list replaces the old one";
}

TEST_F(ClipListStoreTest, NoFileIsAnEmptyListAndNothingIsMade)
{
    const ClipListStore::Reading reading = store.Read();
    EXPECT_EQ(reading.list, StoredClipList{});
    EXPECT_TRUE(reading.problem.isEmpty());
    EXPECT_TRUE(FilesInFolder().isEmpty());
}

// Whatever the file holds, the program starts with an empty list and the file is kept.
TEST_F(ClipListStoreTest, AFileThatCannotBeUsedIsMovedAsideWithTheReason)
{
    const struct {
        const char *name;
        QByteArray content;
        const char *reason;
    } cases[] = {
        {"empty", "", "not readable JSON"},
        {"cut off by a crash of the file system", R"({"format": "Pelorin clip list", "version": 1, "clips": [{"fi)",
         "not readable JSON"},
        {"binary", QByteArray("\x00\xff\x13\x37", 4), "not readable JSON"},
        {"other JSON", R"([1, 2, 3])", "not a clip list"},
        {"a newer version", R"({"format": "Pelorin clip list", "version": 2, "clips": []})", "clip list version 2"},
        {"no clips", R"({"format": "Pelorin clip list", "version": 1})", "no list of clips"},
        {"a clip without its file", R"({"format": "Pelorin clip list", "version": 1, "clips": [{"start": 3}]})",
         "clip 1 cannot be read"},
        {"a member of the wrong kind",
         R"({"format": "Pelorin clip list", "version": 1, "clips": [{"file": "/a"}, {"file": "/b", "end": "95"}]})",
         "clip 2 cannot be read"},
    };
    QStringList keptFiles;
    for (const auto &c : cases) {
        WriteStoreFile(c.content);
        const ClipListStore::Reading reading = store.Read();
        EXPECT_EQ(reading.list, StoredClipList{}) << c.name;
        EXPECT_TRUE(reading.problem.startsWith(QLatin1String(c.reason))) << c.name << ": " << reading.problem.toStdString();
        EXPECT_FALSE(QFile::exists(store.FilePath())) << c.name;
        EXPECT_EQ(ReadFile(reading.keptAs), c.content) << c.name << " is not kept as it was";
        EXPECT_FALSE(keptFiles.contains(reading.keptAs)) << c.name << " replaced an earlier kept file";
        keptFiles << reading.keptAs;
    }
    ASSERT_TRUE(store.Write(SampleList()));
    EXPECT_EQ(store.Read().list, SampleList()) << "the next save starts a new file";
}

TEST_F(ClipListStoreTest, MembersLeftOutTakeTheirDefaultsAndAStrayCurrentClipIsNone)
{
    WriteStoreFile(R"({"format": "Pelorin clip list", "version": 1, "current": 4, "clips": [{"file": "/a.mp4"}]})");
    const ClipListStore::Reading reading = store.Read();
    ASSERT_TRUE(reading.problem.isEmpty()) << reading.problem.toStdString();
    ASSERT_EQ(reading.list.clips.size(), 1u);
    EXPECT_EQ(reading.list.clips[0], (StoredClip{"/a.mp4", true, 0, 0, -1, 0, 0.0f}));
    EXPECT_EQ(reading.list.currentIndex, -1);
}

// Clips as the probe makes them: whole length, ticked, the first of two audio rows.
std::unique_ptr<TVideoInfo> ProbedClip(const QString &file, int duration)
{
    auto clip = std::make_unique<TVideoInfo>();
    clip->FileName = file;
    clip->SetDuration(duration);
    clip->SetEndTime(duration);
    clip->SetChecked(true);
    for (int id : {0x80, 0x81}) {
        TAudioStream stream;
        stream.ID = id;
        clip->AddAudioRow(stream);
    }
    clip->ChooseAudioRow(0);
    return clip;
}

TEST(StoredChoices, AreTakenFromTheClipsAndPutBackOnNewlyProbedOnes)
{
    std::vector<std::unique_ptr<TVideoInfo>> before;
    before.push_back(ProbedClip("/v/a.mp4", 120));
    before.push_back(ProbedClip("/v/b.mp4", 60));
    before[0]->SetStartTime(10);
    before[0]->SetEndTime(50);
    before[0]->ChooseAudioRow(1);
    before[0]->SubtitleIndex = 2;
    before[1]->SetChecked(false);
    before[1]->FrameRate = 29.97f;

    const StoredClipList stored = StoredListOf(before, before[1].get());
    EXPECT_EQ(stored.clips[0], (StoredClip{"/v/a.mp4", true, 10, 50, 1, 2}));
    EXPECT_EQ(stored.clips[1], (StoredClip{"/v/b.mp4", false, 0, 60, 0, 0, 29.97f}));
    EXPECT_EQ(stored.currentIndex, 1);
    EXPECT_EQ(StoredListOf(before, nullptr).currentIndex, -1);

    std::vector<std::unique_ptr<TVideoInfo>> after;
    for (size_t index = 0; index < before.size(); ++index) {
        after.push_back(ProbedClip(before[index]->FileName, before[index]->Duration));
        after.back()->FrameRate = before[index]->FrameRate;   // settled by the probe (see below)
        ApplyStoredChoices(stored.clips[index], *after.back());
    }
    EXPECT_EQ(StoredListOf(after, after[1].get()), stored);
    EXPECT_EQ(after[0]->AudioStreamID, 0x81);
}

// The file changed since: the probe's whole range and default audio row stay.
TEST(StoredChoices, ARangeOrAudioRowTheFileNoLongerHasIsLeftAlone)
{
    const StoredClip cases[] = {
        {"/v/a.mp4", true, 10, 95, 5, 0},    // ends after the file's 60 s, audio row 6 of 2
        {"/v/a.mp4", true, 50, 40, -1, 0},   // starts after its end
        {"/v/a.mp4", true, -5, 40, 0, 0},
    };
    for (const StoredClip &stored : cases) {
        auto clip = ProbedClip(stored.fileName, 60);
        ApplyStoredChoices(stored, *clip);
        EXPECT_EQ(clip->StartTime, 0);
        EXPECT_EQ(clip->EndTime, 60);
        EXPECT_EQ(clip->AudioStreamID, 0x80);
    }
}

// The probe of a restore meets the same disagreement as the first adding did.
TEST(StoredChoices, TheFrameRateQuestionIsAnsweredWithTheKeptRate)
{
    const std::vector<StoredClip> kept{{"/v/ntsc.mpg", true, 0, 60, 0, 0, 29.97f}, {"/v/unknown.mpg", true, 0, 60, 0, 0, 0.0f}};
    StoredFrameRateAnswers answers(kept);
    const struct {
        const char *file;
        float rateA, rateB;
        float chosen;
    } cases[] = {
        {"/v/ntsc.mpg", 25.0f, 29.97f, 29.97f},
        {"/v/ntsc.mpg", 29.97f, 25.0f, 29.97f},
        {"/v/unknown.mpg", 25.0f, 29.97f, 25.0f},   // no kept rate: calculated
        {"/v/other.mpg", 30.0f, 25.0f, 30.0f},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChooseFrameRate(c.file, c.rateA, c.rateB, answers), c.chosen) << c.file << ' ' << c.rateA;
}

class ClipListSaverTest : public ClipListStoreTest {
protected:
    StoredClipList current = SampleList();
    int reads = 0;
    ClipListSaver saver{store, [this] {
                            ++reads;
                            return current;
                        }};
};

TEST_F(ClipListSaverTest, ABurstOfChangesIsWrittenOnceAtTheNextTurnOfTheLoop)
{
    saver.ListChanged();
    current.clips[0].startSeconds = 13;
    saver.ListChanged();
    saver.ListChanged();
    EXPECT_FALSE(QFile::exists(store.FilePath())) << "written before the burst ended";
    QCoreApplication::processEvents();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(store.Read().list, current);

    // An equal list is not written again.
    QFile::remove(store.FilePath());
    saver.ListChanged();
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(store.FilePath()));
}

TEST_F(ClipListSaverTest, NothingIsWrittenWhileHeldAndReleasingWritesTheList)
{
    ASSERT_TRUE(store.Write(SampleList()));
    saver.Hold(true);
    current.clips.pop_back();
    saver.ListChanged();
    saver.SaveNow();
    QCoreApplication::processEvents();
    EXPECT_EQ(store.Read().list, SampleList()) << "a list being restored replaced the whole one";
    saver.Hold(false);
    EXPECT_EQ(store.Read().list, current);
}

} // namespace
