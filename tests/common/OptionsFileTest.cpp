#include "OptionVariables.h"
#include "OptionsFile.h"
#include "SettingsLocation.h"
#include "SettingsSandbox.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class OptionsFileTest : public ::testing::Test {
protected:
    void SetUp() override { LocateSettings(); }
    void writeOptions(const QByteArray &content) { sandbox.writeSettingsFile(QStringLiteral("Option.ini"), content); }
    QString defaultOutputFolder() const { return sandbox.videosFolder() + QStringLiteral("OutputFolder/"); }

    SettingsSandbox sandbox;
};

TEST_F(OptionsFileTest, OutputFolderDefaultsToTheVideosFolderAndIsCreated)
{
    const char *const stored[] = {"", "OutputFolder=nodef\n", "OutputFolder=/no/such/folder/\n",
                                  "OutputFolder=relative/folder\n", "OutputFolder=\n"};
    for (const char *line : stored) {
        writeOptions(QByteArray("[Option]\n") + line);
        ReadGeneralOptions();
        EXPECT_EQ(g_s_OutputFolder, defaultOutputFolder()) << line;
        EXPECT_TRUE(QFileInfo(g_s_OutputFolder).isDir()) << line;
        QDir(sandbox.videosFolder()).removeRecursively();
    }
}

TEST_F(OptionsFileTest, ExistingOutputFolderGetsItsTrailingSlashAndKeepsItOnSave)
{
    const QString chosen = sandbox.programFolder() + QStringLiteral("chosen");
    QDir().mkdir(chosen);
    writeOptions("[Option]\nOutputFolder=" + chosen.toUtf8() + "\nTemplate=#Name-x\n");
    EXPECT_EQ(ReadGeneralOptions(), 1);
    EXPECT_EQ(g_s_OutputFolder, chosen + QLatin1Char('/'));

    g_s_OutputFolder = chosen;   // as a folder picker hands it back
    ASSERT_TRUE(WriteGeneralOptions(4));
    EXPECT_EQ(g_s_OutputFolder, chosen + QLatin1Char('/'));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")),
              "[Option]\nOutputFolder=" + chosen.toUtf8() + "/\nTemplate=#Name-x\nDefaultAudio=4\n");
}

TEST_F(OptionsFileTest, GeneralOptionsReadTheirDefaultsAndStoredValues)
{
    writeOptions("");
    EXPECT_EQ(ReadGeneralOptions(), 1);
    EXPECT_EQ(i_MinDurationTime, -1);
    EXPECT_EQ(OpenDialogFilter, QString());
    EXPECT_EQ(PSPUploadFolder, QString());

    writeOptions("[option]\nDefaultAudio=5\nMinDuration=30\nOpenDialogFilter=Videos|*.avi\n"
                 "PSPUploadFolder=PSP/\nPSPAVCFolder=VIDEO/\nPSPMP4Folder=MP_ROOT/100MNV01/\n");
    EXPECT_EQ(ReadGeneralOptions(), 5);
    EXPECT_EQ(i_MinDurationTime, 30);
    EXPECT_EQ(OpenDialogFilter, QStringLiteral("Videos|*.avi"));
    EXPECT_EQ(PSPUploadFolder, QStringLiteral("PSP/"));
    EXPECT_EQ(PSPAVCFolder, QStringLiteral("VIDEO/"));
    EXPECT_EQ(PSPMP4Folder, QStringLiteral("MP_ROOT/100MNV01/"));
}

TEST_F(OptionsFileTest, RenameOptionsDefaultAndRoundTripInOrder)
{
    ReadRenameOptions();
    EXPECT_EQ(g_Rename_Template, QStringLiteral("#Name"));
    EXPECT_EQ(i_OutputPSPSerialNumber, 1);
    EXPECT_EQ(i_FitDigi, 3);
    EXPECT_FALSE(g_b_Add1);
    EXPECT_FALSE(g_b_Add2);

    writeOptions("[Option]\nDefaultAudio=1\n");
    g_Rename_Template = QStringLiteral("#Name_#SN");
    i_OutputPSPSerialNumber = 7;
    i_FitDigi = 2;
    g_b_Add2 = true;
    ASSERT_TRUE(WriteRenameOptions());
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")),
              QByteArray("[Option]\nDefaultAudio=1\nTemplate=#Name_#SN\nOutputPSPSerialNumber=7\nFitDigi=2\nAdd1=0\nAdd2=1\n"));
    g_Rename_Template.clear();
    i_OutputPSPSerialNumber = i_FitDigi = 0;
    g_b_Add2 = false;
    ReadRenameOptions();
    EXPECT_EQ(g_Rename_Template, QStringLiteral("#Name_#SN"));
    EXPECT_EQ(i_OutputPSPSerialNumber, 7);
    EXPECT_EQ(i_FitDigi, 2);
    EXPECT_TRUE(g_b_Add2);
}

TEST_F(OptionsFileTest, CompletionOptionsDefaultAndRoundTripInOrder)
{
    const CompletionOptions defaults = ReadCompletionOptions();
    EXPECT_FALSE(defaults.powerOff);
    EXPECT_TRUE(defaults.openFolder);
    EXPECT_FALSE(defaults.upload);

    ASSERT_TRUE(WriteCompletionOptions({true, false, true}));
    EXPECT_EQ(sandbox.readSettingsFile(QStringLiteral("Option.ini")),
              QByteArray("[Option]\nPowerOff=1\nOpenFolder=0\nUpload=1\n"));
    const CompletionOptions read = ReadCompletionOptions();
    EXPECT_TRUE(read.powerOff);
    EXPECT_FALSE(read.openFolder);
    EXPECT_TRUE(read.upload);
}

TEST(AudioLanguages, DefaultIndexOneIsEnglish)
{
    ASSERT_EQ(AudioLanguageNames().size(), 12);
    EXPECT_EQ(AudioLanguageNames().at(1), QStringLiteral("English"));
}

} // namespace
