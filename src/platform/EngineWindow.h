#pragma once
// The window handle handed to the engine. A QObject owns one EngineWindow; the
// engine's post() may come from any thread and only queues an EngineMessageEvent
// for that object on its own thread. Stop the engine before the object goes; a
// message for an object already gone is dropped.

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <cstdint>

#include "korvid.h"

namespace platform {

class EngineMessageEvent : public QEvent {
public:
    static QEvent::Type EventType();
    EngineMessageEvent(uint32_t message, uintptr_t wparam, intptr_t lparam)
        : QEvent(EventType()), message(message), wparam(wparam), lparam(lparam) {}
    const uint32_t message;
    const uintptr_t wparam;
    const intptr_t lparam;
};

class EngineWindow : public KorvidWindow {
public:
    explicit EngineWindow(QObject *receiver);
    KorvidWindow *Handle() { return this; }

private:
    static void PostToReceiver(KorvidWindow *self, uint32_t message, uintptr_t wparam, intptr_t lparam);
    QPointer<QObject> receiver_;
};

} // namespace platform
