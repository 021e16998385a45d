#include "RecordingDesktop.h"

RecordingDesktop::RecordingDesktop()
{
    platform::SetDesktopForTesting(this);
}

RecordingDesktop::~RecordingDesktop()
{
    platform::SetDesktopForTesting(nullptr);
}

bool RecordingDesktop::Record(const QString &call)
{
    calls_.append(call);
    return result_;
}

bool RecordingDesktop::OpenFolder(const QString &folder) { return Record(QStringLiteral("openFolder|") + folder); }
bool RecordingDesktop::OpenUrl(const QString &url) { return Record(QStringLiteral("openUrl|") + url); }
bool RecordingDesktop::ShowFileInFolder(const QString &file) { return Record(QStringLiteral("showFileInFolder|") + file); }
bool RecordingDesktop::PowerOff() { return Record(QStringLiteral("powerOff")); }
bool RecordingDesktop::Notify(const QString &summary, const QString &body, const QString &folder)
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
