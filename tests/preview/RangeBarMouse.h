#pragma once
// A left-button drag of a range bar control by dx pixels, ending with its release.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

inline void DragAndRelease(QWidget *target, int dx)
{
    // Each event is made just before it is sent: events made together share their point's state.
    const auto send = [target](QEvent::Type type, QPointF global, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(2, 2), global, button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    };
    const QPointF start(1000, 500);
    const QPointF end = start + QPointF(dx, 0);
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
}
