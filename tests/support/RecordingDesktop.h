#pragma once
// The desktop double: while one exists, platform::desktop() records each request
// ("openFolder|/path", "openUrl|mailto:...", "showFileInFolder|/path/file",
// "powerOff") and answers with result(); nothing is opened and nothing shuts down.

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

private:
    bool record(const QString &call);
    QStringList calls_;
    bool result_ = true;
};
