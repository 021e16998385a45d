// Output names from the template: tokens, durations, serial numbers, the growing text.

#include "OutputName.h"
#include "QStringPrinting.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>

namespace naming {
namespace {

const QDate kToday(2009, 10, 25);

OutputPanelValues AviPanelWithSizeFields(const QString &width, const QString &height)
{
    OutputPanelValues panel;
    panel.targetNumber = 0;
    panel.sizeFieldsEnabled = true;
    panel.widthText = width;
    panel.heightText = height;
    panel.outputFormatIndex = 0;
    panel.outputFormatValue = QStringLiteral("avi");
    return panel;
}

ClipNamingFacts Clip(const QString &fileName, int startTime = 0, int endTime = 0)
{
    return ClipNamingFacts{fileName, startTime, endTime, 1280, 720};
}

RenameSettings WithTemplate(const QString &nameTemplate)
{
    RenameSettings settings;
    settings.nameTemplate = nameTemplate;
    return settings;
}

TEST(OutputName, NameAndResolutionWithExtension)
{
    const QString name = MakeOutputName(Clip(QStringLiteral("/Movies/Titanic.avi")), 0,
                                         WithTemplate(QStringLiteral("#Name-#Resolution")),
                                         AviPanelWithSizeFields(QStringLiteral("720"), QStringLiteral("480")), kToday);
    EXPECT_EQ(name, QStringLiteral("Titanic-720x480.avi"));
}

struct TemplateCase {
    const char *nameTemplate;
    const char *fileName;
    int position;
    int startTime;
    int endTime;
    const char *expected;
};

void PrintTo(const TemplateCase &c, std::ostream *out)
{
    *out << c.nameTemplate << " for " << c.fileName << " at " << c.position;
}

class TemplateExpansion : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(TemplateExpansion, GivesExpectedName)
{
    const TemplateCase &c = GetParam();
    OutputPanelValues noExtension;
    noExtension.targetNumber = 19;
    const QString name = MakeOutputName(Clip(QString::fromUtf8(c.fileName), c.startTime, c.endTime), c.position,
                                         WithTemplate(QString::fromUtf8(c.nameTemplate)), noExtension, kToday);
    EXPECT_EQ(name, QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Tokens, TemplateExpansion, ::testing::Values(
    TemplateCase{"", "/v/a.avi", 0, 0, 0, "001"},
    TemplateCase{"  \t ", "/v/a.avi", 4, 0, 0, "005"},
    TemplateCase{" #Name\n", "/v/Clip One.avi", 0, 0, 0, "Clip One"},
    TemplateCase{"#ClipID", "/v/a.avi", 0, 0, 0, "Clip0"},
    TemplateCase{"#ClipID", "/v/a.avi", 11, 0, 0, "Clip11"},
    TemplateCase{"#Length", "/v/a.avi", 0, 100, 6512, "106m52s"},
    TemplateCase{"#Length", "/v/a.avi", 0, 0, 3186, "53m06s"},
    TemplateCase{"#Length", "/v/a.avi", 0, 0, 303, "05m03s"},
    TemplateCase{"#Length", "/v/a.avi", 0, 7, 7, "00m00s"},
    TemplateCase{"#Name", "/v/README", 0, 0, 0, "README"},
    TemplateCase{"#Name", "/v/a.b.c.mkv", 0, 0, 0, "a.b.c"},
    TemplateCase{"#Name", "/v.d/noext", 0, 0, 0, "noext"},
    TemplateCase{"#name #sn #NAME", "/v/a.avi", 0, 0, 0, "#name #sn #NAME"},
    TemplateCase{"#Time_#SN", "/v/a.avi", 1, 0, 0, "10-25-2009_002"},
    TemplateCase{"#Name#Name", "/v/x.avi", 0, 0, 0, "xx"},
    // Replacements run on the growing text: a source name carrying a token gets it replaced.
    TemplateCase{"#Name", "/v/#SN trailer.avi", 2, 0, 0, "003 trailer"},
    TemplateCase{"#Name", "/v/#Name.avi", 0, 0, 0, "#Name"}));

TEST(OutputName, ResolutionTokenFollowsThePanel)
{
    OutputPanelValues panel = AviPanelWithSizeFields(QStringLiteral("720"), QStringLiteral("480"));
    const RenameSettings settings = WithTemplate(QStringLiteral("#Resolution"));
    const ClipNamingFacts clip = Clip(QStringLiteral("/v/a.avi"));

    panel.resolutionListShown = true;
    panel.resolutionText = QStringLiteral("400:192");
    EXPECT_EQ(MakeOutputName(clip, 0, settings, panel, kToday), QStringLiteral("400x192.avi"));

    panel.resolutionText = QStringLiteral("Original Width : Height");
    EXPECT_EQ(MakeOutputName(clip, 0, settings, panel, kToday), QStringLiteral("1280x720.avi"));

    panel.resolutionListShown = false;
    panel.sizeFieldsEnabled = false;
    EXPECT_EQ(MakeOutputName(clip, 0, settings, panel, kToday), QStringLiteral("1280x720.avi"));
}

// A music target's output has no picture: whatever the panel's size controls and the
// clip's size hold, "#Resolution" gives nothing and takes one separator with it.
TEST(OutputName, ResolutionOfAMusicTargetIsEmptyWithoutADoubledSeparator)
{
    OutputPanelValues stalePanel = AviPanelWithSizeFields(QStringLiteral("720"), QStringLiteral("480"));
    stalePanel.targetNumber = 39;
    stalePanel.outputFormatValue = QStringLiteral("mp3");
    OutputPanelValues hiddenControls = stalePanel;
    hiddenControls.sizeFieldsEnabled = false;
    const ClipNamingFacts audioClip{QStringLiteral("/m/tone.mp3"), 0, 0, 0, 0};
    const ClipNamingFacts videoClip = Clip(QStringLiteral("/m/tone.avi"));
    const struct {
        const char *nameTemplate;
        const char *expected;
    } cases[] = {
        {"#Name-#SN-#Resolution", "tone-001.mp3"},
        {"#Name-#Resolution-#SN", "tone-001.mp3"},
        {"#Resolution_#Name", "tone.mp3"},
        {"#Name #Resolution#Resolution", "tone.mp3"},
        {"#Resolution", "001.mp3"},   // nothing left: the serial number, as for an empty template
    };
    for (const auto &c : cases) {
        const RenameSettings settings = WithTemplate(QString::fromUtf8(c.nameTemplate));
        for (const OutputPanelValues &panel : {stalePanel, hiddenControls})
            for (const ClipNamingFacts &clip : {audioClip, videoClip})
                EXPECT_EQ(MakeOutputName(clip, 0, settings, panel, kToday), QString::fromUtf8(c.expected))
                    << c.nameTemplate;
    }
}

struct SerialCase {
    qint64 number;
    int fixedDigits;
    const char *expected;
};

void PrintTo(const SerialCase &c, std::ostream *out)
{
    *out << c.number << " with " << c.fixedDigits << " digits";
}

class SerialNumber : public ::testing::TestWithParam<SerialCase> {};

TEST_P(SerialNumber, IsZeroPaddedToClampedDigits)
{
    EXPECT_EQ(SerialNumberText(GetParam().number, GetParam().fixedDigits), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Formats, SerialNumber, ::testing::Values(
    SerialCase{1, 3, "001"},
    SerialCase{12, 3, "012"},
    SerialCase{1234, 3, "1234"},
    SerialCase{-5, 3, "-005"},
    SerialCase{0, 3, "000"},
    SerialCase{7, 0, "7"},
    SerialCase{7, -4, "7"},
    SerialCase{7, 12, "000000007"},
    SerialCase{7, 9, "000000007"}));

TEST(OutputName, SerialStartsAtTheSettingAndNeverOverflows)
{
    RenameSettings settings = WithTemplate(QStringLiteral("#SN"));
    settings.firstSerialNumber = INT_MAX;
    settings.fixedDigits = 2;
    EXPECT_EQ(SerialNumberOfPosition(3, settings), QStringLiteral("2147483650"));
    settings.firstSerialNumber = -2;
    EXPECT_EQ(SerialNumberOfPosition(0, settings), QStringLiteral("-02"));
}

TEST(OutputName, NegativeLengthKeepsItsSign)
{
    EXPECT_EQ(LengthText(-65), QStringLiteral("-01m-05s"));
}

} // namespace
} // namespace naming
