#include "RecordingDesktop.h"

RecordingDesktop::RecordingDesktop()
{
    platform::SetDesktopForTesting(this);
}

RecordingDesktop::~RecordingDesktop()
{
    platform::SetDesktopForTesting(nullptr);
}

bool RecordingDesktop::record(const QString &call)
{
    calls_.append(call);
    return result_;
}

bool RecordingDesktop::OpenFolder(const QString &folder) { return record(QStringLiteral("openFolder|") + folder); }
bool RecordingDesktop::openUrl(const QString &url) { return record(QStringLiteral("openUrl|") + url); }
bool RecordingDesktop::ShowFileInFolder(const QString &file) { return record(QStringLiteral("showFileInFolder|") + file); }
bool RecordingDesktop::PowerOff() { return record(QStringLiteral("powerOff")); }
bool RecordingDesktop::notify(const QString &summary, const QString &body, const QString &folder)
{
    runCalls_.append(QStringLiteral("notify|") + summary + QLatin1Char('|') + body + QLatin1Char('|') + folder);
    return result_;
}
bool RecordingDesktop::InhibitSleep(const QString &reason)
{
    runCalls_.append(QStringLiteral("inhibitSleep|") + reason);
    return result_;
}
void RecordingDesktop::ReleaseSleep() { runCalls_.append(QStringLiteral("releaseSleep")); }
void RecordingDesktop::ShowTaskbarProgress(double fraction) { taskbarProgress_.append(fraction); }
