#include "MainWindowFixture.h"

#include <QApplication>
#include <QTest>

#include "controls/PictureButton.h"

void MainWindowFixture::Start()
{
    windows = std::make_unique<ProgramWindows>(sandbox.ProgramFolder());
    Form().show();
    QApplication::processEvents();
}

void MainWindowFixture::Finish()
{
    windows.reset();
}

void MainWindowFixture::Click(const char *buttonName)
{
    auto *button = Control<PictureButton>(buttonName);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << buttonName;
    button->click();
}
