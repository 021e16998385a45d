#include "ProgramOptions.h"
#include "SettingsSandbox.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class ProgramOptionsTest : public ::testing::Test {
protected:
    void WriteOptions(const QByteArray &content) { sandbox.WriteSettingsFile(QStringLiteral("Option.ini"), content); }
    QByteArray StoredOptions() const { return sandbox.ReadSettingsFile(QStringLiteral("Option.ini")); }
    QString DefaultOutputFolder() const { return sandbox.VideosFolder() + QStringLiteral("OutputFolder/"); }
    ProgramOptions Load(ProgramOptions::Access access = ProgramOptions::Access::Writable) const
    {
        return ProgramOptions::Load(sandbox.ProgramFolder(), sandbox.SettingsFolder(), access);
    }

    SettingsSandbox sandbox;
};

TEST_F(ProgramOptionsTest, FilesLieInTheSettingsFolder)
{
    const ProgramOptions options(sandbox.ProgramFolder(), sandbox.SettingsFolder());
    EXPECT_EQ(options.OptionFilePath(), sandbox.SettingsFolder() + QStringLiteral("Option.ini"));
    EXPECT_EQ(options.ProfileSettingsFilePath(), sandbox.SettingsFolder() + QStringLiteral("PfSetting.ini"));
    EXPECT_EQ(options.ProgramFolder(), sandbox.ProgramFolder());
    EXPECT_FALSE(options.IsWritable());
}

TEST_F(ProgramOptionsTest, OutputFolderDefaultsToTheVideosFolderAndIsCreated)
{
    const char *const stored[] = {"", "OutputFolder=nodef\n", "OutputFolder=/no/such/folder/\n",
                                  "OutputFolder=relative/folder\n", "OutputFolder=\n"};
    for (const char *line : stored) {
        WriteOptions(QByteArray("[Option]\n") + line);
        const ProgramOptions options = Load();
        EXPECT_EQ(options.outputFolder, DefaultOutputFolder()) << line;
        EXPECT_TRUE(QFileInfo(options.outputFolder).isDir()) << line;
        QDir(sandbox.VideosFolder()).removeRecursively();
    }
}

TEST_F(ProgramOptionsTest, ExistingOutputFolderGetsItsTrailingSlashAndKeepsItOnSave)
{
    const QString chosen = sandbox.ProgramFolder() + QStringLiteral("chosen");
    QDir().mkdir(chosen);
    WriteOptions("[Option]\nOutputFolder=" + chosen.toUtf8() + "\nTemplate=#Name-x\n");
    ProgramOptions options = Load();
    EXPECT_EQ(options.defaultAudio, 1);
    EXPECT_EQ(options.outputFolder, chosen + QLatin1Char('/'));

    options.outputFolder = chosen;   // as a folder picker hands it back
    options.defaultAudio = 4;
    options.notify = false;
    ASSERT_TRUE(options.SaveGeneral());
    EXPECT_EQ(options.outputFolder, chosen + QLatin1Char('/'));
    EXPECT_EQ(StoredOptions(),
              "[Option]\nOutputFolder=" + chosen.toUtf8() + "/\nTemplate=#Name-x\nDefaultAudio=4\nNotify=0\n");
}

TEST_F(ProgramOptionsTest, EveryKeyReadsItsDefaultAndItsStoredValue)
{
    WriteOptions("");
    ProgramOptions options = Load();
    EXPECT_EQ(options.defaultAudio, 1);
    EXPECT_EQ(options.DefaultAudioLanguage(), QStringLiteral("English"));
    EXPECT_EQ(options.minDurationSeconds, -1);
    EXPECT_EQ(options.openDialogFilter, QString());
    EXPECT_EQ(options.psp.upload, QString());
    EXPECT_TRUE(options.notify);
    EXPECT_EQ(options.stallTimeoutSeconds, 60);
    EXPECT_EQ(options.lastTarget, QStringLiteral("nodef"));
    EXPECT_EQ(options.renameSettings.nameTemplate, QStringLiteral("#Name"));
    EXPECT_EQ(options.renameSettings.firstSerialNumber, 1);
    EXPECT_EQ(options.renameSettings.fixedDigits, 3);
    EXPECT_FALSE(options.renameSettings.addDash || options.renameSettings.addUnderscore);
    EXPECT_FALSE(options.completion.powerOff || options.completion.upload);
    EXPECT_TRUE(options.completion.openFolder);

    WriteOptions("[option]\nDefaultAudio=5\nMinDuration=30\nOpenDialogFilter=Videos|*.avi\n"
                 "PSPUploadFolder=PSP/\nPSPAVCFolder=VIDEO/\nPSPMP4Folder=MP_ROOT/100MNV01/\nNotify=0\n"
                 "StallTimeout=0\nLastTarget=Zune_HD\nTemplate=#SN\nOutputPSPSerialNumber=7\nFitDigi=2\nAdd2=1\n"
                 "PowerOff=1\nOpenFolder=0\nUpload=1\n");
    options = Load();
    EXPECT_EQ(options.DefaultAudioLanguage(), QStringLiteral("Japanese"));
    EXPECT_EQ(options.minDurationSeconds, 30);
    EXPECT_EQ(options.openDialogFilter, QStringLiteral("Videos|*.avi"));
    EXPECT_EQ(options.psp.upload, QStringLiteral("PSP/"));
    EXPECT_EQ(options.psp.avc, QStringLiteral("VIDEO/"));
    EXPECT_EQ(options.psp.mp4, QStringLiteral("MP_ROOT/100MNV01/"));
    EXPECT_FALSE(options.notify);
    EXPECT_EQ(options.stallTimeoutSeconds, 0);
    EXPECT_EQ(options.lastTarget, QStringLiteral("Zune_HD"));
    EXPECT_EQ(options.renameSettings.nameTemplate, QStringLiteral("#SN"));
    EXPECT_EQ(options.renameSettings.firstSerialNumber, 7);
    EXPECT_EQ(options.renameSettings.fixedDigits, 2);
    EXPECT_TRUE(options.renameSettings.addUnderscore);
    EXPECT_TRUE(options.completion.powerOff && options.completion.upload);
    EXPECT_FALSE(options.completion.openFolder);
}

TEST_F(ProgramOptionsTest, EachGroupIsSavedInItsOrderBesideTheOthers)
{
    WriteOptions("[Option]\nDefaultAudio=1\n");
    ProgramOptions options(sandbox.ProgramFolder(), sandbox.SettingsFolder(), ProgramOptions::Access::Writable);
    options.renameSettings = {QStringLiteral("#Name_#SN"), 7, 2, false, true};
    ASSERT_TRUE(options.SaveRenameSettings());
    options.completion = {true, false, true};
    ASSERT_TRUE(options.SaveCompletion());
    options.lastTarget = QStringLiteral("iPod");
    ASSERT_TRUE(options.SaveLastTarget());
    EXPECT_EQ(StoredOptions(), QByteArray("[Option]\nDefaultAudio=1\nTemplate=#Name_#SN\nOutputPSPSerialNumber=7\n"
                                          "FitDigi=2\nAdd1=0\nAdd2=1\nPowerOff=1\nOpenFolder=0\nUpload=1\n"
                                          "LastTarget=iPod\n"));
    const ProgramOptions read = Load();
    EXPECT_EQ(read.renameSettings.nameTemplate, QStringLiteral("#Name_#SN"));
    EXPECT_TRUE(read.completion.upload);
    EXPECT_EQ(read.lastTarget, QStringLiteral("iPod"));
}

// The command-line converter reads the settings of a user who never started the
// program: nothing is made or written, whatever it asks.
TEST_F(ProgramOptionsTest, AReadOnlyObjectNeverWrites)
{
    ProgramOptions options = Load(ProgramOptions::Access::ReadOnly);
    EXPECT_EQ(options.outputFolder, DefaultOutputFolder());
    options.outputFolder = sandbox.ProgramFolder();
    options.renameSettings.nameTemplate = QStringLiteral("#SN");
    EXPECT_FALSE(options.SaveGeneral());
    EXPECT_FALSE(options.SaveRenameSettings());
    EXPECT_FALSE(options.SaveCompletion());
    EXPECT_FALSE(options.SaveLastTarget());
    EXPECT_FALSE(QFileInfo::exists(sandbox.VideosFolder()));
    EXPECT_FALSE(QFileInfo::exists(sandbox.SettingsFolder()));
}

TEST(AudioLanguages, DefaultIndexOneIsEnglishAndAnIndexOutOfRangeNamesNone)
{
    ASSERT_EQ(AudioLanguageNames().size(), 12);
    EXPECT_EQ(AudioLanguageNames().at(1), QStringLiteral("English"));
    ProgramOptions options(QStringLiteral("/program"), QStringLiteral("/settings"));
    options.defaultAudio = 12;
    EXPECT_EQ(options.DefaultAudioLanguage(), QString());
}

} // namespace
