// The user profile store over a small PfSetting.ini written per test.

#include "IniFile.h"
#include "ProfileStore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <deque>

using namespace targets;

namespace {

const QString Section = QStringLiteral("AVI-Profile");

// A PfSetting.ini in a temporary folder and the questions the store asks about it.
class ProfileStoreTest : public ::testing::Test {
protected:
    QString Path() const { return folder_.filePath(QStringLiteral("PfSetting.ini")); }
    ProfileStore Store() const { return ProfileStore(Path()); }

    void Write(const char *text) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QByteArray Contents() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Answers the next Yes/No questions in order; a question without an answer fails the test.
    ProfileQuestions Questions(std::initializer_list<bool> answers = {})
    {
        answers_.assign(answers);
        return ProfileQuestions{
            [this](const QString &text) { informed.append(text); },
            [this](const QString &text) {
                asked.append(text);
                if (answers_.empty()) {
                    ADD_FAILURE() << "unexpected question: " << text.toStdString();
                    return false;
                }
                const bool yes = answers_.front();
                answers_.pop_front();
                return yes;
            }};
    }

    QStringList informed;
    QStringList asked;

private:
    QTemporaryDir folder_;
    std::deque<bool> answers_;
};

const char *const SectionWithFreeSlot1 =
    "[AVI-Profile]\n"
    "ProfileCount=3\n"
    "ProfileText0=Standard\n"
    "ProfileText1=nodef\n"
    "ProfileText2=Small\n"
    "ProfileDefault=1\n"
    "Standard=0,1,3,0,1200,0,0,0,0,0,0\n"
    "Small=0,1,0,2,600,1,0,0,0,0,0\n";

TEST(ProfileValuesTest, FieldsAreTrimmedLeadingIntegersAndMissingOnesAreZero)
{
    const struct {
        const char *valueList;
        std::array<int, ProfileValues::FieldCount> fields;
    } cases[] = {
        {"0,1,3,0,1200,0,0,0,1,0,0", {0, 1, 3, 0, 1200, 0, 0, 0, 1, 0, 0}},
        {"0,1,3,0,1200,0,0,0,0,1", {0, 1, 3, 0, 1200, 0, 0, 0, 0, 1, 0}},    // the tenth and last field has no comma
        {"0,0,0,0,0,2,1,0,0,0,", {0, 0, 0, 0, 0, 2, 1, 0, 0, 0, 0}},         // a comma after the last field
        {" 7 , x,-3abc,,+4, 12kbps", {7, 0, -3, 0, 4, 12, 0, 0, 0, 0, 0}},   // spaces, junk, signs, an empty field
        {"", {}},
        {"1,2,3,4,5,6,7,8,9,10,11,12", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},   // a twelfth field is ignored
    };
    for (const auto &testCase : cases) {
        const ProfileValues values = ProfileValues::Parse(QString::fromLatin1(testCase.valueList));
        for (int number = 1; number <= ProfileValues::FieldCount; ++number)
            EXPECT_EQ(values.Field(number), testCase.fields[number - 1]) << testCase.valueList << " field " << number;
    }
    const ProfileValues values = ProfileValues::Parse(QStringLiteral("1,2,3,4,5,6,7,8,9,10,11"));
    EXPECT_EQ(values.Field(0), 0);
    EXPECT_EQ(values.Field(12), 0);
    EXPECT_EQ(values.AudioCodecIndex(), 11);
    EXPECT_TRUE(values.IsProtected());
}

TEST(ProfileValuesTest, ListsWrittenByTheOptionsDialog)
{
    EXPECT_EQ(VideoProfileValueList({1, 2, 3, 900, 4, 5, 6, 7}), "1,0,2,3,900,4,5,6,0,7");
    EXPECT_EQ(MusicProfileValueList(3, 1), "0,0,0,0,0,3,1,0,0,0");
    const ProfileValues music = ProfileValues::Parse(MusicProfileValueList(3, 1));
    EXPECT_EQ(music.AudioBitrateIndex(), 3);
    EXPECT_EQ(music.AudioSampleRateIndex(), 1);
    EXPECT_FALSE(music.IsProtected());
}

TEST_F(ProfileStoreTest, AFreeSlotIsSkippedInTheListAndEachEntryKeepsItsSlot)
{
    Write(SectionWithFreeSlot1);
    const QVector<ProfileEntry> entries = Store().MainWindowEntries(Section);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], (ProfileEntry{Section, 0, "Standard", "0,1,3,0,1200,0,0,0,0,0,0"}));
    EXPECT_EQ(entries[1], (ProfileEntry{Section, 2, "Small", "0,1,0,2,600,1,0,0,0,0,0"}));
    // Entry 1 applies slot 2.
    const std::optional<ProfileEntry> chosen = Store().MainWindowEntry(Section, entries[1].slot);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->Values().VideoBitRate(), 600);
    EXPECT_FALSE(Store().MainWindowEntry(Section, 1));
    EXPECT_FALSE(Store().MainWindowEntry(Section, 3));
    EXPECT_EQ(Store().DefaultIndex(Section), 1);
    EXPECT_EQ(Store().SlotName(Section, 2), "Small");
    EXPECT_EQ(Store().SlotName(Section, 1), "nodef");
}

TEST_F(ProfileStoreTest, SlotValueListComesFirstAndProfilesWithoutAnyListAreNotListed)
{
    Write("[AVI-Profile]\nProfileCount=4\nProfileText0=A\nProfileText1=B\nProfileValue1=5,0,0,0,300\n"
          "ProfileText2=C\nC=nodef\nProfileText3=D\nA=1,0,0,0,100\nB=2,0,0,0,200\n");
    const QVector<ProfileEntry> entries = Store().MainWindowEntries(Section);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].valueList, "1,0,0,0,100");
    EXPECT_EQ(entries[1].valueList, "5,0,0,0,300");
    // The options dialog lists every used slot, with the list kept under the name only.
    const QVector<ProfileEntry> dialog = Store().DialogEntries(Section);
    ASSERT_EQ(dialog.size(), 4);
    EXPECT_EQ(dialog[1].valueList, "2,0,0,0,200");
    EXPECT_FALSE(dialog[2].HasValues());
    EXPECT_FALSE(dialog[3].HasValues());
}

TEST_F(ProfileStoreTest, ANewProfileReusesTheFreeSlotWithoutGrowingTheCount)
{
    Write(SectionWithFreeSlot1);
    EXPECT_TRUE(Store().SaveProfile(Section, "  Tiny ", "0,0,0,0,300,0,0,0,0,0", Questions()));
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(Contents(),
              "[AVI-Profile]\n"
              "ProfileCount=3\n"
              "ProfileText0=Standard\n"
              "ProfileText1=Tiny\n"
              "ProfileText2=Small\n"
              "ProfileDefault=1\n"
              "Standard=0,1,3,0,1200,0,0,0,0,0,0\n"
              "Small=0,1,0,2,600,1,0,0,0,0,0\n"
              "Tiny=0,0,0,0,300,0,0,0,0,0\n");
    // With no free slot left, the next one grows the count.
    EXPECT_TRUE(Store().SaveProfile(Section, "Huge", "0,0,0,0,3000", Questions()));
    EXPECT_EQ(Store().SlotName(Section, 3), "Huge");
    EXPECT_EQ(Store().MainWindowEntries(Section).size(), 4);
}

TEST_F(ProfileStoreTest, OverwritingAsksAndOnYesReplacesOnlyTheValueList)
{
    Write(SectionWithFreeSlot1);
    const QByteArray before = Contents();
    EXPECT_FALSE(Store().SaveProfile(Section, "small", "9,9,9", Questions({false})));
    EXPECT_EQ(asked, QStringList{"Profile Name : \"small\" already exists.\nDo you want to overwrite it?"});
    EXPECT_EQ(Contents(), before);

    EXPECT_TRUE(Store().SaveProfile(Section, "small", "0,0,1,1,700,0,0,0,0,0", Questions({true})));
    const QVector<ProfileEntry> entries = Store().MainWindowEntries(Section);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1], (ProfileEntry{Section, 2, "Small", "0,0,1,1,700,0,0,0,0,0"}));
    EXPECT_EQ(platform::IniDocument::Load(Path()).IntValue(Section, "ProfileCount", 0), 3);
    EXPECT_TRUE(informed.isEmpty());
}

TEST_F(ProfileStoreTest, OverwritingDropsAStaleSlotListThatWouldHideTheNewOne)
{
    Write("[AVI-Profile]\nProfileCount=1\nProfileText0=A\nProfileValue0=1,0,0,0,100\nA=1,0,0,0,100\n");
    EXPECT_TRUE(Store().SaveProfile(Section, "A", "0,0,0,0,900", Questions({true})));
    EXPECT_EQ(Store().MainWindowEntries(Section).at(0).Values().VideoBitRate(), 900);
}

TEST_F(ProfileStoreTest, ProtectedProfilesAreNeitherOverwrittenNorRemoved)
{
    Write("[AVI-Profile]\nProfileCount=2\nProfileText0=Standard\nStandard=0,1,3,0,1200,0,0,0,1,0,0\n"
          "ProfileText1=Locked\nProfileValue1=0,0,0,0,100,0,0,0,1\nLocked=0,0,0,0,100\n");
    const QByteArray before = Contents();
    EXPECT_FALSE(Store().SaveProfile(Section, "Standard", "0,0,0,0,1", Questions()));
    EXPECT_FALSE(Store().RemoveProfile(Section, "Standard", 0, Questions()));
    EXPECT_FALSE(Store().RemoveProfile(Section, "Locked", 1, Questions()));
    EXPECT_EQ(informed, (QStringList{"Profile Name : \"Standard\".\nYou Can not modify this setting!",
                                     "Profile Name : \"Standard\".\nYou Can not remove this setting!",
                                     "Profile Name : \"Locked\".\nYou Can not remove this setting!"}));
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(Contents(), before);
    // Still usable.
    EXPECT_EQ(Store().MainWindowEntries(Section).size(), 2);
}

TEST_F(ProfileStoreTest, RemovingAsksThenFreesTheSlotAndMarksTheListWithoutLoweringTheCount)
{
    Write(SectionWithFreeSlot1);
    const QByteArray before = Contents();
    EXPECT_FALSE(Store().RemoveProfile(Section, "Small", 2, Questions({false})));
    EXPECT_EQ(Contents(), before);
    EXPECT_TRUE(Store().RemoveProfile(Section, " Small ", 2, Questions({true})));
    EXPECT_EQ(asked, (QStringList(2, "Profile Name : \"Small\".\nDo you want to remove it?")));
    const platform::IniDocument document = platform::IniDocument::Load(Path());
    EXPECT_EQ(document.Value(Section, "ProfileText2", ""), "nodef");
    EXPECT_EQ(document.Value(Section, "Small", ""), "nodef");
    EXPECT_EQ(document.IntValue(Section, "ProfileCount", 0), 3);
    EXPECT_EQ(Store().MainWindowEntries(Section).size(), 1);
}

TEST_F(ProfileStoreTest, RemovalFollowsTheNameAndAsksAlsoForAProfileWithoutList)
{
    Write("[AVI-Profile]\nProfileCount=3\nProfileText0=A\nA=1\nProfileText1=NameOnly\nProfileText2=B\nB=2\n");
    // A name-only profile: the same question, then its slot is freed.
    EXPECT_TRUE(Store().RemoveProfile(Section, "NameOnly", 1, Questions({true})));
    EXPECT_EQ(asked.last(), "Profile Name : \"NameOnly\".\nDo you want to remove it?");
    EXPECT_EQ(Store().SlotName(Section, 1), "nodef");
    EXPECT_FALSE(platform::IniDocument::Load(Path()).Contains(Section, "NameOnly"));
    // A typed name that is not the selected entry's removes the profile of that name.
    EXPECT_TRUE(Store().RemoveProfile(Section, "B", 0, Questions({true})));
    EXPECT_EQ(Store().SlotName(Section, 0), "A");
    EXPECT_EQ(Store().SlotName(Section, 2), "nodef");
    // A name no profile has changes nothing.
    const QByteArray before = Contents();
    EXPECT_FALSE(Store().RemoveProfile(Section, "Nobody", 0, Questions()));
    EXPECT_EQ(informed, QStringList{"Profile Name : \"Nobody\".\nThere is no profile of this name."});
    EXPECT_EQ(Contents(), before);
}

TEST_F(ProfileStoreTest, SavingANameListedWithoutAListKeepsItsSlot)
{
    Write("[AVI-Profile]\nProfileCount=2\nProfileText0=nodef\nProfileText1=Draft\n");
    EXPECT_TRUE(Store().SaveProfile(Section, "draft", "0,0,0,0,500", Questions()));
    EXPECT_EQ(Store().DialogEntries(Section), (QVector<ProfileEntry>{{Section, 1, "Draft", "0,0,0,0,500"}}));
}

TEST_F(ProfileStoreTest, NamesTheFileCannotHoldAsKeysAreRefused)
{
    Write(SectionWithFreeSlot1);
    const QByteArray before = Contents();
    const char *names[] = {"", "   ", "a=b", "[x]", "x]", "two\nlines", "cr\rname", ";comment",
                           "ProfileCount", "profilecount", "ProfileDefault", "ProfileText1", "PROFILETEXT12",
                           "ProfileValue0", "nodef", "NoDef"};
    for (const char *name : names) {
        informed.clear();
        EXPECT_FALSE(Store().SaveProfile(Section, name, "0,0,0,0,1", Questions())) << name;
        EXPECT_FALSE(Store().RemoveProfile(Section, name, 0, Questions())) << name;
        ASSERT_EQ(informed.size(), 2) << name;
        const QString trimmed = QString(name).trimmed();
        if (trimmed.isEmpty())
            EXPECT_EQ(informed.first(), "Please enter a profile name.");
        else
            EXPECT_TRUE(informed.first().startsWith("Profile Name : \"" + trimmed + "\".\n")) << informed.first().toStdString();
    }
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(Contents(), before);
    // Names that merely look alike are fine.
    for (const char *name : {"ProfileTextA", "My ProfileCount", "Profile:1", "a;b"})
        EXPECT_TRUE(Store().SaveProfile(Section, name, "0,0,0,0,1", Questions())) << name;
}

TEST_F(ProfileStoreTest, AMissingFileReadsEmptyAndTheFirstSaveCreatesIt)
{
    EXPECT_TRUE(Store().MainWindowEntries(Section).isEmpty());
    EXPECT_TRUE(Store().DialogEntries(Section).isEmpty());
    EXPECT_EQ(Store().DefaultIndex(Section), -1);
    EXPECT_TRUE(Store().SaveProfile(Section, "First", "0,0,0,0,800", Questions()));
    EXPECT_EQ(Contents(), "[AVI-Profile]\nProfileCount=1\nProfileText0=First\nFirst=0,0,0,0,800\n");
}

TEST_F(ProfileStoreTest, AWriteThatFailsIsToldAndIsNoChange)
{
    ProfileStore unwritable(Path() + "/missing-folder/PfSetting.ini");
    EXPECT_FALSE(unwritable.SaveProfile(Section, "First", "0", Questions()));
    ASSERT_EQ(informed.size(), 1);
    EXPECT_TRUE(informed.first().startsWith("Profile Name : \"First\".\nThe profile file"));
}

TEST_F(ProfileStoreTest, AHugeSlotCountIsReadAsALimitedList)
{
    Write("[AVI-Profile]\nProfileCount=2000000000\nProfileText0=A\nA=1\n");
    EXPECT_EQ(Store().MainWindowEntries(Section).size(), 1);
    EXPECT_TRUE(Store().SaveProfile(Section, "B", "2", Questions()));
    EXPECT_EQ(Store().SlotName(Section, 1), "B");
}

} // namespace
