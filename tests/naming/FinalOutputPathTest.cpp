// Final output paths: character cleaning, fallback names and never overwriting a file.

#include "FinalOutputPath.h"
#include "QStringPrinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace naming {
namespace {

struct CleaningCase {
    const char *outputName;
    const char *expected;
};

void PrintTo(const CleaningCase &c, std::ostream *out)
{
    *out << '"' << c.outputName << '"';
}

class NameCleaning : public ::testing::TestWithParam<CleaningCase> {};

TEST_P(NameCleaning, ReplacesForbiddenCharactersOrFallsBack)
{
    EXPECT_EQ(CleanOutputName(QString::fromUtf8(GetParam().outputName), QStringLiteral("004")),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Names, NameCleaning, ::testing::Values(
    CleaningCase{"What? Now: 1.avi", "What_ Now_ 1.avi"},
    CleaningCase{"a\\b/c*d:e?f\"g<h>i|j.mp4", "a_b_c_d_e_f_g_h_i_j.mp4"},
    CleaningCase{"../../etc/passwd", ".._.._etc_passwd"},
    CleaningCase{"/", "_"},
    CleaningCase{"Ünïcode — ok.mkv", "Ünïcode — ok.mkv"},
    CleaningCase{"..avi", "..avi"},
    CleaningCase{"", "004"},
    CleaningCase{".", "004"},
    CleaningCase{"..", "004"}));

TEST(NameCleaning, NulCharacterIsReplaced)
{
    const QString name = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    EXPECT_EQ(CleanOutputName(name, QStringLiteral("001")), QStringLiteral("a_b"));
}

class UniquePaths : public ::testing::Test {
protected:
    QString Folder() const { return dir.path() + QStringLiteral("/"); }
    void Occupy(const QString &name) const
    {
        QFile file(Folder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("existing");
    }
    QTemporaryDir dir;
};

TEST_F(UniquePaths, NumbersRepeatedConversionsOfOneName)
{
    const QString first = FinalOutputPathIn(Folder(), QStringLiteral("Clip?.avi"), QStringLiteral("001"));
    EXPECT_EQ(first, Folder() + QStringLiteral("Clip_.avi"));
    Occupy(QStringLiteral("Clip_.avi"));
    EXPECT_EQ(FinalOutputPathIn(Folder(), QStringLiteral("Clip?.avi"), QStringLiteral("001")),
              Folder() + QStringLiteral("1-Clip_.avi"));
    Occupy(QStringLiteral("1-Clip_.avi"));
    EXPECT_EQ(FinalOutputPathIn(Folder(), QStringLiteral("Clip?.avi"), QStringLiteral("001")),
              Folder() + QStringLiteral("2-Clip_.avi"));
}

TEST_F(UniquePaths, SkipsFoldersAndDanglingLinks)
{
    ASSERT_TRUE(QDir(Folder()).mkdir(QStringLiteral("a.avi")));
    ASSERT_TRUE(QFile::link(Folder() + QStringLiteral("missing-target"), Folder() + QStringLiteral("1-a.avi")));
    EXPECT_EQ(UniqueOutputPath(Folder(), QStringLiteral("a.avi")), Folder() + QStringLiteral("2-a.avi"));
}

TEST_F(UniquePaths, NameOfOnlyDotsLandsInsideTheFolder)
{
    Occupy(QStringLiteral("007"));
    EXPECT_EQ(FinalOutputPathIn(Folder(), QStringLiteral(".."), QStringLiteral("007")),
              Folder() + QStringLiteral("1-007"));
}

TEST_F(UniquePaths, OverlongNamesAreShortenedBeforeTheirExtension)
{
    const QString longName = QString(300, QChar(0x00e9)) + QStringLiteral(".mp4");   // two bytes each
    const QString first = UniqueOutputPath(Folder(), longName);
    const QString firstName = first.mid(Folder().size());
    EXPECT_EQ(firstName, QString(125, QChar(0x00e9)) + QStringLiteral(".mp4"));
    Occupy(firstName);
    const QString second = UniqueOutputPath(Folder(), longName);
    EXPECT_EQ(second.mid(Folder().size()), QStringLiteral("1-") + QString(124, QChar(0x00e9)) + QStringLiteral(".mp4"));

    const QString noExtension = QStringLiteral("x.") + QString(300, QLatin1Char('y'));
    EXPECT_EQ(UniqueOutputPath(Folder(), noExtension).mid(Folder().size()).toUtf8().size(), 255);
}

TEST_F(UniquePaths, CreatesTheMissingRootAndTargetFolders)
{
    const QString targetFolder = TargetOutputFolder(Folder() + QStringLiteral("root"), QStringLiteral("iPod/"));
    EXPECT_EQ(targetFolder, Folder() + QStringLiteral("root/iPod/"));
    EXPECT_EQ(FinalOutputPathIn(targetFolder, QStringLiteral("x.mp4"), QStringLiteral("001")),
              targetFolder + QStringLiteral("x.mp4"));
    EXPECT_TRUE(QDir(targetFolder).exists());
}

TEST(TargetOutputFolder, JoinsWithExactlyOneSlash)
{
    EXPECT_EQ(TargetOutputFolder(QStringLiteral("/out/"), QStringLiteral("AVI/")), QStringLiteral("/out/AVI/"));
    EXPECT_EQ(TargetOutputFolder(QStringLiteral("/out"), QStringLiteral("AVI")), QStringLiteral("/out/AVI/"));
    EXPECT_EQ(TargetOutputFolder(QString(), QString()), QString());
}

} // namespace
} // namespace naming
