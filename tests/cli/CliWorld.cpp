#include "CliWorld.h"

#include "ConvertCommand.h"
#include "LibraryLoader.h"

#include <QFile>

namespace cli::testing_support {
namespace {

QByteArray FileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The program's folder holds the shipped definitions and profiles, and links to the
// test engine and authoring library: loading a link gives the library the test engine
// has loaded already, with its script and records.
CliWorld::CliWorld()
{
    sandbox.WriteProgramFile(QStringLiteral("PfDef.dll"), FileContent(QStringLiteral(SHIPPED_DATA "/PfDef.dll")));
    sandbox.WriteProgramFile(QStringLiteral("PfSetting.ini"), FileContent(QStringLiteral(SHIPPED_DATA "/PfSetting.ini")));
    for (const char *library : {"libKorvid.so", "libdvdauthor.so"})
        QFile::link(TestEngine::Folder() + QLatin1String(library), sandbox.ProgramFolder() + QLatin1String(library));
    platform::SetProgramFolderForTesting(sandbox.ProgramFolder());
}

CliWorld::~CliWorld()
{
    platform::SetProgramFolderForTesting(QString());
}

QString CliWorld::MediaFile(const QString &name, const EngineFileInfo &info)
{
    const QString path = media_.path() + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("not a real clip: the test engine answers its probe");
    engine.SetProbe(path, info);
    return path;
}

CommandResult CliWorld::Run(const QStringList &arguments)
{
    CommandResult result;
    const Console console{[&result](const QString &text) { result.out += text; },
                          [&result](const QString &text) { result.err += text; }, false};
    result.status = RunConvertCommand(arguments, console, {});
    return result;
}

} // namespace cli::testing_support
