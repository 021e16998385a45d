// Which files an "add these" request from outside the dialog stands for.

#include "FilesToAdd.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

QStringList Names(const QStringList &paths, const QString &base)
{
    QStringList names;
    for (const QString &path : paths)
        names << QDir(base).relativeFilePath(path);
    return names;
}

TEST(FilesToAdd, AFolderStandsForItsOwnMediaFilesInNameOrder)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("shots/deeper");
    for (const char *name : {"shots/b clip.MKV", "shots/A clip.mp4", "shots/c clip.avi", "shots/notes.txt",
                             "shots/cover.jpg", "shots/deeper/d clip.avi", "single.ts"})
        Touch(root.filePath(name));

    const QStringList files = FilesToAdd({root.filePath("single.ts"), root.filePath("shots")}, "/");
    EXPECT_EQ(Names(files, root.path()),
              QStringList({"single.ts", "shots/A clip.mp4", "shots/b clip.MKV", "shots/c clip.avi"}));
}

TEST(FilesToAdd, PathsBecomeAbsoluteAndMissingFilesStayForTheReport)
{
    QTemporaryDir root;
    Touch(root.filePath("here.mp4"));
    const QStringList files = FilesToAdd({"here.mp4", "./gone.mp4", "", "../x/other.txt"}, root.path());
    EXPECT_EQ(files, QStringList({root.filePath("here.mp4"), root.filePath("gone.mp4"),
                                  QDir::cleanPath(root.path() + "/../x/other.txt")}));
}

TEST(FilesToAdd, AnEmptyFolderStandsForNothing)
{
    QTemporaryDir root;
    EXPECT_TRUE(FilesToAdd({root.path()}, "/").isEmpty());
}

TEST(FilesToAdd, OnlyLocalUrlsAreTaken)
{
    const QList<QUrl> urls{QUrl::fromLocalFile("/videos/a b.mp4"), QUrl("https://example.org/c.mp4"),
                           QUrl("smb://server/share/d.avi")};
    EXPECT_EQ(LocalPathsOf(urls), QStringList{"/videos/a b.mp4"});
}

TEST(FilesToAdd, MediaNamesAreKnownBySuffixWhateverTheCase)
{
    for (const char *name : {"a.mp4", "a.MOV", "x.y.m2ts", "song.flac", "clip.VOB"})
        EXPECT_TRUE(IsMediaFileName(name)) << name;
    for (const char *name : {"a.txt", "mp4", "a.mp4.part", "noextension", "a.jpg"})
        EXPECT_FALSE(IsMediaFileName(name)) << name;
}

} // namespace
