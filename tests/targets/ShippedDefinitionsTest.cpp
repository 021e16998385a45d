// Checks the definition file that ships in the program's folder, target by target, the way
// the parameter panel and job assembly read it.

#include "DefinitionSections.h"
#include "EngineVocabulary.h"
#include "TargetCatalogue.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

using namespace targets;

namespace {

const ProfileDefinitions &Shipped()
{
    static const ProfileDefinitions reader = ProfileDefinitions::Load(PELORIN_PROGRAM_FOLDER "/PfDef.dll");
    return reader;
}

bool IsMusicTarget(int target) { return target >= TargetAAC; }

// One way the panel can read a target: the section its lists come from, the section it falls
// back to, and the output format (container) chosen there.
struct ReadingContext {
    QString section;
    QString fallback;
    QString container;
    std::string Describe() const { return (section + " / " + fallback + " / " + container).toStdString(); }
};

QStringList ResolvedValues(const QString &section, const QString &fallback, const QString &base)
{
    const ChoiceList list = ReadChoiceListWithFallback(Shipped(), section, fallback, base);
    QStringList values;
    for (int index = 0; index < list.items.size(); ++index)
        values << ResolveChoiceValueWithFallback(Shipped(), section, fallback, base, index);
    return values;
}

// Every output format of the target; for MPEG every format of every aspect mode's section.
QVector<ReadingContext> ContextsOf(int target)
{
    const QString targetSection = TargetSectionName(target);
    QStringList sections{targetSection};
    if (target == TargetMPEG) {
        for (const QString &mode : ResolvedValues(targetSection, targetSection, "VideoAspect")) {
            if (AspectModeOf(mode) > 10)
                sections << JoinSection(targetSection, mode);
        }
    }
    QVector<ReadingContext> contexts;
    for (const QString &section : sections) {
        for (const QString &format : ResolvedValues(section, section, "OutputFormat")) {
            const QString fallback = target == TargetMPEG ? section : JoinSection(section, format);
            contexts.append({section, fallback, format});
        }
    }
    return contexts;
}

QStringList ShownFamilies(int target)
{
    QStringList families{"OutputFormat", "AudioCodec", "AudioBitrate", "AudioSampleRate"};
    if (!IsMusicTarget(target))
        families << "VideoCodec" << "VideoFrameRate";
    if (!IsMusicTarget(target) && target != TargetMPEG)
        families << "VideoResolution";
    return families;
}

void ExpectUsableList(const ChoiceList &list, const std::string &where)
{
    EXPECT_TRUE(list.enabled) << where;
    EXPECT_FALSE(list.items.isEmpty()) << where;
    EXPECT_GE(list.selectedIndex, 0) << where;
    EXPECT_LT(list.selectedIndex, list.items.size()) << where;
}

void ExpectUsableNumber(const NumberSetting &setting, const std::string &where)
{
    EXPECT_GT(setting.value, 0) << where;
    EXPECT_LE(setting.minimum, setting.value) << where;
    EXPECT_GE(setting.maximum, setting.value) << where;
}

QStringList ShownNumbers(int target)
{
    if (IsMusicTarget(target))
        return {};
    if (target == TargetMPEG)
        return {"VideoBitRate", "VideoWidth", "VideoHeight"};
    return {"VideoBitRate"};
}

void ExpectContextFilled(int target, const ReadingContext &context)
{
    for (const QString &family : ShownFamilies(target))
        ExpectUsableList(ReadChoiceListWithFallback(Shipped(), context.section, context.fallback, family),
                         context.Describe() + " " + family.toStdString());
    for (const QString &family : ShownNumbers(target))
        ExpectUsableNumber(ReadNumberSettingWithFallback(Shipped(), context.section, context.fallback, family),
                           context.Describe() + " " + family.toStdString());
}

TEST(ShippedDefinitions, EveryTargetFillsTheControlsItShows)
{
    for (int target = 0; target < TargetCount; ++target) {
        const QString targetSection = TargetSectionName(target);
        const std::string where = targetSection.toStdString();
        ASSERT_GE(Shipped().Integer(targetSection, "OutputFormatCount", 0), 1) << where;
        ExpectUsableList(ReadChoiceList(Shipped(), targetSection, "OutputFormat"), where);
        ExpectUsableList(ReadChoiceList(Shipped(), targetSection, "AudioChannel"), where);
        if (!IsMusicTarget(target))
            ExpectUsableList(ReadChoiceList(Shipped(), targetSection, "VideoAspect"), where);
        for (const ReadingContext &context : ContextsOf(target))
            ExpectContextFilled(target, context);
    }
}

TEST(ShippedDefinitions, EveryOfferedValueIsOneTheEngineAccepts)
{
    const QRegularExpression size("^([1-9][0-9]*):([1-9][0-9]*)$");
    const QRegularExpression frameRate("^(Auto|[1-9][0-9]*(\\.[0-9]+)?|[1-9][0-9]*/[1-9][0-9]*)$");
    const QRegularExpression number("^[1-9][0-9]*$");
    for (int target = 0; target < TargetCount; ++target) {
        for (const ReadingContext &context : ContextsOf(target)) {
            const std::string where = context.Describe();
            const auto values = [&](const char *family) { return ResolvedValues(context.section, context.fallback, family); };
            EXPECT_TRUE(vocabulary::Containers.contains(context.container)) << where;
            EXPECT_TRUE(QRegularExpression("^[a-z0-9]+$").match(context.container).hasMatch()) << where;
            for (const QString &codec : values("VideoCodec"))
                EXPECT_TRUE(vocabulary::VideoCodecs.contains(codec)) << where << " " << codec.toStdString();
            for (const QString &codec : values("AudioCodec"))
                EXPECT_TRUE(vocabulary::AudioCodecs.contains(codec)) << where << " " << codec.toStdString();
            for (const QString &resolution : values("VideoResolution")) {
                const QRegularExpressionMatch match = size.match(resolution);
                ASSERT_TRUE(match.hasMatch()) << where << " " << resolution.toStdString();
                EXPECT_EQ(match.captured(1).toInt() % 2, 0) << where << " " << resolution.toStdString();
                EXPECT_EQ(match.captured(2).toInt() % 2, 0) << where << " " << resolution.toStdString();
            }
            for (const QString &rate : values("VideoFrameRate"))
                EXPECT_TRUE(frameRate.match(rate).hasMatch()) << where << " " << rate.toStdString();
            for (const QString &rate : values("AudioBitrate") + values("AudioSampleRate"))
                EXPECT_TRUE(number.match(rate).hasMatch()) << where << " " << rate.toStdString();
        }
    }
}

TEST(ShippedDefinitions, EveryOfferedCombinationEncodes)
{
    for (int target = 0; target < TargetCount; ++target) {
        for (const ReadingContext &context : ContextsOf(target)) {
            const auto values = [&](const char *family) { return ResolvedValues(context.section, context.fallback, family); };
            const QString &container = context.container;
            const std::string where = context.Describe();
            for (const QString &video : values("VideoCodec")) {
                EXPECT_TRUE(vocabulary::ContainerCarriesVideo(container, video)) << where << " " << video.toStdString();
                for (const QString &rate : values("VideoFrameRate"))
                    EXPECT_TRUE(vocabulary::VideoEncoderAcceptsFrameRate(video, rate)) << where << " " << rate.toStdString();
            }
            for (const QString &audio : values("AudioCodec")) {
                EXPECT_TRUE(vocabulary::ContainerCarriesAudio(container, audio)) << where << " " << audio.toStdString();
                for (const QString &sampleRate : values("AudioSampleRate")) {
                    EXPECT_TRUE(vocabulary::ContainerCarriesSampleRate(container, audio, sampleRate.toInt()))
                        << where << " " << sampleRate.toStdString();
                    for (const QString &bitRate : values("AudioBitrate"))
                        EXPECT_TRUE(vocabulary::AudioEncoderAccepts(audio, sampleRate.toInt(), bitRate.toInt()))
                            << where << " " << audio.toStdString() << " " << sampleRate.toStdString() << " Hz "
                            << bitRate.toStdString() << " kbps";
                }
            }
        }
    }
}

TEST(ShippedDefinitions, OutputFormatValuesNameTheirSubSections)
{
    for (int target = 0; target < TargetCount; ++target) {
        const QString section = TargetSectionName(target);
        const ChoiceList formats = ReadChoiceList(Shipped(), section, "OutputFormat");
        for (int index = 0; index < formats.items.size(); ++index) {
            const QString value = ResolveChoiceValue(Shipped(), section, "OutputFormat", index);
            EXPECT_EQ(value.compare(formats.items.at(index), Qt::CaseInsensitive), 0) << section.toStdString();
        }
    }
}

TEST(ShippedDefinitions, AspectModesAndVolumeRange)
{
    const ChoiceList volumeSteps = ChoiceList{{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, 0, true};
    for (int target = 0; target < TargetCount; ++target) {
        const QString section = TargetSectionName(target);
        EXPECT_EQ(ReadChoiceList(Shipped(), section, "AudioVolume"), volumeSteps) << section.toStdString();
        for (const QString &value : ResolvedValues(section, section, "VideoAspect")) {
            const int mode = AspectModeOf(value);
            const bool mpegMode = target == TargetMPEG && mode >= 11 && mode <= 18;
            EXPECT_TRUE(mode <= 2 || mpegMode) << section.toStdString() << " mode " << mode;
            EXPECT_EQ(value, QString::number(mode)) << section.toStdString();
        }
    }
}

TEST(ShippedDefinitions, MpegModesHaveCompleteSubSectionsWithTheTargetsFormatList)
{
    const QString mpeg = TargetSectionName(TargetMPEG);
    const QStringList formats = ResolvedValues(mpeg, mpeg, "OutputFormat");
    int subSections = 0;
    for (const QString &mode : ResolvedValues(mpeg, mpeg, "VideoAspect")) {
        if (AspectModeOf(mode) <= 10)
            continue;
        ++subSections;
        const QString section = JoinSection(mpeg, mode);
        // Job assembly resolves the format index in the target section: both lists must agree.
        EXPECT_EQ(ResolvedValues(section, section, "OutputFormat"), formats) << section.toStdString();
        for (const char *family : {"VideoCodec", "VideoFrameRate", "AudioBitrate", "AudioCodec", "AudioChannel",
                                   "AudioSampleRate", "OutputFormat"})
            ExpectUsableList(ReadChoiceList(Shipped(), section, family), section.toStdString() + " " + family);
        for (const char *family : {"VideoBitRate", "VideoWidth", "VideoHeight"})
            ExpectUsableNumber(ReadNumberSetting(Shipped(), section, family), section.toStdString() + " " + family);
    }
    EXPECT_EQ(subSections, 8);
}

TEST(ShippedDefinitions, DvdTargetsOfferNoAutomaticFrameRate)
{
    for (int target = TargetVOB_File; target <= TargetDVD_ISO; ++target) {
        for (const ReadingContext &context : ContextsOf(target))
            EXPECT_FALSE(ResolvedValues(context.section, context.fallback, "VideoFrameRate").contains("Auto"))
                << context.Describe();
    }
}

// The options dialog reads a multi-format target's lists from the chosen format's sub-section
// only, the main window from the target section: both must show the same lists.
TEST(ShippedDefinitions, FormatSubSectionsRepeatTheSharedLists)
{
    for (int target = 0; target < TargetCount; ++target) {
        const QString section = TargetSectionName(target);
        if (ProfileSectionOf(Shipped(), section) == NoProfile || Shipped().Integer(section, "OutputFormatCount", 0) < 2)
            continue;
        for (const ReadingContext &context : ContextsOf(target)) {
            for (const char *family : {"VideoResolution", "VideoFrameRate", "AudioBitrate", "AudioSampleRate", "AudioVolume"})
                EXPECT_EQ(ReadChoiceList(Shipped(), context.fallback, family), ReadChoiceList(Shipped(), section, family))
                    << context.fallback.toStdString() << " " << family;
            EXPECT_EQ(ReadNumberSetting(Shipped(), context.fallback, "VideoBitRate"),
                      ReadNumberSetting(Shipped(), section, "VideoBitRate")) << context.fallback.toStdString();
        }
    }
}

TEST(ShippedDefinitions, ProfileSectionsAreTheOnesTheOptionsDialogWrites)
{
    for (int target = 0; target < TargetCount; ++target) {
        const QString profileSection = ProfileSectionOf(Shipped(), TargetSectionName(target));
        const bool hasProfiles = target != TargetMPEG && !IsDvdTarget(target);
        EXPECT_EQ(profileSection, hasProfiles ? TargetName(target) + "-Profile" : NoProfile) << target;
    }
}

} // namespace
