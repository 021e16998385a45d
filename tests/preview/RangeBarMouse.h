#pragma once
// Left-button drags of a range bar control: pressed, moved by dx pixels, released.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace rangebarmouse {
inline const QPointF kPressPoint(1000, 500);

// Each event is made just before it is sent: events made together share their point's state.
inline void Send(QWidget *target, QEvent::Type type, int dx, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(2, 2), kPressPoint + QPointF(dx, 0), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}
} // namespace rangebarmouse

inline void PressLeft(QWidget *target)
{
    rangebarmouse::Send(target, QEvent::MouseButtonPress, 0, Qt::LeftButton, Qt::LeftButton);
}

inline void MoveHeld(QWidget *target, int dx)
{
    rangebarmouse::Send(target, QEvent::MouseMove, dx, Qt::NoButton, Qt::LeftButton);
}

inline void ReleaseLeft(QWidget *target, int dx)
{
    rangebarmouse::Send(target, QEvent::MouseButtonRelease, dx, Qt::LeftButton, Qt::NoButton);
}

inline void DragAndRelease(QWidget *target, int dx)
{
    PressLeft(target);
    MoveHeld(target, dx);
    ReleaseLeft(target, dx);
}
