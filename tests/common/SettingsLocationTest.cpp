#include "OptionVariables.h"
#include "SettingsLocation.h"
#include "SettingsSandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class SettingsLocationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandbox.writeProgramFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=default\n");
        sandbox.writeProgramFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=0\n");
    }
    bool programFileExists(const char *name) const
    {
        return QFileInfo::exists(sandbox.programFolder() + QLatin1String(name));
    }
    SettingsSandbox sandbox;
};

TEST_F(SettingsLocationTest, FirstStartCreatesTheFolderAndCopiesBothDefaults)
{
    LocateSettings();
    EXPECT_EQ(g_s_Application_Data_Path, sandbox.settingsFolder());
    EXPECT_TRUE(g_s_Application_Data_Path.endsWith(QStringLiteral("/Pelorin/Pelorin Video Converter/")));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=default\n"));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=0\n"));
    EXPECT_EQ(OptionFilePath(), sandbox.settingsFolder() + QStringLiteral("Option.ini"));
    EXPECT_EQ(ProfileSettingsFilePath(), sandbox.settingsFolder() + QStringLiteral("PfSetting.ini"));
}

TEST_F(SettingsLocationTest, SecondStartKeepsTheUsersFiles)
{
    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.writeSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=2\n");
    LocateSettings();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=2\n"));
}

TEST_F(SettingsLocationTest, OptionMarkerReplacesOnlyTheOptionsOnce)
{
    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.writeSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=2\n");
    sandbox.writeProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    LocateSettings();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=default\n"));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=2\n"));
    EXPECT_FALSE(programFileExists("ReplaceOption.ini"));

    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=changed again\n");
    LocateSettings();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=changed again\n"));
}

TEST_F(SettingsLocationTest, ProfileMarkerReplacesOnlyTheProfiles)
{
    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.writeSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=2\n");
    sandbox.writeProgramFile(QStringLiteral("ReplacePfSetting.ini"), "anything");
    LocateSettings();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=0\n"));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
    EXPECT_FALSE(programFileExists("ReplacePfSetting.ini"));
}

TEST_F(SettingsLocationTest, MarkerWithoutADefaultCopyKeepsTheUsersFile)
{
    QFile::remove(sandbox.programFolder() + QStringLiteral("Option.ini"));
    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.writeProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    LocateSettings();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
    EXPECT_FALSE(programFileExists("ReplaceOption.ini"));
}

TEST_F(SettingsLocationTest, MissingDefaultsLeaveNoUserFile)
{
    QFile::remove(sandbox.programFolder() + QStringLiteral("Option.ini"));
    LocateSettings();
    EXPECT_EQ(g_s_Application_Data_Path, sandbox.settingsFolder());
    EXPECT_FALSE(QFileInfo::exists(sandbox.settingsFolder() + QStringLiteral("Option.ini")));
}

TEST_F(SettingsLocationTest, FolderThatCannotBeMadeKeepsTheSettingsBesideTheProgram)
{
    QFile blocker(sandbox.configFolder() + QStringLiteral("Pelorin"));   // a file where the folder should go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    sandbox.writeProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    LocateSettings();
    EXPECT_EQ(g_s_Application_Data_Path, sandbox.programFolder());
    EXPECT_FALSE(programFileExists("ReplaceOption.ini"));
}

TEST_F(SettingsLocationTest, MissingConfigurationHomeIsCreated)
{
    ASSERT_TRUE(QDir(sandbox.configFolder()).removeRecursively());
    LocateSettings();
    EXPECT_EQ(g_s_Application_Data_Path, sandbox.settingsFolder());
    EXPECT_FALSE(sandbox.readSettingsFile(QStringLiteral("Option.ini")).isEmpty());
}

// The command-line converter reads the window's settings but must not make or copy them.
TEST_F(SettingsLocationTest, ExistingSettingsFolderMakesNothing)
{
    EXPECT_EQ(ExistingSettingsFolder(), sandbox.programFolder()) << "no per-user settings yet: the defaults";
    EXPECT_FALSE(QFileInfo::exists(sandbox.settingsFolder()));
    sandbox.writeSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=1\n");
    EXPECT_EQ(ExistingSettingsFolder(), sandbox.settingsFolder());
    EXPECT_EQ(UserSettingsFolder(), sandbox.settingsFolder());
}

} // namespace
