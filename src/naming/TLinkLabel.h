#pragma once
// A clickable text label: Tahoma in black on a transparent background with the
// hand cursor; blue and underlined while the mouse is over it.

#include <QLabel>

class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLinkLabel(const QString &caption, QWidget *parent = nullptr);

signals:
    void Clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ShowHovered(bool hovered);
};
