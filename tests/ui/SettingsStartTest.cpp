// First and later starts of the program through its real windows: the per-user
// settings files, the marker files and the default output folder.

#include "MainWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "TestEngine.h"

namespace {

class SettingsStartTest : public MainWindowFixture {
protected:
    NoEngine noEngine;

    void ShipDefaults(const QByteArray &options, const QByteArray &profiles)
    {
        sandbox.WriteProgramFile("Option.ini", options);
        sandbox.WriteProgramFile("PfSetting.ini", profiles);
    }
    bool ProgramFileExists(const char *name) { return QFile::exists(sandbox.ProgramFolder() + name); }
};

TEST_F(SettingsStartTest, FirstStartCopiesTheDefaultsIntoANewSettingsFolder)
{
    ShipDefaults("[Option]\nTemplate=#Name_Shipped\n", "[iPod-Profile]\nCount=0\n");
    Start();
    EXPECT_EQ(windows->Options.SettingsFolder(), sandbox.SettingsFolder());
    EXPECT_TRUE(sandbox.SettingsFolder().endsWith("/Pelorin/Pelorin Video Converter/"));
    EXPECT_TRUE(sandbox.ReadSettingsFile("Option.ini").contains("Template=#Name_Shipped"));
    EXPECT_EQ(sandbox.ReadSettingsFile("PfSetting.ini"), QByteArray("[iPod-Profile]\nCount=0\n"));
    EXPECT_EQ(windows->Options.renameSettings.nameTemplate, "#Name_Shipped");
}

TEST_F(SettingsStartTest, LaterStartKeepsTheUsersFilesAndAMarkerReplacesOnlyItsFile)
{
    ShipDefaults("[Option]\nTemplate=#Shipped\n", "[Shipped]\n");
    sandbox.WriteSettingsFile("Option.ini", "[Option]\nTemplate=#Mine\n");
    sandbox.WriteSettingsFile("PfSetting.ini", "[Mine]\n");
    Start();
    EXPECT_EQ(windows->Options.renameSettings.nameTemplate, "#Mine");
    EXPECT_TRUE(sandbox.ReadSettingsFile("PfSetting.ini").contains("[Mine]"));
    Finish();

    sandbox.WriteProgramFile("ReplaceOption.ini", "");
    Start();
    EXPECT_EQ(windows->Options.renameSettings.nameTemplate, "#Shipped");
    EXPECT_TRUE(sandbox.ReadSettingsFile("Option.ini").contains("Template=#Shipped"));
    EXPECT_TRUE(sandbox.ReadSettingsFile("PfSetting.ini").contains("[Mine]"));
    EXPECT_FALSE(ProgramFileExists("ReplaceOption.ini"));
}

TEST_F(SettingsStartTest, PfSettingMarkerReplacesTheProfilesOnlyOnce)
{
    ShipDefaults("[Option]\n", "[Shipped]\n");
    sandbox.WriteSettingsFile("PfSetting.ini", "[Mine]\n");
    sandbox.WriteProgramFile("ReplacePfSetting.ini", "anything");
    Start();
    EXPECT_TRUE(sandbox.ReadSettingsFile("PfSetting.ini").contains("[Shipped]"));
    EXPECT_FALSE(ProgramFileExists("ReplacePfSetting.ini"));
}

TEST_F(SettingsStartTest, WithoutAnOutputFolderTheVideosFolderGetsOneAndItIsWrittenWithASlash)
{
    Start();
    const QString expected = sandbox.VideosFolder() + "OutputFolder/";
    EXPECT_EQ(windows->Options.outputFolder, expected);
    EXPECT_TRUE(QDir(expected).exists());
    EXPECT_EQ(Control<QLineEdit>("suiEdit_OutputFolder")->text(), expected + "iPod/");
    Click("suiImageButton_Close");
    EXPECT_TRUE(sandbox.ReadSettingsFile("Option.ini").contains(("OutputFolder=" + expected).toUtf8()));
}

TEST_F(SettingsStartTest, AStoredFolderWithoutSlashGetsOneAndTheEndWritesTheWindowsOptions)
{
    const QString stored = sandbox.ConfigFolder() + "mine";
    QDir().mkpath(stored);
    sandbox.WriteSettingsFile("Option.ini", ("[Option]\nOutputFolder=" + stored + "\nFitDigi=5\nOpenFolder=0\n").toUtf8());
    Start();
    EXPECT_EQ(windows->Options.outputFolder, stored + "/");
    Click("suiImageButton_Close");
    Finish();
    const QByteArray options = sandbox.ReadSettingsFile("Option.ini");
    EXPECT_TRUE(options.contains(("OutputFolder=" + stored + "/\n").toUtf8())) << options.constData();
    for (const char *written : {"Template=#Name", "FitDigi=5", "OpenFolder=0", "PowerOff=0", "Upload=0"})
        EXPECT_TRUE(options.contains(written)) << written << "\n" << options.constData();
}

} // namespace
