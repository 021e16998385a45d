#pragma once
// Loading shared libraries by their Windows names. "Korvid.dll" maps to
// "libKorvid.so", "dvdauthor.dll" to "libdvdauthor.so", "MediaInfo.dll" to
// "libmediainfo.so.0"; other names pass through unchanged.

#include <QString>
#include <memory>

namespace platform {

QString MapLibraryName(const QString &windowsName);

// The executable's folder, ending with "/". Tests may point it elsewhere.
QString ProgramFolder();
void SetProgramFolderForTesting(const QString &folder);

class Library {
public:
    // Bare name: the program's folder first, then the system's search.
    static std::unique_ptr<Library> LoadByName(const QString &windowsName);
    // File name in the program's folder only.
    static std::unique_ptr<Library> LoadFromProgramFolder(const QString &windowsName);
    // Releases the library. Its code stays mapped (RTLD_NODELETE, see LibraryLoader.cpp),
    // so a library must not count on its statics starting fresh at the next load.
    ~Library();

    Library(const Library &) = delete;
    Library &operator=(const Library &) = delete;

    void *Symbol(const char *name) const;   // null when missing

    // Binds a symbol to the type of a declared function: bind<decltype(&X_Get_Info)>("X_Get_Info").
    template <typename FunctionPointer>
    FunctionPointer Bind(const char *name) const {
        return reinterpret_cast<FunctionPointer>(Symbol(name));
    }

private:
    explicit Library(void *handle) : handle_(handle) {}
    void *handle_;
};

} // namespace platform
