#include "Poster.h"

namespace testengine {

Poster::~Poster()
{
    {
        std::lock_guard lock(mutex_);
        pending_.clear();
        quit_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void Poster::Schedule(KorvidWindow *window, uint32_t message, uintptr_t wparam, intptr_t lparam, int delayMilliseconds)
{
    std::lock_guard lock(mutex_);
    if (!thread_.joinable())
        thread_ = std::thread(&Poster::Run, this);
    const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMilliseconds);
    pending_.emplace(due, Post{window, message, wparam, lparam});
    changed_.notify_all();
}

void Poster::CancelAll()
{
    std::lock_guard lock(mutex_);   // delivery happens under this lock
    pending_.clear();
    changed_.notify_all();
}

bool Poster::WaitIdle(int timeoutMilliseconds)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMilliseconds), [this] { return pending_.empty(); });
}

// The window's post() only queues, so calling it under the lock is safe and lets
// CancelAll() guarantee that nothing reaches a window after it returns.
void Poster::Run()
{
    std::unique_lock lock(mutex_);
    while (!quit_) {
        if (pending_.empty()) {
            changed_.wait(lock);
            continue;
        }
        const auto first = pending_.begin();
        const auto due = first->first;   // a copy: CancelAll() may erase the entry while we wait
        if (due > std::chrono::steady_clock::now()) {
            changed_.wait_until(lock, due);
            continue;
        }
        const Post post = first->second;
        pending_.erase(first);
        post.window->post(post.window, post.message, post.wparam, post.lparam);
        changed_.notify_all();
    }
}

} // namespace testengine
