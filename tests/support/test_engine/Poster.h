#pragma once
// Delivers the test engine's window messages from its own thread, like an engine
// worker would, each at its time and in the order scheduled.

#include "korvid.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace testengine {

class Poster {
public:
    ~Poster();
    void Schedule(KorvidWindow *window, uint32_t message, uintptr_t wparam, intptr_t lparam, int delayMilliseconds);
    // Drops pending posts; when it returns, no post is being delivered.
    void CancelAll();
    bool WaitIdle(int timeoutMilliseconds);

private:
    struct Post {
        KorvidWindow *window;
        uint32_t message;
        uintptr_t wparam;
        intptr_t lparam;
    };
    void Run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::multimap<std::chrono::steady_clock::time_point, Post> pending_;   // equal times keep their order
    std::thread thread_;
    bool quit_ = false;
};

} // namespace testengine
