// Every output format of every target in the shipped definitions gives a usable extension.

#include "OutputExtension.h"
#include "QStringPrinting.h"

#include "ProfileDefinitions.h"
#include "TargetCatalogue.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace naming {
namespace {

OutputPanelValues PanelOfFormat(const targets::ProfileDefinitions &definitions, int target, int formatIndex)
{
    OutputPanelValues panel;
    panel.targetNumber = target;
    panel.outputFormatIndex = formatIndex;
    panel.outputFormatValue = targets::ResolveChoiceValue(definitions, targets::TargetSectionName(target),
                                                          QStringLiteral("OutputFormat"), formatIndex);
    return panel;
}

TEST(ShippedExtensions, EveryTargetAndFormatGivesAPlainExtension)
{
    const auto definitions = targets::ProfileDefinitions::Load(QStringLiteral(SHIPPED_DEFINITIONS));
    const QRegularExpression plainExtension(QStringLiteral("^\\.[a-z0-9]+$"));
    int checkedFormats = 0;
    for (int target = 0; target < targets::TargetCount; ++target) {
        const targets::ChoiceList formats = targets::ReadChoiceList(
            definitions, targets::TargetSectionName(target), QStringLiteral("OutputFormat"));
        for (int index = 0; index < formats.items.size(); ++index) {
            const QString extension = OutputExtension(PanelOfFormat(definitions, target, index));
            EXPECT_TRUE(plainExtension.match(extension).hasMatch())
                << "target " << target << " format " << index << ": " << extension.toStdString();
            ++checkedFormats;
        }
    }
    EXPECT_GT(checkedFormats, targets::TargetCount) << "the definitions were not read";
}

TEST(ShippedExtensions, DeviceTargetsWriteMp4AndMusicMp3)
{
    const auto definitions = targets::ProfileDefinitions::Load(QStringLiteral(SHIPPED_DEFINITIONS));
    EXPECT_EQ(OutputExtension(PanelOfFormat(definitions, targets::TargetiPod, 0)), QStringLiteral(".mp4"));
    EXPECT_EQ(OutputExtension(PanelOfFormat(definitions, targets::TargetMP3, 0)), QStringLiteral(".mp3"));
    EXPECT_EQ(OutputExtension(PanelOfFormat(definitions, targets::TargetHDTS, 0)), QStringLiteral(".m2ts"));
}

} // namespace
} // namespace naming
