#pragma once
// A one-line label whose text, when wider than the label, is cut with "…" and
// shown whole in its tool tip.

#include <QLabel>

class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget *parent = nullptr);
    ElidingLabel(const QString &text, QWidget *parent);

    // Where the text is cut: at its end (the default), or in its middle (paths).
    void SetElideMode(Qt::TextElideMode mode) { elideMode_ = mode; update(); }

    bool IsElided() const;
    // The text as drawn: whole, or cut with "…" to the label's width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    Qt::TextElideMode elideMode_ = Qt::ElideRight;
};
