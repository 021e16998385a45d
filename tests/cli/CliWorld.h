#pragma once
// A private world for pelorin-convert inside a test's own process: sandboxed settings,
// the scripted test engine and the shipped definitions in the program's folder, source
// files the engine's probe knows, and the command run with its output captured.

#include "SettingsSandbox.h"
#include "TestEngine.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace cli::testing_support {

struct CommandResult {
    int status = -1;
    QString out;
    QString err;
};

class CliWorld {
public:
    CliWorld();
    ~CliWorld();

    // An existing file that the engine's probe reads as `info`.
    QString MediaFile(const QString &name, const EngineFileInfo &info);
    // The output root, ending with "/".
    QString OutputRoot() const { return output_.path() + QLatin1Char('/'); }

    // The command, with no read-back of the converted files (the engine writes stand-ins).
    CommandResult Run(const QStringList &arguments);

    SettingsSandbox sandbox;
    TestEngine engine;

private:
    QTemporaryDir media_;
    QTemporaryDir output_;
};

} // namespace cli::testing_support
