// What the end of a run does for each result and each set of completion choices.

#include "FinishRules.h"

#include "TargetCatalogue.h"

#include <gtest/gtest.h>

namespace conversion {
namespace {

using Message = FinishPlan::Message;

TEST(FinishRulesTest, EveryResult)
{
    struct Case {
        int result;
        Message kind;
        const char *text;
        bool close;
    };
    const Case cases[] = {
        {2, Message::Error, "Can not initial conversion function!\nRe-install software may fix this problem!", true},
        {0, Message::Information, "Stop process by user!", true},
        {-1, Message::Error, "Conversion wrong, please check parameter and try again!", true},
        {3, Message::Error, "Some converted file(s) can not be found, no DVD was created!\nPlease convert the clips again.", true},
        {4, Message::Error, "DVD authoring failed, no DVD was created!\nPlease check the free disk space and try again.", true},
        {7, Message::None, "", false},
        {-5, Message::None, "", false},
    };
    const CompletionChoices everything{true, true, true};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.result);
        const FinishPlan plan = PlanFinish(c.result, targets::TargetPSP, everything);
        EXPECT_EQ(plan.messageKind, c.kind);
        EXPECT_EQ(plan.message, QLatin1String(c.text));
        EXPECT_EQ(plan.closeWindow, c.close);
        EXPECT_EQ(plan.action, FinishAction::None) << "only a finished run acts";
        EXPECT_FALSE(plan.showFullPercent);
    }
}

TEST(FinishRulesTest, FinishedRunPrecedence)
{
    struct Case {
        int target;
        CompletionChoices choices;
        FinishAction action;
        const char *text;
        bool close;
    };
    const Case cases[] = {
        {targets::TargetAVI, {true, false, true}, FinishAction::ShutDown, "", true},
        {targets::TargetPSP, {true, true, false}, FinishAction::ShutDown, "", true},
        {targets::TargetPSP, {false, true, true}, FinishAction::Upload, "", true},
        {targets::TargetPSP, {false, false, true}, FinishAction::None, "Process finished!\nYou can upload files to your PSP.", false},
        {targets::TargetDVD_Folder, {false, true, true}, FinishAction::OpenFolder, "", true},
        {targets::TargetAVI, {false, true, false}, FinishAction::None, "Process Finished!", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "target " << c.target);
        const FinishPlan plan = PlanFinish(1, c.target, c.choices);
        EXPECT_TRUE(plan.showFullPercent);
        EXPECT_EQ(plan.action, c.action);
        EXPECT_EQ(plan.message, QLatin1String(c.text));
        EXPECT_EQ(plan.closeWindow, c.close);
    }
}

} // namespace
} // namespace conversion
