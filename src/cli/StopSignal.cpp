#include "StopSignal.h"

#include <atomic>
#include <csignal>

namespace cli {
namespace {

std::atomic<bool> stopRequested{false};
struct sigaction previousInterrupt{};
struct sigaction previousTerminate{};

// Only what a signal handler may do: set the flag, and give the next signal its default.
void OnSignal(int signal)
{
    stopRequested.store(true);
    std::signal(signal, SIG_DFL);
}

} // namespace

StopSignal::StopSignal()
{
    stopRequested.store(false);
    struct sigaction action{};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInterrupt);
    sigaction(SIGTERM, &action, &previousTerminate);
}

StopSignal::~StopSignal()
{
    sigaction(SIGINT, &previousInterrupt, nullptr);
    sigaction(SIGTERM, &previousTerminate, nullptr);
}

bool StopSignal::Requested() const
{
    return stopRequested.load();
}

} // namespace cli
