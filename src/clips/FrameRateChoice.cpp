#include "FrameRateChoice.h"

#include <cmath>

bool IsPlausibleFrameRate(double rate)
{
    for (const double standard : {30.0, 50.0, 60.0}) {
        if (std::fabs(rate - standard) < 0.001)
            return true;
    }
    return rate > 8.0 && rate < 30.0;
}

float FrameRateFromAnswer(const FrameRateAnswer &answer, float rateA, float rateB)
{
    return (answer.calculate || answer.firstChosen) ? rateA : rateB;
}

float ChooseFrameRate(const QString &fileName, float rateA, float rateB, FrameRateQuestion &question)
{
    const bool plausibleA = IsPlausibleFrameRate(rateA);
    const bool plausibleB = IsPlausibleFrameRate(rateB);
    if (plausibleA && plausibleB)
        return FrameRateFromAnswer(question.Ask(fileName, rateA, rateB), rateA, rateB);
    return (plausibleB && !plausibleA) ? rateB : rateA;
}
