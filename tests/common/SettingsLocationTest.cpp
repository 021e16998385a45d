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
        sandbox.WriteProgramFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=default\n");
        sandbox.WriteProgramFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=0\n");
    }
    QString Locate() const { return LocateSettings(sandbox.ProgramFolder()); }
    bool ProgramFileExists(const char *name) const
    {
        return QFileInfo::exists(sandbox.ProgramFolder() + QLatin1String(name));
    }
    SettingsSandbox sandbox;
};

TEST_F(SettingsLocationTest, FirstStartCreatesTheFolderAndCopiesBothDefaults)
{
    const QString settingsFolder = Locate();
    EXPECT_EQ(settingsFolder, sandbox.SettingsFolder());
    EXPECT_TRUE(settingsFolder.endsWith(QStringLiteral("/Pelorin/Pelorin Video Converter/")));
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=default\n"));
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=0\n"));
}

TEST_F(SettingsLocationTest, SecondStartKeepsTheUsersFiles)
{
    sandbox.WriteSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.WriteSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=2\n");
    Locate();
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=2\n"));
}

TEST_F(SettingsLocationTest, OptionMarkerReplacesOnlyTheOptionsOnce)
{
    sandbox.WriteSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.WriteSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=2\n");
    sandbox.WriteProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    Locate();
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=default\n"));
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=2\n"));
    EXPECT_FALSE(ProgramFileExists("ReplaceOption.ini"));

    sandbox.WriteSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=changed again\n");
    Locate();
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=changed again\n"));
}

TEST_F(SettingsLocationTest, ProfileMarkerReplacesOnlyTheProfiles)
{
    sandbox.WriteSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.WriteSettingsFile(QStringLiteral("PfSetting.ini"), "[Video-Profile]\nProfileCount=2\n");
    sandbox.WriteProgramFile(QStringLiteral("ReplacePfSetting.ini"), "anything");
    Locate();
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("PfSetting.ini")), QByteArray("[Video-Profile]\nProfileCount=0\n"));
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
    EXPECT_FALSE(ProgramFileExists("ReplacePfSetting.ini"));
}

TEST_F(SettingsLocationTest, MarkerWithoutADefaultCopyKeepsTheUsersFile)
{
    QFile::remove(sandbox.ProgramFolder() + QStringLiteral("Option.ini"));
    sandbox.WriteSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    sandbox.WriteProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    Locate();
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
    EXPECT_FALSE(ProgramFileExists("ReplaceOption.ini"));
}

TEST_F(SettingsLocationTest, MissingDefaultsLeaveNoUserFile)
{
    QFile::remove(sandbox.ProgramFolder() + QStringLiteral("Option.ini"));
    EXPECT_EQ(Locate(), sandbox.SettingsFolder());
    EXPECT_FALSE(QFileInfo::exists(sandbox.SettingsFolder() + QStringLiteral("Option.ini")));
}

TEST_F(SettingsLocationTest, FolderThatCannotBeMadeKeepsTheSettingsBesideTheProgram)
{
    QFile blocker(sandbox.ConfigFolder() + QStringLiteral("Pelorin"));   // a file where the folder should go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    sandbox.WriteProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    EXPECT_EQ(Locate(), sandbox.ProgramFolder());
    EXPECT_FALSE(ProgramFileExists("ReplaceOption.ini"));
}

TEST_F(SettingsLocationTest, MissingConfigurationHomeIsCreated)
{
    ASSERT_TRUE(QDir(sandbox.ConfigFolder()).removeRecursively());
    EXPECT_EQ(Locate(), sandbox.SettingsFolder());
    EXPECT_FALSE(sandbox.ReadSettingsFile(QStringLiteral("Option.ini")).isEmpty());
}

// The command-line converter reads the window's settings but must not make, copy or
// delete anything, before or after a start.
TEST_F(SettingsLocationTest, ExistingSettingsFolderMakesNothing)
{
    sandbox.WriteProgramFile(QStringLiteral("ReplaceOption.ini"), "");
    EXPECT_EQ(ExistingSettingsFolder(sandbox.ProgramFolder()), sandbox.ProgramFolder())
        << "no per-user settings yet: the defaults";
    EXPECT_FALSE(QFileInfo::exists(sandbox.ConfigFolder() + QStringLiteral("Pelorin")));

    sandbox.WriteSettingsFile(QStringLiteral("Option.ini"), "[Option]\nTemplate=mine\n");
    EXPECT_EQ(ExistingSettingsFolder(sandbox.ProgramFolder()), sandbox.SettingsFolder());
    EXPECT_EQ(UserSettingsFolder(), sandbox.SettingsFolder());
    EXPECT_TRUE(ProgramFileExists("ReplaceOption.ini"));
    EXPECT_EQ(sandbox.ReadSettingsFile(QStringLiteral("Option.ini")), QByteArray("[Option]\nTemplate=mine\n"));
}

} // namespace
