#pragma once
// pelorin-convert as a function: the command line in, the exit status out. It reads the
// window's settings folder (Option.ini, PfSetting.ini) and never writes there.

#include "Console.h"
#include "OutputCheck.h"

#include <QStringList>

namespace cli {

// `arguments` without the program's name. 0: every clip converted; 1: some failed or could
// not be read; 2: bad usage (unknown target, profile or setting, a missing file); 130: interrupted.
// `checkOutput` reads back each converted file (tests of a scripted engine leave it empty).
int RunConvertCommand(const QStringList &arguments, const Console &console,
                      const conversion::OutputProbe &checkOutput = &conversion::ReadOutputStreams);

} // namespace cli
