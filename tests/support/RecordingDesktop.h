#pragma once
// The desktop double: while one exists, platform::CurrentDesktop() records each request
// ("openFolder|/path", "openUrl|mailto:...", "showFileInFolder|/path/file",
// "powerOff") and answers with result(); nothing is opened and nothing shuts down.
// The run's desktop services are kept apart: RunCalls() ("notify|summary|body|folder",
// "inhibitSleep|reason", "releaseSleep") and TaskbarProgress().

#include "Desktop.h"

#include <QStringList>

class RecordingDesktop : public platform::Desktop {
public:
    RecordingDesktop();             // installs itself as platform::CurrentDesktop()
    ~RecordingDesktop() override;   // puts the real desktop back

    const QStringList &Calls() const { return calls_; }
    void SetResult(bool result) { result_ = result; }

    bool OpenFolder(const QString &folder) override;
    bool OpenUrl(const QString &url) override;
    bool ShowFileInFolder(const QString &file) override;
    bool PowerOff() override;
    bool Notify(const QString &summary, const QString &body, const QString &folder) override;
    bool InhibitSleep(const QString &reason) override;
    void ReleaseSleep() override;
    void ShowTaskbarProgress(double fraction) override;

    const QStringList &RunCalls() const { return runCalls_; }
    const QList<double> &TaskbarProgress() const { return taskbarProgress_; }

private:
    bool Record(const QString &call);
    QStringList calls_;
    QStringList runCalls_;
    QList<double> taskbarProgress_;
    bool result_ = true;
};
