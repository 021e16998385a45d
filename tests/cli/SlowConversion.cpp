// A pelorin-convert process whose test engine converts one long clip until it is told
// to stop: InterruptTest interrupts it like a user pressing Ctrl+C. The command line
// given is added to "--target iPod --output-dir <folder> <clip>"; the stop calls the
// engine received are printed on stderr at the end.

#include "CliWorld.h"

#include "ConvertCommand.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    cli::testing_support::CliWorld world;
    const QString clip = world.MediaFile(QStringLiteral("long.avi"), TestEngine::VideoInfo(600, 25.0f, 640, 480));
    world.engine.SetEntryDelay(QStringLiteral("X_SetPar_D2IPOD_VIDEO"), -1);
    world.engine.AddProgress(150, 50);   // a quarter done, 50 frames a second
    const QStringList arguments = QStringList{QStringLiteral("--target"), QStringLiteral("iPod"),
                                              QStringLiteral("--output-dir"), world.OutputRoot(), clip}
        + QCoreApplication::arguments().mid(1);
    const int status = cli::RunConvertCommand(arguments, cli::Console::Standard(), {});
    std::fprintf(stderr, "stop calls: %d\n", world.engine.CallCount(QStringLiteral("X_StopConvert")));
    return status;
}
