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
    QString locate() const { return LocateSettings(sandbox.programFolder()); }
    bool programFileExists(const char *name) const
    {
        return QFileInfo::exists(sandbox.programFolder() + QLatin1String(name));
    }
    SettingsSandbox sandbox;
};

TEST_F(SettingsLocationTest, FirstStartCreatesTheFolderAndCopiesBothDefaults)
{
    const QString settingsFolder = locate();
    EXPECT_EQ(settingsFolder, sandbox.settingsFolder());
    EXPECT_TRUE(settingsFolder.endsWith(QStringLiteral("/Pelorin/Pelorin Video Converter/")));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=default\n"));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=0\n"));
}

TEST_F(SettingsLocationTest, SecondStartKeepsTheUsersFiles)
{
    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.writeSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=2\n");
    locate();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=2\n"));
}

TEST_F(SettingsLocationTest, OptionMarkerReplacesOnlyTheOptionsOnce)
{
    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.writeSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=2\n");
    sandbox.writeProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    locate();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=default\n"));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=2\n"));
    EXPECT_FALSE(programFileExists("ReplaceOption.ini"));

    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=changed again\n");
    locate();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=changed again\n"));
}

TEST_F(SettingsLocationTest, ProfileMarkerReplacesOnlyTheProfiles)
{
    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.writeSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=2\n");
    sandbox.writeProgramFile(QStringLiteral("ReplacePfSetting.ini"), "anything");
    locate();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=0\n"));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
    EXPECT_FALSE(programFileExists("ReplacePfSetting.ini"));
}

TEST_F(SettingsLocationTest, MarkerWithoutADefaultCopyKeepsTheUsersFile)
{
    QFile::remove(sandbox.programFolder() + QStringLiteral("Option.ini"));
    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.writeProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    locate();
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
    EXPECT_FALSE(programFileExists("ReplaceOption.ini"));
}

TEST_F(SettingsLocationTest, MissingDefaultsLeaveNoUserFile)
{
    QFile::remove(sandbox.programFolder() + QStringLiteral("Option.ini"));
    EXPECT_EQ(locate(), sandbox.settingsFolder());
    EXPECT_FALSE(QFileInfo::exists(sandbox.settingsFolder() + QStringLiteral("Option.ini")));
}

TEST_F(SettingsLocationTest, FolderThatCannotBeMadeKeepsTheSettingsBesideTheProgram)
{
    QFile blocker(sandbox.configFolder() + QStringLiteral("Pelorin"));   // a file where the folder should go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    sandbox.writeProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    EXPECT_EQ(locate(), sandbox.programFolder());
    EXPECT_FALSE(programFileExists("ReplaceOption.ini"));
}

TEST_F(SettingsLocationTest, MissingConfigurationHomeIsCreated)
{
    ASSERT_TRUE(QDir(sandbox.configFolder()).removeRecursively());
    EXPECT_EQ(locate(), sandbox.settingsFolder());
    EXPECT_FALSE(sandbox.readSettingsFile(QStringLiteral("Option.ini")).isEmpty());
}

// The command-line converter reads the window's settings but must not make, copy or
// delete anything, before or after a start.
TEST_F(SettingsLocationTest, ExistingSettingsFolderMakesNothing)
{
    sandbox.writeProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    EXPECT_EQ(ExistingSettingsFolder(sandbox.programFolder()), sandbox.programFolder())
        << "no per-user settings yet: the defaults";
    EXPECT_FALSE(QFileInfo::exists(sandbox.configFolder() + QStringLiteral("Pelorin")));

    sandbox.writeSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    EXPECT_EQ(ExistingSettingsFolder(sandbox.programFolder()), sandbox.settingsFolder());
    EXPECT_EQ(UserSettingsFolder(), sandbox.settingsFolder());
    EXPECT_TRUE(programFileExists("ReplaceOption.ini"));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
}

} // namespace
