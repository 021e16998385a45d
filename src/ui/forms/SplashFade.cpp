#include "forms/SplashFade.h"

void SplashFade::Fade(const ApplyOpacity &apply, const Pause &pause)
{
    if (fadingIn_)
        FadeIn(apply, pause);
    else
        FadeOut(apply, pause);
}

void SplashFade::FadeIn(const ApplyOpacity &apply, const Pause &pause)
{
    while (alpha_ < 255) {
        alpha_ += 10;
        if (alpha_ > 255) {
            alpha_ = 255;
            apply(alpha_);
            fadingIn_ = false;
            return;
        }
        apply(alpha_);
        pause(20);
    }
}

void SplashFade::FadeOut(const ApplyOpacity &apply, const Pause &pause)
{
    while (alpha_ > 0) {
        alpha_ -= 5;
        if (alpha_ < 0) {
            alpha_ = 0;
            apply(alpha_);
            fadingIn_ = false;
            return;
        }
        apply(alpha_);
        pause(10);
    }
}
