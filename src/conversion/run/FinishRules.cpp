#include "FinishRules.h"

#include "DvdAuthoring.h"
#include "TargetCatalogue.h"

namespace conversion {

namespace {

using Message = FinishPlan::Message;

FinishPlan Closing(Message kind, const QString &text)
{
    FinishPlan plan;
    plan.messageKind = kind;
    plan.message = text;
    plan.closeWindow = true;
    return plan;
}

FinishPlan Succeeded(int target, const CompletionChoices &choices)
{
    FinishPlan plan;
    plan.showFullPercent = true;
    plan.closeWindow = true;
    if (choices.powerOff) {
        plan.action = FinishAction::ShutDown;
    } else if (target == targets::TargetPSP) {
        if (choices.upload) {
            plan.action = FinishAction::Upload;
        } else {
            plan.messageKind = Message::Information;
            plan.message = QStringLiteral("Process finished!\nYou can upload files to your PSP.");
            plan.closeWindow = false;
        }
    } else if (choices.openFolder) {
        plan.action = FinishAction::OpenFolder;
    } else {
        plan.messageKind = Message::Information;
        plan.message = QStringLiteral("Process Finished!");
    }
    return plan;
}

} // namespace

FinishPlan PlanFinish(int result, int target, const CompletionChoices &choices)
{
    switch (result) {
    case 2:
        return Closing(Message::Error,
                       QStringLiteral("Can not initial conversion function!\nRe-install software may fix this problem!"));
    case 1:
        return Succeeded(target, choices);
    case 0:
        return Closing(Message::Information, QStringLiteral("Stop process by user!"));
    case -1:
        return Closing(Message::Error, QStringLiteral("Conversion wrong, please check parameter and try again!"));
    case DvdTitleFileMissing:
        return Closing(Message::Error,
                       QStringLiteral("Some converted file(s) can not be found, no DVD was created!\nPlease convert the clips again."));
    case DvdAuthoringFailed:
        return Closing(Message::Error,
                       QStringLiteral("DVD authoring failed, no DVD was created!\nPlease check the free disk space and try again."));
    default:
        return {};
    }
}

} // namespace conversion
