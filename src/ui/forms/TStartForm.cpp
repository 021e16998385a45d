#include "forms/TStartForm.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QThread>

#include "skin/Skin.h"

TStartForm::TStartForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("StartForm"));
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap::fromImage(skin::JpegPicture(QStringLiteral("STARTUP"))));
    picture->setGeometry(0, 0, 400, 220);
    setFixedSize(400, 220);
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    setWindowOpacity(0.0);
}

void TStartForm::Fade()
{
    fade_.Fade([this](int alpha) { ShowAtOpacity(alpha); },
               [](int milliseconds) {
                   QThread::msleep(milliseconds);
                   QApplication::processEvents();
               });
}

void TStartForm::ShowAtOpacity(int alpha)
{
    setWindowOpacity(alpha / 255.0);
    emit OpacityApplied(alpha);
}
