// Deciding a clip's frame rate from the media probe and the engine, with the
// plausibility rule and the question to the user, as one table.

#include "FrameRateChoice.h"
#include "ProbeRules.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

class ScriptedQuestion : public FrameRateQuestion {
public:
    explicit ScriptedQuestion(FrameRateAnswer answer) : answer_(answer) {}
    FrameRateAnswer Ask(const QString &fileName, float rateA, float rateB) override
    {
        ++asked;
        askedFile = fileName;
        askedA = rateA;
        askedB = rateB;
        return answer_;
    }
    int asked = 0;
    QString askedFile;
    float askedA = 0, askedB = 0;

private:
    FrameRateAnswer answer_;
};

constexpr FrameRateAnswer kCalculate{true, false};
constexpr FrameRateAnswer kFirst{false, true};
constexpr FrameRateAnswer kSecond{false, false};

} // namespace

TEST(FrameRateRules, PlausibleRatesLieNearStandardsOrBetweenEightAndThirty)
{
    const struct { double rate; bool plausible; } cases[] = {
        {8.0, false}, {8.01, true}, {23.976, true}, {29.999, true}, {30.0, true}, {30.0005, true},
        {29.9991, true}, {30.002, false}, {49.99, false}, {50.0009, true}, {59.94, false}, {60.0, true},
        {0.0, false}, {-25.0, false}, {120.0, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsPlausibleFrameRate(c.rate), c.plausible) << c.rate;
}

TEST(FrameRateRules, DecisionTable)
{
    const float ntsc = static_cast<float>(probe::kNtscRate);
    const float film = static_cast<float>(probe::kNtscFilmRate);
    const struct {
        const char *format;
        float media, engine;
        FrameRateAnswer answer;
        bool asks;
        float expected;
    } cases[] = {
        {"AVI", 29.976f, 29.97f, kFirst, false, 29.97f},          // difference 0.006: the engine's
        {"AVI", 23.976f, 23.95f, kFirst, false, film},            // difference 0.026: snapped to 24000/1001
        {"AVI", 29.95f, 29.97f, kFirst, false, ntsc},             // snapped to 30000/1001
        {"AVI", 25.0f, 25.02f, kFirst, false, 25.02f},            // small difference, no NTSC rate: the engine's
        {"AVI", 29.97f, 25.0f, kCalculate, true, 29.97f},         // both plausible: asked, calculate takes media
        {"AVI", 29.97f, 25.0f, kSecond, true, 25.0f},             // the user picks the second
        {"AVI", 29.97f, 25.0f, kFirst, true, 29.97f},
        {"AVI", 29.97f, 59.94f, kSecond, false, 29.97f},          // 59.94 is not plausible
        {"AVI", 120.0f, 23.976f, kFirst, false, 23.976f},         // only the engine's is plausible
        {"AVI", 0.5f, 100.0f, kSecond, false, 0.5f},              // neither: the media rate
        {"AVI", 25.0f, -1.0f, kSecond, false, 25.0f},             // engine unknown
        {"AVI", 0.0f, 25.0f, kSecond, false, 25.0f},              // media unknown
        {"AVI", 0.0f, 0.0f, kSecond, false, 0.0f},                // both unknown: Auto
        {"AVI", -3.0f, -1.0f, kSecond, false, 0.0f},
        {"Matroska", 25.0f, 0.0f, kSecond, false, 25.0f},         // engine 0 is compared, then not plausible
        {"Windows Media", 30.0f, 25.0f, kSecond, false, 30.0f},   // Windows Media trusts the media rate
        {"Windows Media", 0.0f, 25.0f, kSecond, false, 25.0f},
        {"Windows Media", 0.0f, -2.0f, kSecond, false, 0.0f},
        {"windows media", 30.0f, 25.0f, kSecond, true, 25.0f},    // compared case-sensitively
    };
    for (const auto &c : cases) {
        ScriptedQuestion question(c.answer);
        const float rate = probe::DecideFrameRate(QString::fromLatin1(c.format), c.media, c.engine, "/v/a b.avi", question);
        EXPECT_FLOAT_EQ(rate, c.expected) << c.format << " media " << c.media << " engine " << c.engine;
        EXPECT_EQ(question.asked, c.asks ? 1 : 0) << c.format << " media " << c.media << " engine " << c.engine;
        if (question.asked) {
            EXPECT_EQ(question.askedFile, "/v/a b.avi");
            EXPECT_EQ(question.askedA, c.media);
            EXPECT_EQ(question.askedB, c.engine);
        }
    }
}
