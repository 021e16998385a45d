#pragma once
// Interrupt and terminate requests (Ctrl+C, a job scheduler's cancel) as a flag the
// converter polls: the first one asks for a stop; while it is honoured a second one
// ends the process at once, as it would without this handler.

namespace cli {

class StopSignal {
public:
    StopSignal();    // catches SIGINT and SIGTERM while it lives
    ~StopSignal();   // puts the previous handlers back
    StopSignal(const StopSignal &) = delete;
    StopSignal &operator=(const StopSignal &) = delete;

    bool Requested() const;
};

} // namespace cli
