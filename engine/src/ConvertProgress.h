#pragma once
// Progress of the running conversion and the stop request, shared between the
// converting thread and any thread that calls X_Get_Info or X_StopConvert.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>

namespace korvid {

class ConversionProgress {
public:
    // Starts a conversion from a clean state; clears an earlier stop request.
    void Begin();
    // Ends it: X_Get_Info reports zeros again.
    void End();

    // One packet (video, or audio in audio-only conversions) was written.
    void FrameEncoded(double secondsOfClip);

    // Fills secondsDone, framesPerSecond, producing.
    void Read(int32_t record[3]) const;

    void RequestStop();
    bool StopRequested() const { return stopRequested_; }
    const std::atomic<bool> &StopFlag() const { return stopRequested_; }

    // Called by requestStop, so a blocked reader can return at once. Cleared by end().
    void SetStopHandler(std::function<void()> handler);

private:
    using Clock = std::chrono::steady_clock;
    std::atomic<bool> running_{false};
    std::atomic<bool> stopRequested_{false};
    std::atomic<int64_t> framesEncoded_{0};
    std::atomic<double> secondsDone_{0};
    std::atomic<int64_t> startTicks_{0};
    mutable std::mutex handlerMutex_;
    std::function<void()> stopHandler_;
};

// The one conversion of this library (entry points block, so one runs at a time).
ConversionProgress &SharedConversionProgress();

} // namespace korvid
