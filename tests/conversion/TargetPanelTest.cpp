// The panel's values without the window, on the shipped definition file: a saved profile
// put on a target, and single edits by key with the follow-ups the window makes (codec
// lists after the output format, the HD targets' resolution list after the aspect).

#include "TargetPanel.h"

#include "JobParameters.h"
#include "OutputExtension.h"
#include "TargetCatalogue.h"
#include "TestHelpers.h"

#include <gtest/gtest.h>

#include <functional>

namespace conversion {
namespace {

const targets::ProfileDefinitions &Shipped()
{
    static const targets::ProfileDefinitions definitions = targets::ProfileDefinitions::Load(SHIPPED_DEFINITIONS);
    return definitions;
}

const QSize ClipSize(160, 120);

TEST(TargetPanel, ProfileIsPutOnAsTheProfileListDoes)
{
    // m4v, second aspect, 320:240, 29.97 fps, a bit rate above the iPod's 1500, an audio bit
    // rate the list does not offer, 48000 Hz, volume 3, protected, MPEG-4.
    const auto profile = targets::ProfileValues::Parse(QStringLiteral("1,1,0,4,5000,9,1,3,1,1,0"));
    const TargetPanel panel(Shipped(), targets::TargetiPod, ClipSize, profile);
    const JobPanelValues values = panel.JobValues();
    EXPECT_EQ(values.outputFormatText, QStringLiteral("m4v"));
    EXPECT_EQ(values.aspectIndex, 1);
    EXPECT_EQ(values.resolutionText, QStringLiteral("320:240"));
    EXPECT_EQ(values.videoBitRateText, QStringLiteral("1500")) << "held at the field's maximum";
    EXPECT_EQ(values.audioBitRateIndex, -1) << "an entry the list lacks selects nothing";
    EXPECT_EQ(values.volumePosition, 3);

    ConvertJob job;
    ReadJobParameters(job, targets::TargetiPod, values, Shipped());
    EXPECT_EQ(job.OutputFormat, QStringLiteral("m4v"));
    EXPECT_EQ(job.VideoCodec, QStringLiteral("mpeg4"));
    EXPECT_EQ(job.VideoFrameRate, QStringLiteral("30000/1001"));
    EXPECT_EQ(job.AudioSampleRate, QStringLiteral("48000"));
    EXPECT_EQ(job.VideoResolution, QStringLiteral("320:240"));
    EXPECT_EQ(QStringLiteral("clip") + naming::OutputExtension(panel.OutputValues()), QStringLiteral("clip.m4v"));
}

struct Edit {
    int target;
    const char *key;
    const char *value;
    const char *errorPart;   // empty: the edit is taken
    std::function<void(const JobPanelValues &)> check;
};

TEST(TargetPanel, EditsByKey)
{
    const Edit edits[] = {
        {targets::TargetiPod, "AudioBitrate", "96", "",
         [](const JobPanelValues &v) { EXPECT_EQ(v.audioBitRateIndex, 1); }},
        {targets::TargetiPod, "videocodec", "MPEG4", "",   // the engine value, in any case
         [](const JobPanelValues &v) { EXPECT_EQ(v.videoCodecIndex, 1); }},
        {targets::TargetiPod, "VideoBitRate", "700", "",
         [](const JobPanelValues &v) { EXPECT_EQ(v.videoBitRateText, QStringLiteral("700")); }},
        {targets::TargetHDMP4, "VideoAspect", "Original Size and Keep Aspect Ratio", "",
         [](const JobPanelValues &v) {
             EXPECT_TRUE(v.resolutionListVisible);
             EXPECT_EQ(v.resolutionText, QStringLiteral("Original Width : Height"));
         }},
        {targets::TargetiPod, "VideoBitRate", "1600", "out of range", {}},
        {targets::TargetiPod, "VideoBitRate", "fast", "whole number", {}},
        {targets::TargetiPod, "VideoCodec", "vp9", "H.264 / AVC", {}},   // the message lists the choices
        {targets::TargetiPod, "Sharpness", "1", "unknown setting", {}},
    };
    for (const Edit &edit : edits) {
        SCOPED_TRACE(std::string(edit.key) + "=" + edit.value);
        TargetPanel panel(Shipped(), edit.target, ClipSize);
        const std::optional<QString> error = panel.Set(QLatin1String(edit.key), QLatin1String(edit.value));
        if (*edit.errorPart) {
            ASSERT_TRUE(error.has_value());
            EXPECT_TRUE(error->contains(QLatin1String(edit.errorPart))) << error->toStdString();
        } else {
            ASSERT_FALSE(error.has_value()) << error->toStdString();
            edit.check(panel.JobValues());
        }
    }
}

TEST(TargetPanel, OutputFormatRefillsTheCodecLists)
{
    TargetPanel panel(Shipped(), targets::TargetPS3, ClipSize);
    ASSERT_FALSE(panel.Set(QStringLiteral("OutputFormat"), QStringLiteral("avi")));
    ConvertJob job;
    ReadJobParameters(job, targets::TargetPS3, panel.JobValues(), Shipped());
    EXPECT_EQ(job.OutputFormat, QStringLiteral("avi"));
    EXPECT_EQ(job.VideoCodec, QStringLiteral("xvid")) << "the avi sub-section's codecs";
    EXPECT_TRUE(panel.ChoicesText(QStringLiteral("AudioCodec")).contains(QLatin1String("AC-3")));
}

} // namespace
} // namespace conversion
