#include "ConversionEngine.h"

#include "LibraryLoader.h"

namespace conversion {

const char *EngineNameText(EngineName name)
{
    return ConversionEngineNames[std::size_t(name)];
}

std::unique_ptr<ConversionEngine> ConversionEngine::Load()
{
    std::unique_ptr<platform::Library> library = platform::Library::loadByName(QStringLiteral("Korvid.dll"));
    if (!library)
        return nullptr;
    std::unique_ptr<ConversionEngine> engine(new ConversionEngine(std::move(library)));
    return engine->bindAll() ? std::move(engine) : nullptr;
}

ConversionEngine::ConversionEngine(std::unique_ptr<platform::Library> library)
    : library_(std::move(library))
{
}

ConversionEngine::~ConversionEngine() = default;

bool ConversionEngine::bindAll()
{
    for (std::size_t i = 0; i < ConversionEngineNames.size(); ++i) {
        symbols_[i] = library_->symbol(ConversionEngineNames[i]);
        if (!symbols_[i])
            return false;
    }
    lastError_ = library_->bind<decltype(&X_Get_Last_Error)>("X_Get_Last_Error");
    return true;
}

QString ConversionEngine::LastError() const
{
    if (!lastError_)
        return {};
    char reason[512] = {};
    lastError_(reason, sizeof reason);
    return QString::fromUtf8(reason).trimmed();
}

} // namespace conversion
