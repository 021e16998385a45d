#pragma once
// The run log: every run appends what it did to "logs/YYYY-MM-DD.log" in the settings
// folder — its start, each clip's source, output, engine call, result, reason, time and
// speed, and its end — so that a failure can be understood afterwards. Each line is
// written and closed at once, so a crash keeps what came before it; a log that cannot be
// written never stops a run. Files older than 30 days are removed when a run starts.

#include <QDateTime>
#include <QString>

#include <functional>

namespace conversion {

struct ClipLogEntry {
    int clipNumber = 0;          // from 1
    QString source;
    QString output;
    QString engineCall;          // entry point and arguments
    QString result;              // "converted", "stopped", "failed"
    QString reason;              // why it failed; empty otherwise
    double seconds = 0;          // wall time of the clip
    double convertedSeconds = 0; // length of the clip converted
};

class RunLog {
public:
    using Clock = std::function<QDateTime()>;
    explicit RunLog(QString settingsFolder, Clock now = &QDateTime::currentDateTime);

    // Removes the logs older than the kept days, then writes the run's first line.
    void RunStarted(const QString &target, int clipCount, const QString &outputFolder);
    void ClipEnded(const ClipLogEntry &entry);
    void RunEnded(int converted, int failed, bool stopped);

    // Today's log file.
    QString FilePath() const;

    static constexpr int KeptDays = 30;

private:
    void Write(const QString &text);
    void RemoveOldLogs();

    QString folder_;
    Clock now_;
};

} // namespace conversion
