#pragma once
// Settling a file's frame rate when the media probe and the engine disagree.

#include <QString>

#include <functional>

// What the user answered in the frame-rate dialog.
struct FrameRateAnswer {
    bool calculate = false;     // "Please calculate for me"
    bool firstChosen = false;   // the first rate's radio button is checked
};

// Asks the user to choose between two plausible rates (the frame-rate dialog).
class FrameRateQuestion {
public:
    virtual ~FrameRateQuestion() = default;
    virtual FrameRateAnswer Ask(const QString &fileName, float rateA, float rateB) = 0;
};

// Asks through the question `make` gives, made when a file first needs one: most
// adding passes ask nothing, and the dialog is not built for them.
class DeferredFrameRateQuestion : public FrameRateQuestion {
public:
    explicit DeferredFrameRateQuestion(std::function<FrameRateQuestion &()> make) : make_(std::move(make)) {}
    FrameRateAnswer Ask(const QString &fileName, float rateA, float rateB) override
    {
        return make_().Ask(fileName, rateA, rateB);
    }

private:
    std::function<FrameRateQuestion &()> make_;
};

// True within 0.001 of 30, 50 or 60, or strictly between 8 and 30.
bool IsPlausibleFrameRate(double rate);

// rateA is the media probe's rate, rateB the engine's. Asks only when both are
// plausible; otherwise the plausible one, or rateA when neither is.
float ChooseFrameRate(const QString &fileName, float rateA, float rateB, FrameRateQuestion &question);

// The dialog's result rule: rateA when calculating or when the first rate is
// chosen, otherwise rateB.
float FrameRateFromAnswer(const FrameRateAnswer &answer, float rateA, float rateB);
