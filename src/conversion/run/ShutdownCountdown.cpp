#include "ShutdownCountdown.h"

#include "ModalQuestions.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace conversion {

ShutdownCountdown::ShutdownCountdown(QWidget *parent)
    : QDialog(parent), message_(new QLabel(this))
{
    setObjectName(QStringLiteral("ShutdownCountdown"));
    setWindowTitle(QStringLiteral("Shut down computer"));
    message_->setObjectName(QStringLiteral("Label_Countdown"));
    message_->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *now = buttons->addButton(QStringLiteral("Shut down now"), QDialogButtonBox::AcceptRole);
    now->setObjectName(QStringLiteral("Button_ShutDownNow"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Button_Cancel"));
    cancel->setDefault(true);   // a stray Enter keeps the machine on
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    ticker_.setInterval(1000);
    connect(&ticker_, &QTimer::timeout, this, &ShutdownCountdown::Tick);
    ticker_.start();
    ShowSecondsLeft();
}

void ShutdownCountdown::SetSecondsLeft(int seconds)
{
    secondsLeft_ = seconds;
    ShowSecondsLeft();
}

void ShutdownCountdown::Tick()
{
    if (--secondsLeft_ <= 0) {
        ticker_.stop();
        accept();
        return;
    }
    ShowSecondsLeft();
}

void ShutdownCountdown::ShowSecondsLeft()
{
    message_->setText(QStringLiteral("Conversion completed.\nThe computer will shut down in %1 seconds.").arg(secondsLeft_));
}

bool ShutdownConfirmed(QWidget *parent)
{
    ShutdownCountdown countdown(parent);
    return platform::Questions().Exec(countdown) == QDialog::Accepted;
}

} // namespace conversion
