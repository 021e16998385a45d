#include "ConvertProgress.h"

#include <algorithm>

extern "C" {
#include "korvid.h"
}

namespace korvid {

void ConversionProgress::Begin()
{
    stopRequested_ = false;
    framesEncoded_ = 0;
    secondsDone_ = 0;
    startTicks_ = Clock::now().time_since_epoch().count();
    running_ = true;
}

void ConversionProgress::End()
{
    running_ = false;
    framesEncoded_ = 0;
    secondsDone_ = 0;
    SetStopHandler(nullptr);
}

void ConversionProgress::FrameEncoded(double secondsOfClip)
{
    ++framesEncoded_;
    secondsDone_ = std::max(secondsDone_.load(), secondsOfClip);
}

void ConversionProgress::Read(int32_t record[3]) const
{
    if (!running_) {
        record[0] = record[1] = record[2] = 0;
        return;
    }
    const auto elapsed = Clock::now().time_since_epoch() - Clock::duration(startTicks_.load());
    const double seconds = std::chrono::duration<double>(elapsed).count();
    record[0] = int32_t(secondsDone_.load());
    record[1] = seconds > 0 ? int32_t(double(framesEncoded_.load()) / seconds + 0.5) : 0;
    record[2] = 1;
}

void ConversionProgress::RequestStop()
{
    stopRequested_ = true;
    std::lock_guard lock(handlerMutex_);
    if (stopHandler_)
        stopHandler_();
}

void ConversionProgress::SetStopHandler(std::function<void()> handler)
{
    std::lock_guard lock(handlerMutex_);
    stopHandler_ = std::move(handler);
}

ConversionProgress &SharedConversionProgress()
{
    static ConversionProgress progress;
    return progress;
}

} // namespace korvid

extern "C" {

KORVID_API int32_t X_Get_Info(int32_t *record)
{
    if (!record)
        return -1;
    korvid::SharedConversionProgress().Read(record);
    return 0;
}

KORVID_API int32_t X_StopConvert(void)
{
    korvid::SharedConversionProgress().RequestStop();
    return 0;
}

} // extern "C"
