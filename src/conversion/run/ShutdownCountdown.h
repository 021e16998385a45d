#pragma once
// The last word before the machine shuts down after a run: counts down and
// accepts on time-out or "Shut down now"; "Cancel" (or closing) rejects, and the
// machine stays on.

#include <QDialog>
#include <QTimer>

class QLabel;

namespace conversion {

class ShutdownCountdown : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSeconds = 60;

    explicit ShutdownCountdown(QWidget *parent = nullptr);
    int SecondsLeft() const { return secondsLeft_; }
    void SetSecondsLeft(int seconds);   // tests shorten the wait

private:
    void Tick();
    void ShowSecondsLeft();

    QLabel *message_;
    QTimer ticker_;
    int secondsLeft_ = kSeconds;
};

// Shows the countdown through the modal seam; true when the machine is to shut down.
bool ShutdownConfirmed(QWidget *parent);

} // namespace conversion
