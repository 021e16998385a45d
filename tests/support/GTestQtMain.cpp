// main() for GoogleTest programs that need Qt: one QApplication for the whole
// run (offscreen unless QT_QPA_PLATFORM says otherwise), so tests may create
// windows, post events and run the event loop.

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
