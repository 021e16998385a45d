#include "Desktop.h"

#include "ReplaceableService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {

namespace {

constexpr int kDBusTimeoutMilliseconds = 5000;

bool CallSucceeds(const QDBusConnection &bus, const QDBusMessage &call)
{
    return bus.isConnected() && bus.call(call, QDBus::Block, kDBusTimeoutMilliseconds).type() == QDBusMessage::ReplyMessage;
}

class SystemDesktop : public Desktop {
public:
    bool openFolder(const QString &folder) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    }

    bool openUrl(const QString &url) override
    {
        return QDesktopServices::openUrl(QUrl(url));
    }

    bool showFileInFolder(const QString &file) override
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << QStringList{QUrl::fromLocalFile(file).toString()} << QString();
        return CallSucceeds(QDBusConnection::sessionBus(), call) || openFolder(QFileInfo(file).absolutePath());
    }

    // Not interactive: the user already asked for it when the run began.
    bool powerOff() override
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
        call << false;
        return CallSucceeds(QDBusConnection::systemBus(), call);
    }
};

using DesktopService = ReplaceableService<Desktop, SystemDesktop>;

} // namespace

Desktop &desktop()
{
    return DesktopService::current();
}

void SetDesktopForTesting(Desktop *replacement)
{
    DesktopService::replace(replacement);
}

} // namespace platform
