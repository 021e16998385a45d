#pragma once
// What the end of a run does, by the run's result and the completion choices.

#include <QString>

namespace conversion {

enum class FinishAction { None, ShutDown, Upload, OpenFolder };

struct FinishPlan {
    enum class Message { None, Information, Error };
    Message messageKind = Message::None;
    QString message;
    bool showFullPercent = false;   // the run succeeded: 100 % and the upload enabled
    FinishAction action = FinishAction::None;
    bool closeWindow = false;
};

struct CompletionChoices {
    bool powerOff = false;
    bool upload = false;
    bool openFolder = false;
};

FinishPlan PlanFinish(int result, int target, const CompletionChoices &choices);

} // namespace conversion
