// pelorin-convert: the converter on the command line, without windows.

#include "ConvertCommand.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    return cli::RunConvertCommand(QCoreApplication::arguments().mid(1), cli::Console::Standard());
}
