#include "EngineClient.h"

#include "LibraryLoader.h"

std::unique_ptr<EngineClient> EngineClient::Load(Search search)
{
    const QString name = QStringLiteral("Korvid.dll");
    auto library = search == Search::ProgramFolderOnly ? platform::Library::LoadFromProgramFolder(name)
                                                       : platform::Library::LoadByName(name);
    if (!library)
        return nullptr;
    return std::unique_ptr<EngineClient>(new EngineClient(std::move(library)));
}

EngineClient::EngineClient(std::unique_ptr<platform::Library> library)
    : library_(std::move(library))
    , lastError_(library_->Bind<decltype(&X_Get_Last_Error)>("X_Get_Last_Error"))   // optional: not listed as missing
{
}

EngineClient::~EngineClient() = default;

void *EngineClient::Symbol(const char *name) const
{
    void *symbol = library_->Symbol(name);
    if (!symbol && !missing_.contains(QLatin1String(name)))
        missing_ << QString::fromLatin1(name);
    return symbol;
}

QString EngineClient::LastError() const
{
    if (!lastError_)
        return {};
    char reason[512] = {};
    lastError_(reason, sizeof reason);
    return QString::fromUtf8(reason).trimmed();
}

int EngineClient::CoreCount()
{
    const auto client = Load();
    if (!client)
        return -1;
    const auto coreNumber = ENGINE_ENTRY(*client, X_Get_CPU_Core_Number);
    return coreNumber ? coreNumber() : -1;
}
