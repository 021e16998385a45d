// The probe threads: at most the set number at once, every task run, and nothing of
// a thread left once WaitForDone returns, its thread-local data included.

#include "TaskThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

namespace {

std::atomic<int> threadsEnded{0};

// Counts the exits of the threads that ran a task; glibc destroys it in the thread's
// own exit, after the task's function has returned.
struct ExitWitness {
    ~ExitWitness() { ++threadsEnded; }
};

TEST(TaskThreads, RunsEveryTaskOnAtMostTheSetThreadsAndLeavesNoThreadBehind)
{
    for (const int maxThreads : {1, 3}) {
        SCOPED_TRACE(maxThreads);
        threadsEnded = 0;
        std::atomic<int> running{0};
        std::atomic<int> mostAtOnce{0};
        std::atomic<int> done{0};
        std::mutex idsMutex;
        std::set<std::thread::id> threadIds;
        {
            TaskThreads threads;
            threads.SetMaxThreadCount(maxThreads);
            for (int task = 0; task < 12; ++task) {
                threads.Start([&] {
                    thread_local ExitWitness witness;
                    (void)witness;
                    {
                        const std::lock_guard lock(idsMutex);
                        threadIds.insert(std::this_thread::get_id());
                    }
                    const int now = ++running;
                    for (int most = mostAtOnce; now > most && !mostAtOnce.compare_exchange_weak(most, now);) {
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                    --running;
                    ++done;
                });
            }
            threads.WaitForDone();
            EXPECT_EQ(done, 12);
            EXPECT_LE(mostAtOnce, maxThreads);
            EXPECT_EQ(threadsEnded, static_cast<int>(threadIds.size()));
        }
    }
}

TEST(TaskThreads, TakesNewTasksAfterWaitingAndWaitsForThemAtDestruction)
{
    std::atomic<int> done{0};
    {
        TaskThreads threads;
        threads.SetMaxThreadCount(2);
        threads.Start([&] { ++done; });
        threads.WaitForDone();
        threads.WaitForDone();   // nothing left to wait for
        for (int task = 0; task < 4; ++task)
            threads.Start([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                ++done;
            });
    }
    EXPECT_EQ(done, 5);
}

} // namespace
