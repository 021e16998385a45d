#include "ConversionEngine.h"

#include "EngineClient.h"

namespace conversion {

const char *EngineNameText(EngineName name)
{
    return ConversionEngineNames[std::size_t(name)];
}

std::unique_ptr<ConversionEngine> ConversionEngine::Load()
{
    std::unique_ptr<EngineClient> client = EngineClient::Load();
    if (!client)
        return nullptr;
    std::unique_ptr<ConversionEngine> engine(new ConversionEngine(std::move(client)));
    return engine->BindAll() ? std::move(engine) : nullptr;
}

ConversionEngine::ConversionEngine(std::unique_ptr<EngineClient> client)
    : client_(std::move(client))
{
}

ConversionEngine::~ConversionEngine() = default;

bool ConversionEngine::BindAll()
{
    for (std::size_t i = 0; i < ConversionEngineNames.size(); ++i) {
        symbols_[i] = client_->Symbol(ConversionEngineNames[i]);
        if (!symbols_[i])
            return false;
    }
    return true;
}

QString ConversionEngine::LastError() const
{
    return client_->LastError();
}

} // namespace conversion
