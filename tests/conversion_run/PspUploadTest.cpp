// The upload's rules without a window: which volume is the PSP, where a file goes on
// it, and the copy of one file through a temporary name.

#include "PspUpload.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace conversion {
namespace {

using Kind = platform::Volume::Kind;

class PspRulesTest : public testing::Test {
protected:
    // A volume mounted at a fresh folder, with `folders` made under it.
    platform::Volume Volume(const QString &name, Kind kind, const QStringList &folders = {})
    {
        const QString root = temp_.path() + QLatin1Char('/') + name + QLatin1Char('/');
        QDir().mkpath(root);
        for (const QString &folder : folders)
            QDir().mkpath(root + folder);
        return {root, name, kind};
    }

    QString WriteFile(const QString &name, qint64 bytes)
    {
        const QString path = temp_.path() + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray data(bytes, Qt::Uninitialized);
        for (qint64 i = 0; i < bytes; ++i)
            data[i] = char(i * 7 % 251);
        file.write(data);
        return path;
    }

    static QByteArray Contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir temp_;
};

TEST_F(PspRulesTest, FolderValuesWithAnySeparator)
{
    const struct {
        const char *folder;
        const char *joined;
    } cases[] = {
        {"", "/m/"},
        {"PSP\\VIDEO\\", "/m/PSP/VIDEO/"},
        {"PSP\\VIDEO", "/m/PSP/VIDEO/"},
        {"PSP/VIDEO/", "/m/PSP/VIDEO/"},
        {"/VIDEO", "/m/VIDEO/"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FolderUnder(QStringLiteral("/m/"), QLatin1String(c.folder)), QLatin1String(c.joined)) << c.folder;
}

TEST_F(PspRulesTest, ThePspIsTheFirstRemovableVolumeHoldingTheUploadFolder)
{
    const QList<platform::Volume> volumes = {
        Volume(QStringLiteral("a-fixed"), Kind::Fixed, {QStringLiteral("PSP/VIDEO")}),
        Volume(QStringLiteral("b-optical"), Kind::Optical, {QStringLiteral("PSP/VIDEO")}),
        Volume(QStringLiteral("c-stick"), Kind::Removable),
        Volume(QStringLiteral("d-psp"), Kind::Removable, {QStringLiteral("PSP/VIDEO")}),
        Volume(QStringLiteral("e-psp"), Kind::Removable, {QStringLiteral("PSP/VIDEO")}),
    };
    EXPECT_EQ(FindPspRoot(volumes, QStringLiteral("PSP\\VIDEO\\")), volumes[3].mountPoint);
    EXPECT_EQ(FindPspRoot(volumes, QString()), volumes[2].mountPoint) << "no folder: the first removable volume";
    EXPECT_EQ(FindPspRoot(volumes, QStringLiteral("MP_ROOT\\")), QString());
    EXPECT_EQ(FindPspRoot(volumes.mid(0, 2), QString()), QString()) << "fixed and optical volumes never count";
}

TEST_F(PspRulesTest, DestinationByTheFileNamesFirstThreeLetters)
{
    const QString avc = QStringLiteral("MP_ROOT\\100ANV01\\");
    const QString mp4 = QStringLiteral("MP_ROOT/100MNV01");
    const struct {
        const char *name;
        const char *destination;
    } cases[] = {
        {"MAQ10001.MP4", "/psp/MP_ROOT/100ANV01/MAQ10001.MP4"},
        {"M4V10001.MP4", "/psp/MP_ROOT/100MNV01/M4V10001.MP4"},
        {"maq10001.mp4", "/psp/maq10001.mp4"},
        {"clip.mp4", "/psp/clip.mp4"},
        {"MA", "/psp/MA"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PspDestination(QStringLiteral("/psp/"), QLatin1String(c.name), avc, mp4), QLatin1String(c.destination));
    EXPECT_EQ(PspDestination(QStringLiteral("/psp/"), QStringLiteral("MAQ1.MP4"), QString(), mp4),
              QStringLiteral("/psp/MAQ1.MP4")) << "an empty folder is the root";
}

TEST_F(PspRulesTest, PercentagesOfLargeFilesDoNotOverflow)
{
    const qint64 fiveGigabytes = qint64(5) << 30;
    EXPECT_EQ(PercentCopied(fiveGigabytes / 2, fiveGigabytes), 50);
    EXPECT_EQ(PercentCopied(fiveGigabytes - 1, fiveGigabytes), 99);
    EXPECT_EQ(PercentCopied(0, 0), 100);
    EXPECT_EQ(PercentCopied(10, 5), 100) << "a file that grew while it was copied";
}

TEST_F(PspRulesTest, CopyInBlocksWithRisingProgressEndingAt100)
{
    const qint64 bytes = 1024 * 1024 + 123;   // a few blocks and a short last one
    const QString source = WriteFile(QStringLiteral("clip.mp4"), bytes);
    const QString destination = Volume(QStringLiteral("psp"), Kind::Removable).mountPoint + QStringLiteral("clip.mp4");
    QFile stale(destination);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("an older, longer upload of the same name ............................................");
    stale.close();

    QList<int> shown;
    const FileCopyResult result = CopyFileInBlocks(source, destination, [&shown](int percent) { shown << percent; });
    ASSERT_TRUE(result.copied) << result.error.toStdString();
    EXPECT_EQ(Contents(destination), Contents(source));
    EXPECT_FALSE(QFile::exists(destination + QStringLiteral(".part")));
    ASSERT_GE(shown.size(), 3);
    EXPECT_EQ(shown.last(), 100);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_LT(shown[shown.size() - 2], 100) << "100 only once the file is complete under its name";
}

TEST_F(PspRulesTest, AnEmptyFileIsCreatedAndShows100)
{
    const QString source = WriteFile(QStringLiteral("empty.mp4"), 0);
    const QString destination = Volume(QStringLiteral("psp"), Kind::Removable).mountPoint + QStringLiteral("empty.mp4");
    QList<int> shown;
    ASSERT_TRUE(CopyFileInBlocks(source, destination, [&shown](int percent) { shown << percent; }).copied);
    EXPECT_TRUE(QFile::exists(destination));
    EXPECT_EQ(QFileInfo(destination).size(), 0);
    EXPECT_EQ(shown, QList<int>{100});
}

TEST_F(PspRulesTest, FailuresLeaveNeitherATemporaryNorAFinalFile)
{
    const QString source = WriteFile(QStringLiteral("clip.mp4"), 5000);
    const QString root = Volume(QStringLiteral("psp"), Kind::Removable).mountPoint;

    // The destination folder is missing: the file cannot be created.
    const QString noFolder = root + QStringLiteral("VIDEO/clip.mp4");
    FileCopyResult result = CopyFileInBlocks(source, noFolder, [](int) {});
    EXPECT_FALSE(result.copied);
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("Can not write to PSP : \n") + noFolder + QLatin1Char('\n')))
        << result.error.toStdString();
    EXPECT_FALSE(QFile::exists(noFolder));

    // A folder holds the final name: the complete copy cannot take it.
    const QString taken = root + QStringLiteral("clip.mp4");
    QDir().mkpath(taken + QStringLiteral("/inside"));
    result = CopyFileInBlocks(source, taken, [](int) {});
    EXPECT_FALSE(result.copied);
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("Can not write to PSP : \n") + taken)) << result.error.toStdString();
    EXPECT_FALSE(QFileInfo(taken).isFile());
    EXPECT_FALSE(QFile::exists(taken + QStringLiteral(".part")));

    // The source cannot be opened.
    const QString missing = temp_.path() + QStringLiteral("/gone.mp4");
    result = CopyFileInBlocks(missing, root + QStringLiteral("gone.mp4"), [](int) {});
    EXPECT_FALSE(result.copied);
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("Can not read srcfile : \n") + missing)) << result.error.toStdString();
    EXPECT_EQ(QDir(root).entryList(QDir::Files), QStringList());
}

} // namespace
} // namespace conversion
