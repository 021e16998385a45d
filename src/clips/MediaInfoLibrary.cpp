#include "MediaInfoLibrary.h"

#include "LibraryLoader.h"

#include <QByteArray>
#include <clocale>
#include <cstddef>
#include <langinfo.h>
#include <memory>
#include <mutex>

namespace {

// The five entry points as the library's own MediaInfoDLL.h declares them
// (stream kind and kind of information are C enumerations).
using NewFunction = void *(*)();
using OpenFunction = size_t (*)(void *handle, const char *fileName);
using GetFunction = const char *(*)(void *handle, int streamKind, size_t streamNumber, const char *parameter,
                                    int kindOfInfo, int kindOfSearch);
using CloseFunction = void (*)(void *handle);
using DeleteFunction = void (*)(void *handle);

constexpr int kInfoText = 1;    // MediaInfo_Info_Text
constexpr int kSearchName = 0;  // MediaInfo_Info_Name

} // namespace

struct BoundMediaInfoLibrary {
    std::unique_ptr<platform::Library> library;
    NewFunction newHandle = nullptr;
    OpenFunction open = nullptr;
    GetFunction get = nullptr;
    CloseFunction close = nullptr;
    DeleteFunction deleteHandle = nullptr;

    bool Complete() const { return newHandle && open && get && close && deleteHandle; }
};

namespace {

QString &LibraryName()
{
    static QString name = QStringLiteral("MediaInfo.dll");
    return name;
}

// Files are probed on several threads at once; each handle holds the library it
// was opened with, so a reload for a test never pulls it from under a probe.
std::mutex &LibraryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<const BoundMediaInfoLibrary> &LoadedLibrary()
{
    static std::shared_ptr<const BoundMediaInfoLibrary> loaded;
    return loaded;
}

// The ANSI interface converts names and answers with the process's character
// type; this program's texts are UTF-8, so that character type must be UTF-8.
void UseUtf8CharacterType()
{
    const char *codeset = nl_langinfo(CODESET);
    if (codeset && QByteArray(codeset) == "UTF-8")
        return;
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "en_US.UTF-8");
}

std::unique_ptr<BoundMediaInfoLibrary> BindLibrary()
{
    auto bound = std::make_unique<BoundMediaInfoLibrary>();
    bound->library = platform::Library::LoadByName(LibraryName());
    if (!bound->library)
        return nullptr;
    bound->newHandle = bound->library->Bind<NewFunction>("MediaInfoA_New");
    bound->open = bound->library->Bind<OpenFunction>("MediaInfoA_Open");
    bound->get = bound->library->Bind<GetFunction>("MediaInfoA_Get");
    bound->close = bound->library->Bind<CloseFunction>("MediaInfoA_Close");
    bound->deleteHandle = bound->library->Bind<DeleteFunction>("MediaInfoA_Delete");
    if (!bound->Complete())
        return nullptr;
    UseUtf8CharacterType();
    return bound;
}

std::shared_ptr<const BoundMediaInfoLibrary> EnsureLoaded()
{
    std::lock_guard lock(LibraryMutex());
    auto &loaded = LoadedLibrary();
    if (!loaded)
        loaded = BindLibrary();
    return loaded;
}

} // namespace

MediaInfoFileHandle::MediaInfoFileHandle(const QString &fileName) : library_(EnsureLoaded())
{
    if (!library_)
        return;
    handle_ = library_->newHandle();
    if (handle_)
        library_->open(handle_, fileName.toUtf8().constData());
}

MediaInfoFileHandle::~MediaInfoFileHandle()
{
    if (!handle_)
        return;
    library_->close(handle_);
    library_->deleteHandle(handle_);
}

QString MediaInfoFileHandle::Get(MediaStreamKind kind, int number, const char *parameter)
{
    if (!handle_)
        return QString::fromLatin1(kMediaInfoUnavailableText);
    const char *answer = library_->get(handle_, static_cast<int>(kind), static_cast<size_t>(number), parameter,
                                              kInfoText, kSearchName);
    return answer ? QString::fromUtf8(answer) : QString();
}

void SetMediaInfoLibraryNameForTesting(const QString &windowsName)
{
    std::lock_guard lock(LibraryMutex());
    LibraryName() = windowsName;
    LoadedLibrary().reset();
}
