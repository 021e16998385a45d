#include "FrameRateText.h"

#include <cmath>

bool IsAutoFrameRate(double framesPerSecond)
{
    return !(framesPerSecond >= 0.001 && framesPerSecond <= 150.0);
}

// Rounds the decimal value, not its binary neighbour: 25 - 0.005 is stored as
// 24.99499999..., which must still show as "25.00". The small allowance is far
// below a hundredth and far above the error of the subtraction.
QString FrameRateText(double framesPerSecond)
{
    const double shown = framesPerSecond - 0.005;
    const double hundredths = std::floor(std::fabs(shown) * 100.0 + 0.5 + 1e-7);
    const double rounded = hundredths / 100.0;
    return QString::number(shown < 0 && hundredths > 0 ? -rounded : rounded, 'f', 2);
}

QString ClipRowFrameRateText(double framesPerSecond)
{
    if (IsAutoFrameRate(framesPerSecond))
        return QStringLiteral("FPS:Auto");
    return QStringLiteral("FPS:") + FrameRateText(framesPerSecond);
}
