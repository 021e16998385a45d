#include "RunReport.h"

#include "AddingReport.h"
#include "TimeText.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace cli {
namespace {

const char *OutcomeName(ClipOutcome outcome)
{
    switch (outcome) {
    case ClipOutcome::Converted: return "converted";
    case ClipOutcome::Stopped: return "stopped";
    case ClipOutcome::Failed: return "failed";
    }
    return "";
}

QString PlaceText(ClipPlace place)
{
    return QStringLiteral("clip %1 of %2").arg(place.number).arg(place.count);
}

QJsonValue SecondsOrNull(std::optional<int> seconds)
{
    return seconds ? QJsonValue(*seconds) : QJsonValue();
}

} // namespace

RunReport::RunReport(Console console, bool json) : console_(std::move(console)), json_(json) {}

// A terminal's progress line gives way to the next line: it only ever shows the latest state.
void RunReport::Line(const QString &text)
{
    if (progressLineOpen_)
        console_.out(QStringLiteral("\r\x1b[K"));
    progressLineOpen_ = false;
    console_.out(text + QLatin1Char('\n'));
}

void RunReport::Emit(QJsonObject event)
{
    console_.out(QString::fromUtf8(QJsonDocument(event).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'));
}

void RunReport::Rejected(const QString &file, const QString &reason)
{
    const std::lock_guard lock(mutex_);
    if (json_)
        Emit({{"event", "rejected"}, {"file", file}, {"reason", reason}});
    else
        Line(QStringLiteral("not converted: %1").arg(FileWithReason(file, reason)));
}

void RunReport::Job(ClipPlace place, const QString &source, const QString &engineCall)
{
    const std::lock_guard lock(mutex_);
    if (json_)
        Emit({{"event", "job"}, {"clip", place.number}, {"clips", place.count}, {"source", source}, {"call", engineCall}});
    else
        Line(QStringLiteral("%1: %2\n  %3").arg(PlaceText(place), source, engineCall));
}

void RunReport::ClipStarted(ClipPlace place, const QString &source, const QString &output)
{
    const std::lock_guard lock(mutex_);
    lastTenth_ = -1;
    if (json_)
        Emit({{"event", "clip-start"}, {"clip", place.number}, {"clips", place.count}, {"source", source}, {"output", output}});
    else
        Line(QStringLiteral("%1: %2 -> %3").arg(PlaceText(place), source, output));
}

void RunReport::Progress(const ProgressTick &tick)
{
    const std::lock_guard lock(mutex_);
    if (json_) {
        Emit({{"event", "progress"}, {"clip", tick.place.number}, {"clips", tick.place.count},
              {"percent", tick.percent}, {"fps", tick.framesPerSecond},
              {"remainingSeconds", SecondsOrNull(tick.remainingSeconds)}, {"runPercent", tick.run.percent},
              {"runRemainingSeconds", SecondsOrNull(tick.run.remainingSeconds)}});
        return;
    }
    const QString clip = tick.framesPerSecond > 0
        ? QStringLiteral("%1 %, %2 fps, %3 left")
              .arg(tick.percent)
              .arg(tick.framesPerSecond)
              .arg(tick.remainingSeconds ? TimeText(*tick.remainingSeconds) : QStringLiteral("--:--:--"))
        : QStringLiteral("%1 %, seeking").arg(tick.percent);
    ProgressLine(QStringLiteral("  %1 | %2").arg(clip, conversion::RunStandingText(tick.run)), tick.percent);
}

// A terminal rewrites its one line; a pipe gets a line each tenth of the clip.
void RunReport::ProgressLine(const QString &text, int percent)
{
    if (console_.outIsTerminal) {
        console_.out(QStringLiteral("\r\x1b[K") + text);
        progressLineOpen_ = true;
        return;
    }
    if (percent / 10 == lastTenth_)
        return;
    lastTenth_ = percent / 10;
    Line(text);
}

void RunReport::ClipEnded(ClipPlace place, ClipOutcome outcome, const QString &output, const QString &reason)
{
    const std::lock_guard lock(mutex_);
    if (json_) {
        QJsonObject event{{"event", "clip-end"}, {"clip", place.number}, {"clips", place.count},
                          {"result", OutcomeName(outcome)}, {"output", output}};
        if (!reason.isEmpty())
            event.insert(QStringLiteral("reason"), reason);
        Emit(event);
        return;
    }
    switch (outcome) {
    case ClipOutcome::Converted: Line(QStringLiteral("  converted: %1").arg(output)); break;
    case ClipOutcome::Stopped:
        Line(output.isEmpty() ? QStringLiteral("  stopped before anything was written")
                              : QStringLiteral("  stopped: %1 (ends where the clip was stopped)").arg(output));
        break;
    case ClipOutcome::Failed:
        Line(QStringLiteral("  failed: %1").arg(reason.isEmpty() ? QStringLiteral("the engine gave no reason") : reason));
        break;
    }
}

void RunReport::AuthoringStarted(const QString &folder)
{
    const std::lock_guard lock(mutex_);
    lastTenth_ = -1;
    if (json_)
        Emit({{"event", "authoring-start"}, {"folder", folder}});
    else
        Line(QStringLiteral("authoring the DVD folder in %1").arg(folder));
}

void RunReport::AuthoringProgress(int percent)
{
    const std::lock_guard lock(mutex_);
    if (json_)
        Emit({{"event", "authoring-progress"}, {"percent", percent}});
    else
        ProgressLine(QStringLiteral("  %1 %").arg(percent), percent);
}

void RunReport::AuthoringEnded(bool authored, const QString &reason)
{
    const std::lock_guard lock(mutex_);
    if (json_)
        Emit({{"event", "authoring-end"}, {"authored", authored}, {"reason", reason}});
    else
        Line(authored ? QStringLiteral("  authored") : QStringLiteral("  not authored: %1").arg(reason));
}

void RunReport::RunEnded(const RunSummary &summary)
{
    const std::lock_guard lock(mutex_);
    if (json_) {
        Emit({{"event", "run-end"}, {"converted", summary.converted}, {"stopped", summary.stopped},
              {"failed", int(summary.failures.size())}, {"failures", QJsonArray::fromStringList(summary.failures)},
              {"interrupted", summary.interrupted}, {"exitStatus", summary.exitStatus}});
        return;
    }
    Line(QStringLiteral("%1 converted, %2 stopped, %3 failed%4")
             .arg(summary.converted)
             .arg(summary.stopped)
             .arg(summary.failures.size())
             .arg(summary.interrupted ? QStringLiteral(" (interrupted)") : QString()));
    if (!summary.failures.isEmpty())
        console_.err(QStringLiteral("pelorin-convert: these files were not converted:\n  ")
                     + summary.failures.join(QStringLiteral("\n  ")) + QLatin1Char('\n'));
}

} // namespace cli
