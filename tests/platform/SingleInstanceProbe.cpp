// A second program for the single-copy test: takes the guard for the key in
// argv[1]; exits with the refused copy's status when another holds it.
// With "hold" as argv[2] it prints "first" and keeps the guard until killed.

#include "SingleInstance.h"

#include <QCoreApplication>
#include <cstdio>
#include <thread>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    platform::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.IsFirst())
        return platform::kSecondCopyExitStatus;
    if (argc > 2 && QByteArray(argv[2]) == "hold") {
        std::puts("first");
        std::fflush(stdout);
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    return 0;
}
