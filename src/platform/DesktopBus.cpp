#include "DesktopBus.h"

#include "Desktop.h"

#include <QGuiApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

namespace platform {

namespace {

constexpr int kDBusTimeoutMilliseconds = 5000;
const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kOpenFolderAction = QStringLiteral("open-folder");
// The installed desktop entry's name: docks and notification services match us by it.
const QString kDesktopId = QStringLiteral("com.pelorin.VideoConverter");

QDBusConnection Bus(bool systemBus)
{
    return systemBus ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
}

} // namespace

bool CallSucceeds(bool systemBus, const QDBusMessage &call, QDBusMessage *reply)
{
    const QDBusConnection bus = Bus(systemBus);
    if (!bus.isConnected())
        return false;
    const QDBusMessage answer = bus.call(call, QDBus::Block, kDBusTimeoutMilliseconds);
    if (reply)
        *reply = answer;
    return answer.type() == QDBusMessage::ReplyMessage;
}

DesktopBus::DesktopBus() = default;

bool DesktopBus::Notify(const QString &summary, const QString &body, const QString &folder)
{
    if (!watchingNotifications_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.connect(kNotifications, kNotificationsPath, kNotifications, QStringLiteral("ActionInvoked"), this,
                    SLOT(NotificationActionInvoked(uint, QString)));
        bus.connect(kNotifications, kNotificationsPath, kNotifications, QStringLiteral("NotificationClosed"), this,
                    SLOT(NotificationClosed(uint, uint)));
        watchingNotifications_ = true;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kNotifications, kNotificationsPath, kNotifications,
                                                       QStringLiteral("Notify"));
    const QStringList actions = folder.isEmpty() ? QStringList()
                                                 : QStringList{kOpenFolderAction, QStringLiteral("Open Folder")};
    const QVariantMap hints{{QStringLiteral("desktop-entry"), kDesktopId},
                            {QStringLiteral("category"), QStringLiteral("transfer.complete")}};
    call << QGuiApplication::applicationDisplayName() << uint(0) << QStringLiteral("pelorin-video-converter") << summary
         << body << actions << hints << int(-1);
    QDBusMessage reply;
    if (!CallSucceeds(false, call, &reply))
        return false;
    if (!folder.isEmpty() && !reply.arguments().isEmpty())
        folderOfNotification_.insert(reply.arguments().first().toUInt(), folder);
    return true;
}

void DesktopBus::NotificationActionInvoked(uint id, const QString &action)
{
    const auto found = folderOfNotification_.constFind(id);
    if (found != folderOfNotification_.cend() && action == kOpenFolderAction)
        CurrentDesktop().OpenFolder(*found);
}

void DesktopBus::NotificationClosed(uint id, uint)
{
    folderOfNotification_.remove(id);
}

// logind hands out a descriptor; the lock holds until it is closed.
bool DesktopBus::InhibitSleep(const QString &reason)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QGuiApplication::applicationDisplayName() << reason << QStringLiteral("block");
    QDBusMessage reply;
    if (!CallSucceeds(true, call, &reply) || reply.arguments().isEmpty())
        return false;
    inhibitor_ = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().first());
    return inhibitor_.isValid();
}

void DesktopBus::ShowTaskbarProgress(double fraction)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/com/pelorin/VideoConverter"),
                                                     QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    const bool visible = fraction >= 0;
    const QVariantMap properties{{QStringLiteral("progress"), visible ? qBound(0.0, fraction, 1.0) : 0.0},
                                 {QStringLiteral("progress-visible"), visible}};
    signal << QStringLiteral("application://") + kDesktopId + QStringLiteral(".desktop") << properties;
    QDBusConnection::sessionBus().send(signal);
}

} // namespace platform
