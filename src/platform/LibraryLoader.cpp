#include "LibraryLoader.h"

#include "Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace platform {

namespace {

QString &ProgramFolderOverride()
{
    static QString folder;
    return folder;
}

// Libraries are opened with RTLD_NODELETE: releasing one drops our reference but
// never unmaps it. The engine links FFmpeg and, through it, libraries that leave
// thread-local destructors, atexit handlers or helper threads behind; unmapping
// their code while those still point into it crashes later, at a thread's end or
// at exit. The engine is loaded and released for every probe, clip and preview,
// so it must not rely on its statics starting fresh on each load either.
void *OpenLibrary(const QString &path)
{
    return dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
}

} // namespace

QString MapLibraryName(const QString &windowsName)
{
    static const std::pair<const char *, const char *> kMapping[] = {
        {"Korvid.dll", "libKorvid.so"},
        {"dvdauthor.dll", "libdvdauthor.so"},
        {"MediaInfo.dll", "libmediainfo.so.0"},
    };
    for (const auto &[windowsFileName, linuxFileName] : kMapping) {
        if (windowsName.compare(QLatin1String(windowsFileName), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(linuxFileName);
    }
    return windowsName;
}

QString ProgramFolder()
{
    if (!ProgramFolderOverride().isEmpty())
        return ProgramFolderOverride();
    if (QCoreApplication::instance())
        return WithTrailingSlash(QCoreApplication::applicationDirPath());
    return WithTrailingSlash(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2));
}

void SetProgramFolderForTesting(const QString &folder)
{
    ProgramFolderOverride() = folder.isEmpty() ? QString() : WithTrailingSlash(folder);
}

std::unique_ptr<Library> Library::LoadByName(const QString &windowsName)
{
    const QString fileName = MapLibraryName(windowsName);
    const QString besideProgram = ProgramFolder() + fileName;
    void *handle = QFileInfo::exists(besideProgram) ? OpenLibrary(besideProgram) : OpenLibrary(fileName);
    return handle ? std::unique_ptr<Library>(new Library(handle)) : nullptr;
}

std::unique_ptr<Library> Library::LoadFromProgramFolder(const QString &windowsName)
{
    void *handle = OpenLibrary(ProgramFolder() + MapLibraryName(windowsName));
    return handle ? std::unique_ptr<Library>(new Library(handle)) : nullptr;
}

Library::~Library()
{
    dlclose(handle_);
}

void *Library::Symbol(const char *name) const
{
    return dlsym(handle_, name);
}

} // namespace platform
