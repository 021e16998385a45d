#pragma once
// Polls `condition` while the event loop runs; false after 30 s (sanitizer builds
// are slow), at once when it holds.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

inline bool WaitUntil(const std::function<bool()> &condition, int timeoutMilliseconds = 30000)
{
    QDeadlineTimer deadline(timeoutMilliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}
