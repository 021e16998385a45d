#include "EngineClient.h"
#include "LibraryLoader.h"
#include "TestEngine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(EngineClient, WithoutTheLibraryThereIsNoClientAndNoCoreCount)
{
    NoEngine noEngine;
    EXPECT_FALSE(EngineClient::Load());
    EXPECT_FALSE(EngineClient::Load(EngineClient::Search::ProgramFolderOnly));
    EXPECT_EQ(EngineClient::CoreCount(), -1);
}

TEST(EngineClient, ProgramFolderOnlyIgnoresALibraryElsewhere)
{
    TestEngine engine;
    QTemporaryDir emptyFolder;
    platform::SetProgramFolderForTesting(emptyFolder.path());
    EXPECT_FALSE(EngineClient::Load(EngineClient::Search::ProgramFolderOnly));
    platform::SetProgramFolderForTesting(TestEngine::Folder());
    EXPECT_TRUE(EngineClient::Load(EngineClient::Search::ProgramFolderOnly));
}

TEST(EngineClient, BindsDeclaredEntryPointsAndCallsThem)
{
    TestEngine engine;
    engine.SetCoreCount(6);
    const auto client = EngineClient::Load();
    ASSERT_TRUE(client);
    const auto coreNumber = ENGINE_ENTRY(*client, X_Get_CPU_Core_Number);
    ASSERT_TRUE(coreNumber);
    EXPECT_EQ(coreNumber(), 6);
    EXPECT_EQ(EngineClient::CoreCount(), 6);
    EXPECT_TRUE(client->MissingEntryPoints().isEmpty());
}

TEST(EngineClient, AMissingEntryPointIsNullAndNamedNotACrash)
{
    TestEngine engine(QStringLiteral("test-engine-missing"));
    const auto client = EngineClient::Load();
    ASSERT_TRUE(client);
    EXPECT_TRUE(ENGINE_ENTRY(*client, X_TO_HD_PS3));
    EXPECT_FALSE(ENGINE_ENTRY(*client, X_TO_HD_ZUNE));
    EXPECT_FALSE(ENGINE_ENTRY(*client, X_TO_HD_ZUNE));
    EXPECT_EQ(client->MissingEntryPoints(), QStringList{QStringLiteral("X_TO_HD_ZUNE")});
}

TEST(EngineClient, LastErrorComesFromTheOptionalEntryPoint)
{
    const struct {
        const char *variant;
        const char *reason;
        const char *expected;
    } cases[] = {
        {"test-engine", "  cannot open the file \n", "cannot open the file"},
        {"test-engine", "", ""},
        {"test-engine-no-reason", "cannot open the file", ""},   // without X_Get_Last_Error: no reason, no crash
    };
    for (const auto &c : cases) {
        TestEngine engine(QString::fromLatin1(c.variant));
        engine.SetLastError(QString::fromLatin1(c.reason));
        const auto client = EngineClient::Load();
        ASSERT_TRUE(client) << c.variant;
        EXPECT_EQ(client->LastError(), QString::fromLatin1(c.expected)) << c.variant << " " << c.reason;
        EXPECT_TRUE(client->MissingEntryPoints().isEmpty()) << "the optional name is not counted missing";
    }
}

} // namespace
