#include "StallWatch.h"

#include "TimeText.h"

namespace conversion {

bool StallWatch::Stalled(double position, qint64 nowMs)
{
    if (!lastPosition_ || position > *lastPosition_) {
        lastPosition_ = position;
        lastMoveMs_ = nowMs;
        return false;
    }
    return timeoutMs_ > 0 && nowMs - lastMoveMs_ >= timeoutMs_;
}

QString StallReason(int sourceSeconds)
{
    return QStringLiteral("the engine stopped making progress at ") + TimeText(sourceSeconds);
}

} // namespace conversion
