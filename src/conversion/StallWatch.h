#pragma once
// Notices a clip on which the engine stops making progress, so that the run can stop
// it and go on with the next clip instead of waiting for ever.

#include <QString>
#include <QtGlobal>

#include <optional>

namespace conversion {

class StallWatch {
public:
    // A timeout of 0 or less never stalls.
    explicit StallWatch(int timeoutSeconds) : timeoutMs_(qint64(timeoutSeconds) * 1000) {}

    // Feeds the clip's position (seconds done) at `nowMs` on a steady clock; true once
    // the position has not moved forward for the timeout.
    bool Stalled(double position, qint64 nowMs);

private:
    qint64 timeoutMs_;
    std::optional<double> lastPosition_;
    qint64 lastMoveMs_ = 0;
};

// "the engine stopped making progress at 01:02:03", the time being the source's.
QString StallReason(int sourceSeconds);

} // namespace conversion
