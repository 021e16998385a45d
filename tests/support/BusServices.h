#pragma once
// A private D-Bus for one test program, with test services of our own that record
// what they receive: the notification service, logind's inhibitor and power-off,
// the file manager's ShowItems, and a listener for the task bar's LauncherEntry
// signal. Nothing reaches the real desktop, and nothing shuts down.
//
//   BusServices bus;                     // before anything in the process uses D-Bus
//   bus.Start({BusServices::Notifications, BusServices::Login});
//   ... the program calls the desktop ...
//   EXPECT_EQ(bus.Calls(), QStringList{"Notify|3 files converted to iPod|..."});
//
// The daemon serves as both the session and the system bus (the environment
// variables point there), so the program's own connections find the services.
// Qt keeps its first session connection for the life of the process: one
// BusServices per process (CTest runs each test in a process of its own).

#include <QProcess>
#include <QStringList>
#include <memory>

class QThread;

class BusServices {
public:
    enum Service { Notifications, Login, FileManager };

    BusServices();    // starts the daemon and points the environment at it
    ~BusServices();
    BusServices(const BusServices &) = delete;
    BusServices &operator=(const BusServices &) = delete;

    bool Running() const { return !address_.isEmpty(); }
    void Start(const QList<Service> &services);   // registers the services (once)

    // "Notify|summary|body|action,label,...", "Inhibit|what|why|mode", "PowerOff",
    // "ShowItems|uri,...", "LauncherEntry|uri|progress|visible", in arrival order.
    QStringList Calls() const;
    bool WaitForCalls(int count, int timeoutMilliseconds = 30000) const;
    // The notification service sends ActionInvoked for its last notification.
    void InvokeLastNotificationAction(const QString &action);
    // The inhibitor's descriptor was closed by the program (the lock is released).
    bool InhibitorReleased() const;

    struct State;

private:
    QProcess daemon_;
    QString address_;
    std::unique_ptr<State> state_;
    std::unique_ptr<QThread> thread_;
};
