#pragma once
// Tasks run in the order given on at most a set number of threads, which start
// when there is work and leave when there is none. The threads are joined, never
// detached: once WaitForDone returns (and at destruction) every thread that ran a
// task has ended completely, its thread-local data included. Threads that only
// signal their end can still be inside their exit at process exit, which leaves
// their per-thread data to the leak checker.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class TaskThreads {
public:
    TaskThreads() = default;
    ~TaskThreads();
    TaskThreads(const TaskThreads &) = delete;
    TaskThreads &operator=(const TaskThreads &) = delete;

    void SetMaxThreadCount(int count);   // at least one
    void Start(std::function<void()> task);
    // Runs out the queue and joins every thread.
    void WaitForDone();

private:
    void Work();
    void JoinEnded();   // with the mutex held

    std::mutex mutex_;
    std::condition_variable allIdle_;
    std::deque<std::function<void()>> queue_;
    std::vector<std::thread> threads_;
    std::vector<std::thread::id> ended_;   // threads that took their last task and are leaving
    int maxThreads_ = 1;
    int working_ = 0;                      // threads that have not yet found the queue empty
};
