// Checks the default profile and option files that ship in the program's folder.

#include "DefinitionSections.h"
#include "IniFile.h"
#include "ModalQuestions.h"
#include "ProfileEntryTexts.h"
#include "ProfileValueList.h"
#include "TargetCatalogue.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

using namespace targets;

namespace {

const QString ProgramFolder = QStringLiteral(PELORIN_PROGRAM_FOLDER "/");

const ProfileDefinitions &Definitions()
{
    static const ProfileDefinitions reader = ProfileDefinitions::Load(ProgramFolder + "PfDef.dll");
    return reader;
}

int Field(const QString &valueList, int number)
{
    return ProfileValues::Parse(valueList).Field(number);
}

int CountOf(const QString &section, const QString &fallback, const char *family)
{
    return int(ReadChoiceListWithFallback(Definitions(), section, fallback, family).items.size());
}

// The indexes of one profile against the lists the main window fills for its target.
void ExpectProfileFits(int target, const QString &name, const QString &values)
{
    const QString section = TargetSectionName(target);
    const std::string where = section.toStdString() + " " + name.toStdString() + " = " + values.toStdString();
    const int format = Field(values, 1);
    ASSERT_GE(format, 0) << where;
    ASSERT_LT(format, CountOf(section, section, "OutputFormat")) << where;
    const QString formatSection = OutputFormatSubSection(Definitions(), section, format);
    const struct { int field; const char *family; } indexes[] = {
        {6, "AudioBitrate"}, {7, "AudioSampleRate"}, {8, "AudioVolume"}, {11, "AudioCodec"},
        {2, "VideoAspect"}, {3, "VideoResolution"}, {4, "VideoFrameRate"}, {10, "VideoCodec"},
    };
    const bool music = target >= TargetAAC;
    for (const auto &index : indexes) {
        if (music && QString(index.family).startsWith(QStringLiteral("Video")))
            continue;
        EXPECT_GE(Field(values, index.field), 0) << where << " field " << index.field;
        EXPECT_LT(Field(values, index.field), CountOf(section, formatSection, index.family))
            << where << " field " << index.field;
    }
    EXPECT_NE(Field(values, 9), 0) << where << " is not protected";
    if (!music) {
        const NumberSetting bitRate = ReadNumberSettingWithFallback(Definitions(), section, formatSection, "VideoBitRate");
        EXPECT_GE(Field(values, 5), bitRate.minimum) << where;
        EXPECT_LE(Field(values, 5), bitRate.maximum) << where;
    }
}

// Selecting a target applies its preselected profile after the first fill: that profile must
// be the definition's own defaults, or the panel would not show what the definitions preselect.
void ExpectPreselectedProfileIsTheDefault(int target, const QString &values)
{
    const QString section = TargetSectionName(target);
    const int format = Field(values, 1);
    const QString formatSection = OutputFormatSubSection(Definitions(), section, format);
    const auto selected = [&](const char *family) {
        return ReadChoiceListWithFallback(Definitions(), section, formatSection, family).selectedIndex;
    };
    const std::string where = section.toStdString() + " " + values.toStdString();
    EXPECT_EQ(format, selected("OutputFormat")) << where;
    EXPECT_EQ(Field(values, 6), selected("AudioBitrate")) << where;
    EXPECT_EQ(Field(values, 7), selected("AudioSampleRate")) << where;
    EXPECT_EQ(Field(values, 8), selected("AudioVolume")) << where;
    EXPECT_EQ(Field(values, 11), selected("AudioCodec")) << where;
    if (target >= TargetAAC)
        return;
    EXPECT_EQ(Field(values, 2), selected("VideoAspect")) << where;
    EXPECT_EQ(Field(values, 3), selected("VideoResolution")) << where;
    EXPECT_EQ(Field(values, 4), selected("VideoFrameRate")) << where;
    EXPECT_EQ(Field(values, 10), selected("VideoCodec")) << where;
    EXPECT_EQ(Field(values, 5), ReadNumberSettingWithFallback(Definitions(), section, formatSection, "VideoBitRate").value)
        << where;
}

TEST(ShippedProfiles, EveryTargetWithProfilesHasProtectedBuiltInsThatFitItsLists)
{
    const platform::IniDocument settings = platform::IniDocument::Load(ProgramFolder + "PfSetting.ini");
    for (int target = 0; target < TargetCount; ++target) {
        const QString profileSection = ProfileSectionOf(Definitions(), TargetSectionName(target));
        if (profileSection == NoProfile)
            continue;
        const int count = settings.IntValue(profileSection, "ProfileCount", 0);
        EXPECT_GE(count, 2) << profileSection.toStdString();
        const int selected = settings.IntValue(profileSection, "ProfileDefault", -1);
        EXPECT_TRUE(selected >= -1 && selected < count) << profileSection.toStdString();
        for (int slot = 0; slot < count; ++slot) {
            const QString name = settings.Value(profileSection, "ProfileText" + QString::number(slot), "nodef");
            ASSERT_NE(name, "nodef") << profileSection.toStdString() << " slot " << slot;
            // The options dialog finds a profile's value list under its name.
            const QString values = settings.Value(profileSection, name, "nodef");
            ASSERT_NE(values, "nodef") << profileSection.toStdString() << " " << name.toStdString();
            ExpectProfileFits(target, name, values);
            // The options dialog's summary names the format or the codec of every video profile.
            const QString summary = DialogEntryText(Definitions(), TargetSectionName(target),
                                                    ProfileEntry{profileSection, slot, name, values});
            if (target < TargetAAC)
                EXPECT_FALSE(summary.contains(QStringLiteral(" : Video-,"))) << summary.toStdString();
            if (slot == selected)
                ExpectPreselectedProfileIsTheDefault(target, values);
        }
    }
}

// Windows filter syntax: description|patterns|description|patterns..., patterns joined by ";".
TEST(ShippedOptions, OpenDialogFilterListsTodaysVideoFiles)
{
    const QString filter = platform::ReadIniString(ProgramFolder + "Option.ini", "Option", "OpenDialogFilter", "");
    const QStringList parts = filter.split('|');
    ASSERT_GE(parts.size(), 2);
    ASSERT_EQ(parts.size() % 2, 0) << filter.toStdString();
    const QRegularExpression pattern("^\\*\\.([a-z0-9]+|\\*)$");
    QSet<QString> firstFilterExtensions;
    for (int index = 1; index < parts.size(); index += 2) {
        EXPECT_FALSE(parts.at(index - 1).trimmed().isEmpty());
        for (const QString &entry : parts.at(index).split(';')) {
            const QRegularExpressionMatch match = pattern.match(entry);
            EXPECT_TRUE(match.hasMatch()) << entry.toStdString();
            if (index == 1)
                firstFilterExtensions.insert(match.captured(1));
        }
    }
    for (const char *extension : {"avi", "mp4", "m4v", "mov", "mkv", "webm", "wmv", "asf", "flv", "mpg", "mpeg",
                                  "vob", "ts", "m2ts", "mts", "3gp", "divx", "dat", "rmvb", "swf"})
        EXPECT_TRUE(firstFilterExtensions.contains(extension)) << extension;
    EXPECT_EQ(parts.at(parts.size() - 1), "*.*");
    // The file dialog gets it in Qt's syntax: one filter per pair, the supported files first.
    const QStringList qtFilters = platform::QtFilterFromWindowsFilter(filter).split(";;");
    EXPECT_EQ(qtFilters.size(), parts.size() / 2);
    EXPECT_TRUE(qtFilters.first().startsWith("Supported Format File (*.avi ")) << qtFilters.first().toStdString();
}

} // namespace
