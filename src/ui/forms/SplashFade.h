#pragma once
// The splash window's fade: fading in applies 10, 20, ..., 250 and then 255;
// fading out applies 250, 245, ..., 5, 0. Each call fades once, then turns the
// direction around.

#include <functional>

class SplashFade {
public:
    using ApplyOpacity = std::function<void(int alpha)>;
    using Pause = std::function<void(int milliseconds)>;

    // `pause` runs between steps (sleep and let windows repaint), not after the last.
    void Fade(const ApplyOpacity &apply, const Pause &pause);

    bool FadingIn() const { return fadingIn_; }
    int Alpha() const { return alpha_; }

private:
    void FadeIn(const ApplyOpacity &apply, const Pause &pause);
    void FadeOut(const ApplyOpacity &apply, const Pause &pause);

    bool fadingIn_ = true;
    int alpha_ = 0;
};
