// The window and pelorin-convert make the same engine calls for the same choices: the
// program's windows convert a clip after the target, the profile and single settings
// are chosen with their controls, then the command converts the same clip with
// --target, --profile and --set. Both runs go to the scripted engine, whose conversion
// calls are compared with the output roots made alike.

#include "CliWorld.h"
#include "QtPrinters.h"
#include "RecordingDesktop.h"
#include "ScriptedQuestions.h"
#include "WindowRun.h"

#include <gtest/gtest.h>

namespace cli {
namespace {

using testing_support::CliWorld;
using testing_support::PanelChoices;
using testing_support::Setting;

// The calls that make a conversion: the global settings, the target's parameters and
// its conversion entry point.
bool IsConversionCall(const QString &call)
{
    return call.startsWith(QLatin1String("X_SetPar_")) || call.startsWith(QLatin1String("X_Global_CMD"))
        || call.startsWith(QLatin1String("X_TO_HD_"));
}

class WindowParity : public testing::Test {
protected:
    void SetUp() override
    {
        clip_ = world_.MediaFile(QStringLiteral("holiday.avi"), TestEngine::VideoInfo(60, 25.0f, 640, 480));
    }

    // The conversion calls the engine received since `from`, from the global settings on
    // (the probe before them names its own scratch folder: the window's is the settings
    // folder, which the command leaves alone), the output root written "<out>/".
    QStringList ConversionCallsSince(int from, const QString &outputRoot) const
    {
        QStringList calls;
        for (const QString &call : world_.engine.Calls().mid(from))
            if (IsConversionCall(call) && (!calls.isEmpty() || call.startsWith(QLatin1String("X_SetPar_Global|"))))
                calls << call;
        return calls.replaceInStrings(outputRoot, QStringLiteral("<out>/"));
    }

    CliWorld world_;
    ScriptedQuestions questions_;
    RecordingDesktop desktop_;
    QTemporaryDir windowOutput_;
    QTemporaryDir commandOutput_;
    QString clip_;
};

TEST_F(WindowParity, SameChoicesMakeTheSameEngineCalls)
{
    const PanelChoices cases[] = {
        {"iPod", nullptr, {}},
        {"iPod", "Small Size", {Setting{"VideoCodec", "MPEG-4"}, Setting{"OutputFormat", "m4v"}}},
        {"PSP", nullptr, {Setting{"VideoFrameRate", "25"}, Setting{"AudioBitrate", "96"}}},
        {"AVI", "High Quality",
         {Setting{"AudioCodec", "AC-3 (Dolby Digital)"}, Setting{"VideoBitRate", "800"}, Setting{"AudioVolume", "3"},
          Setting{"VideoResolution", "854:480"}}},
        {"MPEG", nullptr, {Setting{"OutputFormat", "vob"}, Setting{"VideoWidth", "640"}, Setting{"VideoHeight", "360"}}},
        {"MPEG", nullptr, {Setting{"VideoAspect", "DVD PAL 4:3 (720 x 576)"}}},
        {"HDMP4", "Small Size", {Setting{"VideoAspect", "Original Size and Keep Aspect Ratio"}}},
        {"WMV", nullptr, {Setting{"VideoBitRate", "1500"}}},
        {"MP3", "High Quality", {Setting{"AudioSampleRate", "48000"}}},
        {"DVD_Folder", nullptr, {Setting{"DVDSetting", "DVD Format: PAL, Aspact Ratio: 16:9 for Wide-screen TV"}}},
    };
    for (const PanelChoices &choices : cases) {
        const QStringList arguments = testing_support::CommandArguments(choices, commandOutput_.path(), clip_);
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const int beforeWindow = int(world_.engine.Calls().size());
        // The stand-ins the scripted engine writes fail the window's read-back of the
        // outputs: the failed-files report's offer of the run log is declined.
        questions_.AnswerConfirm(false);
        testing_support::ConvertInWindow(choices, clip_, windowOutput_.path() + QLatin1Char('/'), questions_);
        const QStringList windowCalls = ConversionCallsSince(beforeWindow, windowOutput_.path() + QLatin1Char('/'));
        ASSERT_FALSE(windowCalls.isEmpty()) << "the window converted nothing";

        const int beforeCommand = int(world_.engine.Calls().size());
        const testing_support::CommandResult command = world_.Run(arguments);
        ASSERT_EQ(command.status, 0) << command.err.toStdString();
        EXPECT_EQ(ConversionCallsSince(beforeCommand, commandOutput_.path() + QLatin1Char('/')), windowCalls);
    }
}

} // namespace
} // namespace cli
