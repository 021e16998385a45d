#pragma once
// What pelorin-convert tells while it works: on a terminal one progress line rewritten in
// place, into a pipe or file plain lines (progress every tenth of a clip), and with --json
// one JSON object per line for every event. Every method may be called from any thread.

#include "Console.h"
#include "RunStanding.h"

#include <QJsonObject>
#include <QStringList>

#include <mutex>
#include <optional>

namespace cli {

enum class ClipOutcome { Converted, Stopped, Failed };

// A clip of the run: its number from 1 and the run's clip count.
struct ClipPlace {
    int number = 0;
    int count = 0;
};

struct ProgressTick {
    ClipPlace place;
    int percent = 0;
    int framesPerSecond = 0;                 // 0 while the engine is seeking
    std::optional<int> remainingSeconds;     // the clip's, at its pace so far
    conversion::RunStanding run;
};

struct RunSummary {
    int converted = 0;
    int stopped = 0;
    QStringList failures;   // "path (reason)"
    bool interrupted = false;
    int exitStatus = 0;
};

class RunReport {
public:
    RunReport(Console console, bool json);

    // A file that is not converted at all (it cannot be read, or a choice does not fit it).
    void Rejected(const QString &file, const QString &reason);
    void Job(ClipPlace place, const QString &source, const QString &engineCall);
    void ClipStarted(ClipPlace place, const QString &source, const QString &output);
    void Progress(const ProgressTick &tick);
    void ClipEnded(ClipPlace place, ClipOutcome outcome, const QString &output, const QString &reason);
    void AuthoringStarted(const QString &folder);
    void AuthoringProgress(int percent);
    void AuthoringEnded(bool authored, const QString &reason);
    void RunEnded(const RunSummary &summary);

private:
    void Line(const QString &text);   // in place of an open progress line
    void Emit(QJsonObject event);
    void ProgressLine(const QString &text, int percent);

    std::mutex mutex_;
    Console console_;
    bool json_;
    bool progressLineOpen_ = false;
    int lastTenth_ = -1;   // plain lines: the tenth of the clip last reported
};

} // namespace cli
