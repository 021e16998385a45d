#pragma once
// The D-Bus side of the real desktop: calls to the session's and the system's
// services with a bounded wait, and the notification actions the desktop sends back.

#include <QDBusUnixFileDescriptor>
#include <QHash>
#include <QObject>
#include <QString>

class QDBusMessage;

namespace platform {

// True when the service answered the call with a reply (not an error, not silence).
bool CallSucceeds(bool systemBus, const QDBusMessage &call, QDBusMessage *reply = nullptr);

class DesktopBus : public QObject {
    Q_OBJECT
public:
    DesktopBus();

    bool Notify(const QString &summary, const QString &body, const QString &folder);
    bool InhibitSleep(const QString &reason);
    void ReleaseSleep() { inhibitor_ = QDBusUnixFileDescriptor(); }
    void ShowTaskbarProgress(double fraction);

private slots:
    void NotificationActionInvoked(uint id, const QString &action);
    void NotificationClosed(uint id, uint reason);

private:
    QHash<uint, QString> folderOfNotification_;
    QDBusUnixFileDescriptor inhibitor_;   // the lock lasts while the descriptor is open
    bool watchingNotifications_ = false;
};

} // namespace platform
