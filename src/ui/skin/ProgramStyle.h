#pragma once
// The program's style: Fusion (the skin's fields rely on its palette-driven
// drawing), with drop-down texts that do not fit cut with "…" and shown whole in
// the drop-down's tool tip.

#include <QProxyStyle>

namespace skin {

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void polish(QWidget *widget) override;
    using QProxyStyle::polish;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The program's style and window icon for the whole application.
void ApplyProgramLook();

} // namespace skin
