#include "EngineWindow.h"

#include <QCoreApplication>

namespace platform {

QEvent::Type EngineMessageEvent::EventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

EngineWindow::EngineWindow(QObject *receiver)
    : KorvidWindow{&EngineWindow::PostToReceiver}, receiver_(receiver)
{
}

// Runs on engine threads: only queues the event. Qt delivers it on the
// receiver's thread and drops it if the receiver is destroyed before then.
void EngineWindow::PostToReceiver(KorvidWindow *self, uint32_t message, uintptr_t wparam, intptr_t lparam)
{
    QPointer<QObject> receiver = static_cast<EngineWindow *>(self)->receiver_;
    if (receiver)
        QCoreApplication::postEvent(receiver.data(), new EngineMessageEvent(message, wparam, lparam));
}

} // namespace platform
