// The DVD description written for the authoring library, byte for byte, and the authoring
// with the scripted authoring library: what it is handed, what it answers, and the
// cases where nothing may be authored.

#include "DvdAuthoring.h"

#include "LibraryLoader.h"
#include "SettingsSandbox.h"
#include "TestAuthoring.h"
#include "TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace conversion {
namespace {

QByteArray Crlf(const QStringList &lines)
{
    QByteArray text;
    for (const QString &line : lines)
        text += line.toUtf8() + "\r\n";
    return text;
}

class DvdDescriptionTest : public testing::Test {
protected:
    // A converted clip's file in the DVD sub-folder.
    QString Clip(const QString &name)
    {
        const QString path = JobFolder() + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write("mpeg");
        return path;
    }

    QByteArray Written(const QStringList &files, DvdVideoSettings video = {})
    {
        QFile::remove(XmlPath());
        EXPECT_TRUE(WriteAuthorXml(XmlPath(), DvdDestination(JobFolder()), video, files));
        QFile file(XmlPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString JobFolder() const { return folder_.path() + QStringLiteral("/DVD/"); }
    QString XmlPath() const { return folder_.path() + QStringLiteral("/author.xml"); }

    QTemporaryDir folder_;
    bool made_ = QDir().mkpath(folder_.path() + QStringLiteral("/DVD"));
};

TEST_F(DvdDescriptionTest, OneClipJumpsBackToItself)
{
    const QString a = Clip(QStringLiteral("a.mpg"));
    const QByteArray expected = "<dvdauthor dest=\"" + JobFolder().toUtf8() + "DVD_DISC\">\r\n"
                                "  <vmgm>\r\n"
                                "  </vmgm>\r\n"
                                "  <titleset>\r\n"
                                "      <titles>\r\n"
                                "         <video format=\"ntsc\" aspect=\"16:9\"\r\n"
                                "                resolution=\"720x480\"\r\n"
                                "                widescreen=\"nopanscan\" />\r\n"
                                "         <audio format=\"ac3\"\r\n"
                                "                quant=\"16bps\" dolby=\"surround\"\r\n"
                                "                samplerate=\"48khz\"/>\r\n"
                                "        <pgc>\r\n"
                                "          <vob file=\"" + a.toUtf8() + "\" />\r\n"
                                "          <post>jump title 1;</post>\r\n"
                                "        </pgc>\r\n"
                                "      </titles>\r\n"
                                "  </titleset>\r\n"
                                "</dvdauthor>\r\n";
    EXPECT_EQ(Written({a}), expected);
}

TEST_F(DvdDescriptionTest, ThreeClipsInListOrderWithPalFourByThree)
{
    const QString a = Clip(QStringLiteral("a.mpg")), b = Clip(QStringLiteral("b.mpg")), c = Clip(QStringLiteral("c.mpg"));
    const QByteArray expected = Crlf({
        QStringLiteral("<dvdauthor dest=\"%1DVD_DISC\">").arg(JobFolder()),
        QStringLiteral("  <vmgm>"),
        QStringLiteral("  </vmgm>"),
        QStringLiteral("  <titleset>"),
        QStringLiteral("      <titles>"),
        QStringLiteral("         <video format=\"pal\" aspect=\"4:3\""),
        QStringLiteral("                resolution=\"720x576\""),
        QStringLiteral("                />"),
        QStringLiteral("         <audio format=\"ac3\""),
        QStringLiteral("                quant=\"16bps\" dolby=\"surround\""),
        QStringLiteral("                samplerate=\"48khz\"/>"),
        QStringLiteral("        <pgc>"),
        QStringLiteral("          <vob file=\"%1\" />").arg(a),
        QStringLiteral("          <post>jump title 2 ;</post>"),
        QStringLiteral("        </pgc>"),
        QStringLiteral("        <pgc>"),
        QStringLiteral("          <vob file=\"%1\" />").arg(b),
        QStringLiteral("          <post>jump title 3 ;</post>"),
        QStringLiteral("        </pgc>"),
        QStringLiteral("        <pgc>"),
        QStringLiteral("          <vob file=\"%1\" />").arg(c),
        QStringLiteral("          <post>jump title 1;</post>"),
        QStringLiteral("        </pgc>"),
        QStringLiteral("      </titles>"),
        QStringLiteral("  </titleset>"),
        QStringLiteral("</dvdauthor>"),
    });
    EXPECT_EQ(Written({a, b, c}, {true, false}), expected);
}

TEST_F(DvdDescriptionTest, TvSystemAndAspectLines)
{
    struct Case {
        bool ntsc;
        bool wide;
        const char *video;
        const char *resolution;
        const char *end;
    };
    const Case cases[] = {
        {true, true, "format=\"ntsc\" aspect=\"16:9\"", "resolution=\"720x480\"", "widescreen=\"nopanscan\" />"},
        {true, false, "format=\"ntsc\" aspect=\"4:3\"", "resolution=\"720x480\"", "/>"},
        {false, true, "format=\"pal\" aspect=\"16:9\"", "resolution=\"720x576\"", "widescreen=\"nopanscan\" />"},
        {false, false, "format=\"pal\" aspect=\"4:3\"", "resolution=\"720x576\"", "/>"},
    };
    const QString a = Clip(QStringLiteral("a.mpg"));
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "ntsc " << c.ntsc << ", wide " << c.wide);
        JobPanelValues panel;
        panel.dvdNtsc = c.ntsc;
        panel.dvdWide = c.wide;
        const QList<QByteArray> lines = Written({a}, DvdVideoSettings::Of(panel)).split('\n');
        ASSERT_GT(lines.size(), 8);
        EXPECT_EQ(lines[5], "         <video " + QByteArray(c.video) + "\r");
        EXPECT_EQ(lines[6], "                " + QByteArray(c.resolution) + "\r");
        EXPECT_EQ(lines[7], "                " + QByteArray(c.end) + "\r");
    }
}

TEST_F(DvdDescriptionTest, NamesWithMarkupCharactersAreEscaped)
{
    const QString jobFolder = folder_.path() + QStringLiteral("/Tom & Jerry's <DVD>/");
    ASSERT_TRUE(QDir().mkpath(jobFolder));
    const QString clip = jobFolder + QStringLiteral("Say \"cheese\" & 'smile'.mpg");
    QFile file(clip);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(WriteAuthorXml(XmlPath(), DvdDestination(jobFolder), {}, {clip}));
    QFile written(XmlPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    const QByteArray escapedFolder = folder_.path().toUtf8() + "/Tom &amp; Jerry&apos;s &lt;DVD&gt;/";
    EXPECT_TRUE(text.startsWith("<dvdauthor dest=\"" + escapedFolder + "DVD_DISC\">\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("<vob file=\"" + escapedFolder + "Say &quot;cheese&quot; &amp; &apos;smile&apos;.mpg\" />\r\n"))
        << text.constData();
}

TEST_F(DvdDescriptionTest, AtMostNinetyNineTitles)
{
    QStringList files;
    for (int i = 1; i <= 100; ++i)
        files << Clip(QStringLiteral("clip %1.mpg").arg(i));
    const QByteArray text = Written(files);
    EXPECT_EQ(text.count("<vob file="), 99);
    EXPECT_TRUE(text.contains("clip 99.mpg\" />\r\n          <post>jump title 1;</post>\r\n        </pgc>\r\n      </titles>"));
    EXPECT_TRUE(text.contains("<post>jump title 99 ;</post>"));
    EXPECT_FALSE(text.contains("clip 100.mpg"));
}

TEST_F(DvdDescriptionTest, AMissingFileStopsTheDescriptionAndNothingIsSaved)
{
    const QString a = Clip(QStringLiteral("a.mpg"));
    EXPECT_FALSE(WriteAuthorXml(XmlPath(), DvdDestination(JobFolder()), {}, {a, JobFolder() + QStringLiteral("gone.mpg"), a}));
    EXPECT_FALSE(QFile::exists(XmlPath()));
    EXPECT_FALSE(WriteAuthorXml(XmlPath(), DvdDestination(JobFolder()), {}, {JobFolder()}))   // a folder is no clip
        << "a folder is no clip";
    EXPECT_FALSE(QFile::exists(XmlPath()));
}

TEST_F(DvdDescriptionTest, DestinationTakesTheSmallestFreeNumber)
{
    EXPECT_EQ(DvdDestination(JobFolder()), JobFolder() + QStringLiteral("DVD_DISC"));
    ASSERT_TRUE(QDir().mkpath(JobFolder() + QStringLiteral("DVD_DISC")));
    EXPECT_EQ(DvdDestination(JobFolder()), JobFolder() + QStringLiteral("DVD_DISC_1"));
    ASSERT_TRUE(QDir().mkpath(JobFolder() + QStringLiteral("DVD_DISC_1")));
    EXPECT_EQ(DvdDestination(JobFolder()), JobFolder() + QStringLiteral("DVD_DISC_2"));
    ASSERT_TRUE(QDir().mkpath(JobFolder() + QStringLiteral("DVD_DISC_3")));
    EXPECT_EQ(DvdDestination(JobFolder()), JobFolder() + QStringLiteral("DVD_DISC_2"));
}

// Authoring with the scripted library from the test engine's folder.
class AuthorDvdTest : public DvdDescriptionTest {
protected:
    AuthorDvdTest()
    {
        QDir().mkpath(descriptionFolder_);
        platform::SetProgramFolderForTesting(TestAuthoring::Folder());
    }
    ~AuthorDvdTest() override { platform::SetProgramFolderForTesting(QString()); }

    QString SettingsXml() const { return descriptionFolder_ + QStringLiteral("author.xml"); }
    // A job of `clips` authored into the job folder, described in the settings folder.
    DvdAuthoringJob JobOf(const QStringList &clips) const { return {JobFolder(), {}, clips, descriptionFolder_}; }

    SettingsSandbox sandbox_;
    QString descriptionFolder_ = sandbox_.SettingsFolder();
    TestAuthoring authoring_;
};

TEST_F(AuthorDvdTest, HandsTheDescriptionOverAndDeletesIt)
{
    const QStringList clips{Clip(QStringLiteral("a.mpg")), Clip(QStringLiteral("b.mpg"))};
    QFile old(SettingsXml());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an old description");
    old.close();

    EXPECT_EQ(DvdAuthoring().Author(JobOf(clips)), DvdAuthored);
    EXPECT_EQ(authoring_.Calls(), 1);
    EXPECT_EQ(authoring_.LastPath(), SettingsXml());
    // The description as written, but for the hidden folder the DVD is built in.
    QByteArray expected = Written(clips);
    QByteArray given = authoring_.LastDescription();
    const QByteArray building = (JobFolder() + ".DVD_DISC-").toUtf8();
    ASSERT_TRUE(given.startsWith("<dvdauthor dest=\"" + building)) << given.constData();
    given.remove(0, given.indexOf('\n'));
    expected.remove(0, expected.indexOf('\n'));
    EXPECT_EQ(given, expected);
    EXPECT_FALSE(QFile::exists(SettingsXml()));
}

TEST_F(AuthorDvdTest, TheBuiltFolderTakesTheFirstFreeNameAndNothingElseRemains)
{
    const QStringList clips{Clip(QStringLiteral("a.mpg"))};
    for (int count = 1; count <= 3; ++count)
        ASSERT_EQ(DvdAuthoring().Author(JobOf(clips)), DvdAuthored);
    EXPECT_EQ(QDir(JobFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"DVD_DISC", "DVD_DISC_1", "DVD_DISC_2"}));
}

TEST_F(AuthorDvdTest, AStoppedAuthoringLeavesNoFolderAndSaysSo)
{
    const QStringList clips{Clip(QStringLiteral("a.mpg"))};
    authoring_.HoldUntilStopped(42);
    DvdAuthoring authoring;
    EXPECT_FALSE(authoring.Progress());
    EXPECT_FALSE(authoring.Stop()) << "nothing runs yet";
    int result = -1;
    std::thread worker([&] { result = authoring.Author(JobOf(clips)); });
    ASSERT_TRUE(authoring_.WaitUntilRunning(30000));
    EXPECT_EQ(authoring.Progress(), 42);
    EXPECT_TRUE(authoring.Stop());
    worker.join();
    EXPECT_EQ(result, DvdAuthoringStopped);
    EXPECT_EQ(QDir(JobFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});
    EXPECT_FALSE(QFile::exists(SettingsXml()));
}

TEST_F(AuthorDvdTest, ALibraryWithoutProgressOrStopStillAuthors)
{
    TestAuthoring basic(QStringLiteral("test-authoring-unstoppable"));
    platform::SetProgramFolderForTesting(TestAuthoring::Folder(QStringLiteral("test-authoring-unstoppable")));
    DvdAuthoring authoring;
    EXPECT_EQ(authoring.Author(JobOf({Clip(QStringLiteral("a.mpg"))})), DvdAuthored);
    EXPECT_EQ(basic.Calls(), 1);
    EXPECT_FALSE(authoring.Progress());
    EXPECT_FALSE(authoring.Stop());
    EXPECT_TRUE(QDir(JobFolder() + "DVD_DISC").exists());
}

TEST_F(AuthorDvdTest, FailuresAreNotReportedAsSuccess)
{
    const QString a = Clip(QStringLiteral("a.mpg"));
    authoring_.SetResult(-1);
    EXPECT_EQ(DvdAuthoring().Author(JobOf({a})), DvdAuthoringFailed) << "the library could not build the folder";
    EXPECT_FALSE(QFile::exists(SettingsXml()));
    EXPECT_EQ(QDir(JobFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});
    authoring_.SetResult(0);

    EXPECT_EQ(DvdAuthoring().Author(JobOf({a, JobFolder() + QStringLiteral("gone.mpg")})), DvdTitleFileMissing);
    EXPECT_EQ(authoring_.Calls(), 1) << "nothing is authored without every clip";

    descriptionFolder_ = JobFolder() + QStringLiteral("no such folder/");
    EXPECT_EQ(DvdAuthoring().Author(JobOf({a})), DvdAuthoringFailed) << "no description could be saved";
    EXPECT_EQ(authoring_.Calls(), 1);
}

TEST_F(AuthorDvdTest, AMissingOrIncompleteLibraryGivesTwo)
{
    const QStringList clips{Clip(QStringLiteral("a.mpg"))};
    QTemporaryDir emptyFolder;
    platform::SetProgramFolderForTesting(emptyFolder.path());
    EXPECT_EQ(DvdAuthoring().Author(JobOf(clips)), DvdLibraryUnavailable);
    {
        TestAuthoring incomplete(QStringLiteral("test-authoring-incomplete"));
        platform::SetProgramFolderForTesting(TestAuthoring::Folder(QStringLiteral("test-authoring-incomplete")));
        EXPECT_EQ(DvdAuthoring().Author(JobOf(clips)), DvdLibraryUnavailable);
        EXPECT_EQ(incomplete.Calls(), 0);
    }
    EXPECT_EQ(authoring_.Calls(), 0);
}

} // namespace
} // namespace conversion
