#include "LibraryLoader.h"
#include "TestEngine.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(LibraryLoader, MapsWindowsNamesToSharedObjects)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Korvid.dll", "libKorvid.so"},   {"korvid.DLL", "libKorvid.so"},
        {"dvdauthor.dll", "libdvdauthor.so"}, {"MediaInfo.dll", "libmediainfo.so.0"},
        {"libm.so.6", "libm.so.6"},       {"Other.dll", "Other.dll"},
    };
    for (const auto &[windows, mapped] : cases)
        EXPECT_EQ(MapLibraryName(QString::fromLatin1(windows)), QString::fromLatin1(mapped)) << windows;
}

TEST(LibraryLoader, ProgramFolderIsTheApplicationsFolderUnlessSetForTesting)
{
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    SetProgramFolderForTesting(QStringLiteral("/some/folder"));
    EXPECT_EQ(ProgramFolder(), QStringLiteral("/some/folder/"));
    SetProgramFolderForTesting(QString());
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

TEST(LibraryLoader, BareNameLoadsFromTheProgramFolderFirst)
{
    TestEngine engine;   // the program's folder now holds the test engine's libKorvid.so
    const auto library = Library::LoadByName(QStringLiteral("Korvid.dll"));
    ASSERT_TRUE(library);
    EXPECT_TRUE(library->Symbol("TestEngine_Reset")) << "not the program folder's library";
    EXPECT_TRUE(library->Bind<decltype(&X_Get_CPU_Core_Number)>("X_Get_CPU_Core_Number"));
    EXPECT_FALSE(library->Symbol("No_Such_Name"));
}

TEST(LibraryLoader, BareNameFallsBackToTheSystemSearch)
{
    NoEngine noEngine;
    EXPECT_TRUE(Library::LoadByName(QStringLiteral("libm.so.6")));
    EXPECT_FALSE(Library::LoadFromProgramFolder(QStringLiteral("libm.so.6")));
    EXPECT_FALSE(Library::LoadByName(QStringLiteral("Korvid.dll")));
}

TEST(LibraryLoader, ProgramFolderLoadFindsTheLibraryThere)
{
    TestEngine engine(QStringLiteral("test-engine-missing"));
    const auto library = Library::LoadFromProgramFolder(QStringLiteral("Korvid.dll"));
    ASSERT_TRUE(library);
    EXPECT_TRUE(library->Symbol("X_TO_HD_PS3"));
    EXPECT_FALSE(library->Symbol("X_TO_HD_ZUNE"));
}

} // namespace
