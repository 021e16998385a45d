#pragma once
// The desktop double: while one exists, platform::desktop() records each request
// ("openFolder|/path", "openUrl|mailto:...", "showFileInFolder|/path/file",
// "powerOff") and answers with result(); nothing is opened and nothing shuts down.
// The run's desktop services are kept apart: runCalls() ("notify|summary|body|folder",
// "inhibitSleep|reason", "releaseSleep") and taskbarProgress().

#include "Desktop.h"

#include <QStringList>

class RecordingDesktop : public platform::Desktop {
public:
    RecordingDesktop();             // installs itself as platform::desktop()
    ~RecordingDesktop() override;   // puts the real desktop back

    const QStringList &calls() const { return calls_; }
    void setResult(bool result) { result_ = result; }

    bool openFolder(const QString &folder) override;
    bool openUrl(const QString &url) override;
    bool showFileInFolder(const QString &file) override;
    bool powerOff() override;
    bool notify(const QString &summary, const QString &body, const QString &folder) override;
    bool inhibitSleep(const QString &reason) override;
    void releaseSleep() override;
    void showTaskbarProgress(double fraction) override;

    const QStringList &runCalls() const { return runCalls_; }
    const QList<double> &taskbarProgress() const { return taskbarProgress_; }

private:
    bool record(const QString &call);
    QStringList calls_;
    QStringList runCalls_;
    QList<double> taskbarProgress_;
    bool result_ = true;
};
