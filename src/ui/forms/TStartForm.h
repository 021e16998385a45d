#pragma once
// The splash window: a borderless, always-on-top 400 x 220 picture in the middle
// of the screen that fades in while the windows are created and fades out after.

#include <QWidget>

#include "forms/SplashFade.h"

class TStartForm : public QWidget {
    Q_OBJECT
public:
    explicit TStartForm(QWidget *parent = nullptr);

    // One complete fade in the current direction.
    void Fade();
    const SplashFade &FadeState() const { return fade_; }

signals:
    void OpacityApplied(int alpha);

private:
    void ShowAtOpacity(int alpha);
    SplashFade fade_;
};
