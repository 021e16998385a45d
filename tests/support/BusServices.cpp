#include "BusServices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDeadlineTimer>
#include <QTemporaryFile>
#include <QThread>
#include <QVariantMap>
#include <mutex>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

const QString kConnectionName = QStringLiteral("pelorin-test-services");

// A bus of our own: no activation of the machine's services, everything allowed.
const char kDaemonConfig[] = R"(<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

} // namespace

struct BusServices::State {
    mutable std::mutex mutex;
    QStringList calls;
    uint lastNotification = 0;
    int inhibitorEnd = -1;   // our end of the pipe whose other end the program holds

    void Record(const QString &call)
    {
        std::lock_guard lock(mutex);
        calls << call;
    }
};

class TestNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit TestNotifications(BusServices::State &state) : state_(state) {}
public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        state_.Record(QStringLiteral("Notify|%1|%2|%3").arg(summary, body, actions.join(QLatin1Char(','))));
        std::lock_guard lock(state_.mutex);
        return ++state_.lastNotification;
    }
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }

private:
    BusServices::State &state_;
};

class TestLogin : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    explicit TestLogin(BusServices::State &state) : state_(state) {}
public slots:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &, const QString &why, const QString &mode)
    {
        state_.Record(QStringLiteral("Inhibit|%1|%2|%3").arg(what, why, mode));
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            return {};
        const QDBusUnixFileDescriptor handed(ends[1]);   // keeps its own copy
        ::close(ends[1]);
        std::lock_guard lock(state_.mutex);
        if (state_.inhibitorEnd >= 0)
            ::close(state_.inhibitorEnd);
        state_.inhibitorEnd = ends[0];
        return handed;
    }
    void PowerOff(bool) { state_.Record(QStringLiteral("PowerOff")); }

private:
    BusServices::State &state_;
};

class TestFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    explicit TestFileManager(BusServices::State &state) : state_(state) {}
public slots:
    void ShowItems(const QStringList &uris, const QString &)
    {
        state_.Record(QStringLiteral("ShowItems|") + uris.join(QLatin1Char(',')));
    }

private:
    BusServices::State &state_;
};

class LauncherEntryListener : public QObject {
    Q_OBJECT
public:
    explicit LauncherEntryListener(BusServices::State &state) : state_(state) {}
public slots:
    void Update(const QString &uri, const QVariantMap &properties)
    {
        state_.Record(QStringLiteral("LauncherEntry|%1|%2|%3")
                          .arg(uri)
                          .arg(properties.value(QStringLiteral("progress")).toDouble())
                          .arg(properties.value(QStringLiteral("progress-visible")).toBool() ? QStringLiteral("true")
                                                                                              : QStringLiteral("false")));
    }

private:
    BusServices::State &state_;
};

BusServices::BusServices() : state_(std::make_unique<State>()), thread_(std::make_unique<QThread>())
{
    auto *config = new QTemporaryFile(&daemon_);
    if (!config->open())
        return;
    config->write(kDaemonConfig);
    config->flush();
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--config-file=") + config->fileName(), QStringLiteral("--nofork"),
                   QStringLiteral("--print-address")});
    if (!daemon_.waitForStarted(10000) || !daemon_.waitForReadyRead(10000))
        return;
    address_ = QString::fromLocal8Bit(daemon_.readLine().trimmed());
    qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toLocal8Bit());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address_.toLocal8Bit());
    thread_->start();
}

BusServices::~BusServices()
{
    QDBusConnection::disconnectFromBus(kConnectionName);
    thread_->quit();
    thread_->wait();
    daemon_.kill();
    daemon_.waitForFinished(5000);
    if (state_->inhibitorEnd >= 0)
        ::close(state_->inhibitorEnd);
}

void BusServices::Start(const QList<Service> &services)
{
    QDBusConnection bus = QDBusConnection::connectToBus(address_, kConnectionName);
    const auto add = [&](QObject *service, const QString &name, const QString &path) {
        service->moveToThread(thread_.get());
        QObject::connect(thread_.get(), &QThread::finished, service, &QObject::deleteLater);
        bus.registerObject(path, service, QDBusConnection::ExportAllSlots);
        bus.registerService(name);
    };
    for (Service service : services) {
        if (service == Notifications)
            add(new TestNotifications(*state_), QStringLiteral("org.freedesktop.Notifications"),
                QStringLiteral("/org/freedesktop/Notifications"));
        else if (service == Login)
            add(new TestLogin(*state_), QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"));
        else if (service == FileManager)
            add(new TestFileManager(*state_), QStringLiteral("org.freedesktop.FileManager1"),
                QStringLiteral("/org/freedesktop/FileManager1"));
    }
    auto *listener = new LauncherEntryListener(*state_);
    listener->moveToThread(thread_.get());
    QObject::connect(thread_.get(), &QThread::finished, listener, &QObject::deleteLater);
    bus.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"),
                listener, SLOT(Update(QString, QVariantMap)));
}

QStringList BusServices::Calls() const
{
    std::lock_guard lock(state_->mutex);
    return state_->calls;
}

bool BusServices::WaitForCalls(int count, int timeoutMilliseconds) const
{
    const QDeadlineTimer deadline(timeoutMilliseconds);
    while (Calls().size() < count) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
        QCoreApplication::processEvents();
    }
    return true;
}

void BusServices::InvokeLastNotificationAction(const QString &action)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                     QStringLiteral("org.freedesktop.Notifications"),
                                                     QStringLiteral("ActionInvoked"));
    uint id = 0;
    {
        std::lock_guard lock(state_->mutex);
        id = state_->lastNotification;
    }
    signal << id << action;
    QDBusConnection(kConnectionName).send(signal);
}

bool BusServices::InhibitorReleased() const
{
    std::lock_guard lock(state_->mutex);
    if (state_->inhibitorEnd < 0)
        return false;
    pollfd watched{state_->inhibitorEnd, POLLIN, 0};
    return ::poll(&watched, 1, 0) == 1 && (watched.revents & (POLLHUP | POLLIN));
}

#include "BusServices.moc"
