#include "Desktop.h"

#include "DesktopBus.h"
#include "ReplaceableService.h"

#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {

namespace {

class SystemDesktop : public Desktop {
public:
    bool OpenFolder(const QString &folder) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    }

    bool OpenUrl(const QString &url) override
    {
        return QDesktopServices::openUrl(QUrl(url));
    }

    bool ShowFileInFolder(const QString &file) override
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << QStringList{QUrl::fromLocalFile(file).toString()} << QString();
        return CallSucceeds(false, call) || OpenFolder(QFileInfo(file).absolutePath());
    }

    // Not interactive: the user already asked for it when the run began.
    bool PowerOff() override
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
        call << false;
        return CallSucceeds(true, call);
    }

    bool Notify(const QString &summary, const QString &body, const QString &folder) override
    {
        return Bus().Notify(summary, body, folder);
    }
    bool InhibitSleep(const QString &reason) override { return Bus().InhibitSleep(reason); }
    void ReleaseSleep() override { Bus().ReleaseSleep(); }
    void ShowTaskbarProgress(double fraction) override { Bus().ShowTaskbarProgress(fraction); }

private:
    // Made on first use: it needs the application object for its signals.
    DesktopBus &Bus()
    {
        if (!bus_)
            bus_ = std::make_unique<DesktopBus>();
        return *bus_;
    }
    std::unique_ptr<DesktopBus> bus_;
};

using DesktopService = ReplaceableService<Desktop, SystemDesktop>;

} // namespace

Desktop &CurrentDesktop()
{
    return DesktopService::Current();
}

void SetDesktopForTesting(Desktop *replacement)
{
    DesktopService::Replace(replacement);
}

} // namespace platform
