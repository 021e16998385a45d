// The extension rule over targets, output formats and the MPEG aspect modes.

#include "OutputExtension.h"
#include "QStringPrinting.h"

#include <gtest/gtest.h>

#include <ostream>

namespace naming {
namespace {

struct ExtensionCase {
    int target;
    int aspectMode;
    int formatIndex;
    const char *formatValue;
    const char *expected;
};

void PrintTo(const ExtensionCase &c, std::ostream *out)
{
    *out << "target " << c.target << " mode " << c.aspectMode << " format " << c.formatIndex << "=" << c.formatValue;
}

class ExtensionRule : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(ExtensionRule, GivesExpectedExtension)
{
    const ExtensionCase &c = GetParam();
    OutputPanelValues panel;
    panel.targetNumber = c.target;
    panel.aspectMode = c.aspectMode;
    panel.outputFormatIndex = c.formatIndex;
    panel.outputFormatValue = QString::fromLatin1(c.formatValue);
    EXPECT_EQ(OutputExtension(panel), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Targets, ExtensionRule, ::testing::Values(
    ExtensionCase{0, 0, 0, "avi", ".avi"},
    ExtensionCase{19, 0, 1, "MP4", ".mp4"},
    ExtensionCase{14, 0, 0, "ts", ".m2ts"},
    ExtensionCase{14, 0, -1, "", ""},
    ExtensionCase{3, 11, 0, "mpg", ".vob"},
    ExtensionCase{3, 12, -1, "", ".vob"},
    ExtensionCase{3, 17, 0, "mpg", ".vob"},
    ExtensionCase{3, 18, 0, "mpg", ".vob"},
    ExtensionCase{3, 10, 0, "mpg", ".mpg"},
    ExtensionCase{3, 13, -1, "", ""},
    ExtensionCase{7, 0, -1, "", ".vob"},
    ExtensionCase{7, 0, 0, "mpg", ".vob"},
    ExtensionCase{23, 0, -1, "", ".mp4"},
    ExtensionCase{23, 0, 0, "avc", ".mp4"},
    ExtensionCase{39, 0, -1, "", ""},
    // A format the definitions lack resolves to "nodef", which is no extension.
    ExtensionCase{0, 0, 2, "nodef", ""}));

} // namespace
} // namespace naming
