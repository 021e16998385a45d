#include "TaskThreads.h"

#include <algorithm>

TaskThreads::~TaskThreads()
{
    WaitForDone();
}

void TaskThreads::SetMaxThreadCount(int count)
{
    const std::lock_guard lock(mutex_);
    maxThreads_ = std::max(count, 1);
}

void TaskThreads::Start(std::function<void()> task)
{
    const std::lock_guard lock(mutex_);
    JoinEnded();
    queue_.push_back(std::move(task));
    if (working_ < maxThreads_) {
        ++working_;
        threads_.emplace_back([this] { Work(); });
    }
}

void TaskThreads::WaitForDone()
{
    std::unique_lock lock(mutex_);
    allIdle_.wait(lock, [this] { return working_ == 0; });
    JoinEnded();
}

void TaskThreads::Work()
{
    std::unique_lock lock(mutex_);
    while (!queue_.empty()) {
        std::function<void()> task = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        task();
        task = nullptr;   // what the task holds goes before the thread counts as idle
        lock.lock();
    }
    --working_;
    ended_.push_back(std::this_thread::get_id());
    allIdle_.notify_all();
}

// A thread on the ended list holds no lock and runs no task any more, so joining it
// under the mutex only waits for its exit.
void TaskThreads::JoinEnded()
{
    for (const std::thread::id id : ended_) {
        const auto thread = std::find_if(threads_.begin(), threads_.end(),
                                         [id](const std::thread &each) { return each.get_id() == id; });
        thread->join();
        threads_.erase(thread);
    }
    ended_.clear();
}
