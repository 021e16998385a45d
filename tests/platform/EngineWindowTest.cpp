#include "EngineWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <thread>
#include <vector>

using platform::EngineMessageEvent;
using platform::EngineWindow;

namespace {

struct Received {
    uint32_t message;
    uintptr_t wparam;
    intptr_t lparam;
    QThread *thread;
};

class Receiver : public QObject {
public:
    bool event(QEvent *event) override
    {
        if (event->type() != EngineMessageEvent::EventType())
            return QObject::event(event);
        const auto *message = static_cast<EngineMessageEvent *>(event);
        received.push_back({message->message, message->wparam, message->lparam, QThread::currentThread()});
        return true;
    }
    std::vector<Received> received;
};

void ProcessEventsUntil(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Each thread posts its number as the message and a running count as wparam.
TEST(EngineWindow, PostsFromManyThreadsArriveInOrderOnTheReceiversThread)
{
    constexpr int kThreads = 8;
    constexpr int kPostsPerThread = 500;
    Receiver receiver;
    EngineWindow window(&receiver);
    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread) {
        threads.emplace_back([&window, thread] {
            KorvidWindow *handle = window.Handle();
            for (int post = 0; post < kPostsPerThread; ++post)
                handle->post(handle, uint32_t(thread), uintptr_t(post), -post);
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    ProcessEventsUntil([&] { return receiver.received.size() == size_t(kThreads * kPostsPerThread); });

    ASSERT_EQ(receiver.received.size(), size_t(kThreads * kPostsPerThread));
    std::map<uint32_t, uintptr_t> nextExpected;
    for (const Received &message : receiver.received) {
        EXPECT_EQ(message.thread, QCoreApplication::instance()->thread());
        EXPECT_EQ(message.wparam, nextExpected[message.message]++) << "thread " << message.message;
        EXPECT_EQ(message.lparam, -intptr_t(message.wparam));
    }
}

TEST(EngineWindow, PostingDoesNotDeliverBeforeTheEventLoopRuns)
{
    Receiver receiver;
    EngineWindow window(&receiver);
    window.Handle()->post(window.Handle(), KORVID_MSG_READY, 0, 0);
    EXPECT_TRUE(receiver.received.empty());
    ProcessEventsUntil([&] { return !receiver.received.empty(); });
    EXPECT_EQ(receiver.received.size(), 1u);
}

TEST(EngineWindow, MessagesForAReceiverThatIsGoneAreDropped)
{
    auto receiver = std::make_unique<Receiver>();
    EngineWindow window(receiver.get());
    window.Handle()->post(window.Handle(), KORVID_MSG_FRAME, 1, 0);   // pending when the receiver goes
    receiver.reset();
    window.Handle()->post(window.Handle(), KORVID_MSG_CLOSED, 0, 0);  // posted after it has gone
    QCoreApplication::processEvents();
    SUCCEED();
}

} // namespace
