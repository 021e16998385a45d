#include "MainWindowFixture.h"

#include <QApplication>
#include <QTest>

#include "controls/PictureButton.h"

void MainWindowFixture::start()
{
    windows = std::make_unique<ProgramWindows>(sandbox.ProgramFolder());
    form().show();
    QApplication::processEvents();
}

void MainWindowFixture::finish()
{
    windows.reset();
}

void MainWindowFixture::click(const char *buttonName)
{
    auto *button = control<PictureButton>(buttonName);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << buttonName;
    button->click();
}
