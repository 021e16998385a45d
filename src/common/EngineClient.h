#pragma once
// The engine library ("Korvid.dll", libKorvid.so) for one use: a probe pass, a
// preview session, one clip's conversion, or the question for the core count.
// The library is loaded when the client is made and released with it.

#include "korvid.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace platform {
class Library;
}

// Binds an entry point with the type korvid.h declares for it:
//   const auto info = ENGINE_ENTRY(client, X_Get_Info);   // null when missing
#define ENGINE_ENTRY(client, Name) (client).Bind<decltype(&::Name)>(#Name)

class EngineClient {
public:
    enum class Search {
        ProgramFolderFirst,   // the program's folder, then the system's search
        ProgramFolderOnly,
    };

    // Null when the library cannot be loaded.
    static std::unique_ptr<EngineClient> Load(Search search = Search::ProgramFolderFirst);
    ~EngineClient();
    EngineClient(const EngineClient &) = delete;
    EngineClient &operator=(const EngineClient &) = delete;

    // Null when the library lacks the name; the name is then listed in MissingEntryPoints.
    void *Symbol(const char *name) const;
    template <typename FunctionPointer>
    FunctionPointer Bind(const char *name) const
    {
        return reinterpret_cast<FunctionPointer>(Symbol(name));
    }
    // The names asked for that the library lacks, in the order asked.
    const QStringList &MissingEntryPoints() const { return missing_; }

    // Why the calling thread's last engine call failed, from the optional
    // X_Get_Last_Error; empty when the library lacks it or gives no reason.
    QString LastError() const;

    // X_Get_CPU_Core_Number of a library loaded for this question alone;
    // -1 without the library or the entry point.
    static int CoreCount();

private:
    explicit EngineClient(std::unique_ptr<platform::Library> library);

    std::unique_ptr<platform::Library> library_;
    decltype(&X_Get_Last_Error) lastError_ = nullptr;
    mutable QStringList missing_;
};
