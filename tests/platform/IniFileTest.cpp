#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString Write(const QByteArray &content)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    QByteArray Contents() const
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("Option.ini"));
};

struct ReadCase {
    const char *name;
    const char *content;
    const char *section;
    const char *key;
    const char *expected;   // with the default "nodef"
};

TEST_F(IniFileTest, ReadsTextsWithPrivateProfileRules)
{
    const ReadCase cases[] = {
        {"names ignore case", "[Option]\nOutputFolder=/videos/\n", "OPTION", "outputfolder", "/videos/"},
        {"blanks around the value go", "[Option]\n  Template  =   #Name - x  \r\n", "Option", "Template", "#Name - x"},
        {"blanks inside the header go", "[ Option ]\nKey=1\n", "Option", "Key", "1"},
        {"missing key", "[Option]\nOther=1\n", "Option", "Key", "nodef"},
        {"missing section", "[Other]\nKey=1\n", "Option", "Key", "nodef"},
        {"key of another section", "[Other]\nKey=1\n[Option]\n", "Option", "Key", "nodef"},
        {"commented key", "[Option]\n;Key=1\n", "Option", "Key", "nodef"},
        {"empty value is present", "[Option]\nKey=\n", "Option", "Key", ""},
        {"first of two keys", "[Option]\nKey=first\nKey=second\n", "Option", "Key", "first"},
        {"equals sign inside the value", "[Option]\nFilter=a=b\n", "Option", "Filter", "a=b"},
        {"value of a repeated section", "[Option]\nA=1\n[Other]\n[option]\nB=2\n", "Option", "B", "2"},
        {"UTF-8 text", "[Option]\nOutputFolder=/home/jürgen/Vidéos/\n", "Option", "OutputFolder", "/home/jürgen/Vidéos/"},
    };
    for (const ReadCase &c : cases) {
        Write(c.content);
        EXPECT_EQ(ReadIniString(path, QString::fromUtf8(c.section), QString::fromUtf8(c.key), QStringLiteral("nodef")),
                  QString::fromUtf8(c.expected))
            << c.name;
    }
}

TEST_F(IniFileTest, MissingFileGivesEveryDefault)
{
    EXPECT_EQ(ReadIniString(path, QStringLiteral("Option"), QStringLiteral("Template"), QStringLiteral("#Name")), QStringLiteral("#Name"));
    EXPECT_EQ(ReadIniInt(path, QStringLiteral("Option"), QStringLiteral("FitDigi"), 3), 3);
    EXPECT_TRUE(ReadIniBool(path, QStringLiteral("Option"), QStringLiteral("OpenFolder"), true));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(IniFileTest, ReadsIntegersFromLeadingDigits)
{
    const std::pair<const char *, int> cases[] = {
        {"42", 42}, {"  -1 ", -1}, {"+7", 7}, {"12abc", 12}, {"3.9", 3}, {"abc", 99}, {"", 99},
        {"-", 99}, {"0x10", 0}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto &[text, expected] : cases) {
        Write(QByteArray("[Option]\nValue=") + text + "\n");
        EXPECT_EQ(ReadIniInt(path, QStringLiteral("option"), QStringLiteral("value"), 99), expected) << text;
    }
}

TEST_F(IniFileTest, ReadsBooleansAsAnyNumberButZero)
{
    const std::pair<const char *, bool> cases[] = {{"0", false}, {"1", true}, {"2", true}, {"-1", true}, {"00", false}};
    for (const auto &[text, expected] : cases) {
        Write(QByteArray("[Option]\nFlag=") + text + "\n");
        EXPECT_EQ(ReadIniBool(path, QStringLiteral("Option"), QStringLiteral("Flag"), !expected), expected) << text;
    }
    Write("[Option]\nFlag=yes\n");
    EXPECT_TRUE(ReadIniBool(path, QStringLiteral("Option"), QStringLiteral("Flag"), true));
    EXPECT_FALSE(ReadIniBool(path, QStringLiteral("Option"), QStringLiteral("Flag"), false));
}

TEST_F(IniFileTest, WriteCreatesFileSectionAndKey)
{
    ASSERT_TRUE(WriteIniInt(path, QStringLiteral("Option"), QStringLiteral("DefaultAudio"), 1));
    ASSERT_TRUE(WriteIniBool(path, QStringLiteral("Option"), QStringLiteral("Add1"), true));
    ASSERT_TRUE(WriteIniString(path, QStringLiteral("Video-Profile"), QStringLiteral("ProfileCount"), QStringLiteral("0")));
    EXPECT_EQ(Contents(), QByteArray("[Option]\nDefaultAudio=1\nAdd1=1\n\n[Video-Profile]\nProfileCount=0\n"));
}

TEST_F(IniFileTest, WriteKeepsEveryOtherLineAsItWas)
{
    Write("; settings of the program\n"
          "[Option]\n"
          "  DefaultAudio = 1   \n"
          "; the folder below is chosen by the user\n"
          "OutputFolder=/old/\n"
          "\n"
          "[Other]\n"
          "key = kept as is\n");
    ASSERT_TRUE(WriteIniString(path, QStringLiteral("OPTION"), QStringLiteral("outputfolder"), QStringLiteral("/new/")));
    ASSERT_TRUE(WriteIniString(path, QStringLiteral("Option"), QStringLiteral("Template"), QStringLiteral("#Name")));
    EXPECT_EQ(Contents(), QByteArray("; settings of the program\n"
                                     "[Option]\n"
                                     "  DefaultAudio = 1   \n"
                                     "; the folder below is chosen by the user\n"
                                     "OutputFolder=/new/\n"
                                     "Template=#Name\n"
                                     "\n"
                                     "[Other]\n"
                                     "key = kept as is\n"));
}

TEST_F(IniFileTest, WriteKeepsWindowsLineBreaks)
{
    Write("[Option]\r\nA=1\r\n");
    ASSERT_TRUE(WriteIniInt(path, QStringLiteral("Option"), QStringLiteral("B"), 2));
    EXPECT_EQ(Contents(), QByteArray("[Option]\r\nA=1\r\nB=2\r\n"));
}

TEST_F(IniFileTest, LineBreakInAValueCannotAddAnEntry)
{
    ASSERT_TRUE(WriteIniString(path, QStringLiteral("Option"), QStringLiteral("Template"), QStringLiteral("a\n[Evil]\nx=1")));
    const IniDocument document = IniDocument::Load(path);
    EXPECT_EQ(document.Sections(), QStringList{QStringLiteral("Option")});
    EXPECT_EQ(document.Keys(QStringLiteral("Option")), QStringList{QStringLiteral("Template")});
}

TEST_F(IniFileTest, SaveReplacesTheFileWithoutLeavingATemporaryFile)
{
    Write("[Option]\nA=1\n");
    ASSERT_TRUE(WriteIniInt(path, QStringLiteral("Option"), QStringLiteral("A"), 2));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Option.ini")});
}

TEST_F(IniFileTest, SaveIntoAMissingFolderFailsWithoutCreatingIt)
{
    const QString missing = folder.filePath(QStringLiteral("missing/Option.ini"));
    EXPECT_FALSE(WriteIniInt(missing, QStringLiteral("Option"), QStringLiteral("A"), 1));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("missing"))));
}

TEST_F(IniFileTest, SingleByteFileReadsAsLatin1)
{
    Write("[Option]\nOutputFolder=/home/j\xfcrgen/\n");
    EXPECT_EQ(ReadIniString(path, QStringLiteral("Option"), QStringLiteral("OutputFolder"), QString()),
              QStringLiteral("/home/jürgen/"));
}

TEST_F(IniFileTest, DocumentListsSectionsAndKeysInFileOrder)
{
    Write("[B]\nz=1\ny=2\n[A]\nx=3\n[b]\nZ=4\nw=5\n");
    IniDocument document = IniDocument::Load(path);
    EXPECT_EQ(document.Sections(), (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
    EXPECT_EQ(document.Keys(QStringLiteral("b")), (QStringList{QStringLiteral("z"), QStringLiteral("y"), QStringLiteral("w")}));
    document.RemoveKey(QStringLiteral("B"), QStringLiteral("Z"));
    EXPECT_FALSE(document.Contains(QStringLiteral("B"), QStringLiteral("z")));
    EXPECT_TRUE(document.Contains(QStringLiteral("A"), QStringLiteral("X")));
}

} // namespace
