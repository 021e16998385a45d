#include "DefinitionFixture.h"
#include "DefinitionSections.h"
#include "ProfileDefinitions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace targets {

void PrintTo(const ChoiceList &list, std::ostream *out)
{
    *out << "{[" << list.items.join(QStringLiteral("|")).toStdString() << "], selected " << list.selectedIndex
         << (list.enabled ? ", enabled}" : ", disabled}");
}

void PrintTo(const NumberSetting &setting, std::ostream *out)
{
    *out << "{" << setting.minimum << ".." << setting.maximum << ", value " << setting.value << ", step "
         << setting.step << (setting.enabled ? ", enabled}" : ", disabled}");
}

} // namespace targets

using namespace targets;

namespace {

// GoogleTest names a case by its description.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case> &info)
{
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

struct ChoiceCase {
    const char *name;
    const char *ini;
    ChoiceList expected;
};

// Every case reads the family "K" of section "S".
const ChoiceCase ChoiceCases[] = {
    {"enumerated list selects its default", "[S]\nKCount=3\nKText0=a\nKText1=b\nKText2=c\nKDefault=1\n",
     {{"a", "b", "c"}, 1, true}},
    {"missing text is skipped", "[S]\nKCount=3\nKText0=a\nKText2=c\nKValue1=x\nKDefault=1\n",
     {{"a", "c"}, 1, true}},
    {"stored nodef counts as missing", "[S]\nKCount=2\nKText0=nodef\nKText1=b\nKDefault=0\n",
     {{"b"}, 0, true}},
    {"enumerated without default selects nothing", "[S]\nKCount=1\nKText0=a\n", {{"a"}, -1, true}},
    {"default beyond the items selects nothing", "[S]\nKCount=2\nKText0=a\nKText1=b\nKDefault=5\n",
     {{"a", "b"}, -1, true}},
    {"range without step counts by one", "[S]\nKMin=0\nKMax=9\nKDefault=0\n",
     {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 0, true}},
    {"range with step stops at the maximum", "[S]\nKMin=10\nKMax=32\nKStep=5\nKDefault=2\n",
     {{"10", "15", "20", "25", "30"}, 2, true}},
    {"range of negative numbers", "[S]\nKMin=-2\nKMax=-0\nKDefault=1\n", {{"-2", "-1", "0"}, 1, true}},
    {"zero step is taken as one", "[S]\nKMin=1\nKMax=3\nKStep=0\n", {{"1", "2", "3"}, -1, true}},
    {"negative step is taken as one", "[S]\nKMin=1\nKMax=2\nKStep=-4\n", {{"1", "2"}, -1, true}},
    {"minimum above maximum gives an empty enabled list", "[S]\nKMin=5\nKMax=2\n", {{}, -1, true}},
    {"count below one falls through to the range", "[S]\nKCount=0\nKText0=a\nKMin=1\nKMax=2\n",
     {{"1", "2"}, -1, true}},
    {"zero range with a text is fixed and disabled", "[S]\nKMin=0\nKMax=0\nKText=h264\nKDefault=-1\n",
     {{"h264"}, 0, false}},
    {"nothing defined gives an empty disabled list", "[S]\nKDefault=0\n", {{}, -1, false}},
    {"names match regardless of case", "[s]\nkcount=1\nktext0=a\nKDEFAULT=0\n", {{"a"}, 0, true}},
};

class ReadChoiceListCases : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ReadChoiceListCases, FillsAsDefined)
{
    DefinitionFixture fixture;
    const ProfileDefinitions reader = fixture.Load(GetParam().ini);
    EXPECT_EQ(ReadChoiceList(reader, "S", "K"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, ReadChoiceListCases, ::testing::ValuesIn(ChoiceCases),
                         CaseName<ChoiceCase>);

TEST(ReadChoiceList, HugeListsEndInsteadOfExhaustingTimeOrMemory)
{
    DefinitionFixture fixture;
    const ChoiceList range = ReadChoiceList(fixture.Load("[S]\nKMin=-2147483648\nKMax=2147483647\n"), "S", "K");
    EXPECT_TRUE(range.enabled);
    EXPECT_EQ(range.items.first(), "-2147483648");
    EXPECT_LE(range.items.size(), 10000);
    const ChoiceList counted = ReadChoiceList(fixture.Load("[S]\nKCount=2147483647\nKText0=a\n"), "S", "K");
    EXPECT_EQ(counted.items, QStringList{"a"});
}

TEST(ReadChoiceList, MissingFileBehavesAsEmpty)
{
    const ProfileDefinitions reader = ProfileDefinitions::Load("/nonexistent/PfDef.dll");
    EXPECT_EQ(ReadChoiceList(reader, "Ostrel-AVI", "VideoCodec"), (ChoiceList{{}, -1, false}));
    EXPECT_EQ(ReadNumberSetting(reader, "Ostrel-AVI", "VideoBitRate"), (NumberSetting{0, 0, 0, 1, true}));
    EXPECT_EQ(ProfileSectionOf(reader, "Ostrel-AVI"), NoProfile);
    EXPECT_EQ(ResolveChoiceValue(reader, "Ostrel-AVI", "OutputFormat", 0), NoDefinition);
}

struct NumberCase {
    const char *name;
    const char *ini;
    NumberSetting expected;
};

const NumberCase NumberCases[] = {
    {"fixed text fixes the field", "[S]\nNText=5000\nNMin=1\nNMax=9\n", {5000, 5000, 5000, 0, false}},
    {"minus one text selects the range", "[S]\nNText=-1\nNMin=100\nNMax=1600\nNDefault=812\n",
     {100, 1600, 812, 1, true}},
    {"range with its own step", "[S]\nNMin=32\nNMax=1920\nNDefault=720\nNStep=4\n", {32, 1920, 720, 4, true}},
    {"stored nodef text selects the range", "[S]\nNText=nodef\nNMax=10\n", {0, 10, 0, 1, true}},
    {"absent family is an enabled empty range", "[S]\n", {0, 0, 0, 1, true}},
};

class ReadNumberSettingCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumberSettingCases, FillsAsDefined)
{
    DefinitionFixture fixture;
    EXPECT_EQ(ReadNumberSetting(fixture.Load(GetParam().ini), "S", "N"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, ReadNumberSettingCases, ::testing::ValuesIn(NumberCases),
                         CaseName<NumberCase>);

TEST(ResolveChoiceValue, TakesTheFirstPresentKey)
{
    DefinitionFixture fixture;
    const ProfileDefinitions reader = fixture.Load("[S]\nKCount=3\nKText0=23.97\nKValue0=24000/1001\n"
                                                   "KText2=25\n"
                                                   "[Fixed]\nKText=h264\n"
                                                   "[FixedWithValue]\nKText=H.264\nKValue=h264\n"
                                                   "[Blank]\nKValue0=nodef\nKText0=shown\n");
    EXPECT_EQ(ResolveChoiceValue(reader, "S", "K", 0), "24000/1001");
    EXPECT_EQ(ResolveChoiceValue(reader, "s", "k", 2), "25");
    // The second item shown is KText2, yet index 1 resolves through KValue1/KText1.
    EXPECT_EQ(ResolveChoiceValue(reader, "S", "K", 1), NoDefinition);
    EXPECT_EQ(ResolveChoiceValue(reader, "S", "K", -1), NoDefinition);
    EXPECT_EQ(ResolveChoiceValue(reader, "Fixed", "K", 3), "h264");
    EXPECT_EQ(ResolveChoiceValue(reader, "FixedWithValue", "K", 0), "h264");
    EXPECT_EQ(ResolveChoiceValue(reader, "Blank", "K", 0), "shown");
}

TEST(DefinitionSections, FirstFillNamesTheDefaultFormatsSubSection)
{
    DefinitionFixture fixture;
    const ProfileDefinitions reader = fixture.Load("[Ostrel-MP4]\nOutputFormatCount=2\nOutputFormatText0=mp4\n"
                                                   "OutputFormatText1=M4V\nOutputFormatDefault=1\n"
                                                   "[Ostrel-NoDefault]\nOutputFormatText0=avi\n"
                                                   "[Ostrel-None]\nOutputFormatCount=0\nOutputFormatText0=avi\n"
                                                   "[Ostrel-Blank]\nOutputFormatText0=nodef\n");
    EXPECT_EQ(FirstFillSubSection(reader, "Ostrel-MP4"), "Ostrel-MP4-M4V");
    EXPECT_EQ(FirstFillSubSection(reader, "Ostrel-NoDefault"), "Ostrel-NoDefault-avi");
    EXPECT_EQ(FirstFillSubSection(reader, "Ostrel-None"), "Ostrel-None");
    EXPECT_EQ(FirstFillSubSection(reader, "Ostrel-Blank"), "Ostrel-Blank");
    EXPECT_EQ(FirstFillSubSection(reader, "Ostrel-Missing"), "Ostrel-Missing");
    EXPECT_EQ(OutputFormatSubSection(reader, "Ostrel-MP4", 1), "Ostrel-MP4-M4V");
}

TEST(DefinitionSections, FallBackToTheSubSectionOnlyWhenTheTargetSectionLacksTheFamily)
{
    DefinitionFixture fixture;
    const ProfileDefinitions reader = fixture.Load("[T]\nACount=1\nAText0=target\nBText=fixed\nNDefault=0\n"
                                                   "MMin=1\nMMax=5\nMDefault=3\n"
                                                   "[T-mp4]\nACount=1\nAText0=sub\nBCount=1\nBText0=sub\n"
                                                   "NMin=1\nNMax=9\nNDefault=7\nMMin=1\nMMax=9\nMDefault=8\n"
                                                   "CText0=c\n");
    EXPECT_EQ(ReadChoiceListWithFallback(reader, "T", "T-mp4", "A").items, QStringList{"target"});
    // A fixed (disabled) list in the target section is read again from the sub-section.
    EXPECT_EQ(ReadChoiceListWithFallback(reader, "T", "T-mp4", "B").items, QStringList{"sub"});
    EXPECT_EQ(ReadNumberSettingWithFallback(reader, "T", "T-mp4", "N").value, 7);
    EXPECT_EQ(ReadNumberSettingWithFallback(reader, "T", "T-mp4", "M").value, 3);
    EXPECT_EQ(ResolveChoiceValueWithFallback(reader, "T", "T-mp4", "C", 0), "c");
    EXPECT_EQ(ResolveChoiceValueWithFallback(reader, "T", "T-mp4", "A", 0), "target");
}

TEST(DefinitionSections, ProfileSectionAndAspectMode)
{
    DefinitionFixture fixture;
    const ProfileDefinitions reader = fixture.Load("[Ostrel-AVI]\nProfileName=AVI-Profile\n"
                                                   "[Ostrel-DVD_ISO]\nProfileName=nodef\n");
    EXPECT_EQ(ProfileSectionOf(reader, "ostrel-avi"), "AVI-Profile");
    EXPECT_EQ(ProfileSectionOf(reader, "Ostrel-DVD_ISO"), NoProfile);
    EXPECT_EQ(TargetSectionName(19), "Ostrel-iPod");
    EXPECT_EQ(JoinSection("Ostrel-MPEG", "11"), "Ostrel-MPEG-11");
    EXPECT_EQ(AspectModeOf("11"), 11);
    EXPECT_EQ(AspectModeOf(" 2"), 2);
    EXPECT_EQ(AspectModeOf("12 (DVD)"), 12);
    EXPECT_EQ(AspectModeOf(NoDefinition), 0);
    EXPECT_EQ(AspectModeOf("99999999999"), 999999999);
}

} // namespace
