#include "EntryPoints.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace conversion {
namespace {

template <typename Parameter>
constexpr ArgumentType TypeOfParameter()
{
    if constexpr (std::is_same_v<Parameter, const char *>)
        return ArgumentType::Text;
    else if constexpr (std::is_same_v<Parameter, KorvidWindow *>)
        return ArgumentType::Window;
    else
        return ArgumentType::Integer;
}

template <typename FunctionPointer>
struct Signature;

template <typename Result, typename... Parameters>
struct Signature<Result (*)(Parameters...)> {
    static constexpr std::array<ArgumentType, sizeof...(Parameters)> types = {TypeOfParameter<Parameters>()...};

    template <std::size_t N, std::size_t... I>
    static Result Call(void *symbol, const EngineArgumentValues &values, const std::array<EngineArgument, N> &list,
                       std::index_sequence<I...>)
    {
        return reinterpret_cast<Result (*)(Parameters...)>(symbol)(values.As<Parameters>(list[I])...);
    }
};

template <typename FunctionPointer, std::size_t N>
constexpr bool ListFits(const std::array<EngineArgument, N> &list)
{
    constexpr auto types = Signature<FunctionPointer>::types;
    if (types.size() != N)
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (TypeOfArgument(list[i]) != types[i])
            return false;
    }
    return true;
}

template <typename FunctionPointer, const auto &List>
std::int32_t Invoke(void *symbol, const EngineArgumentValues &values)
{
    static_assert(ListFits<FunctionPointer>(List), "the argument list does not fit the entry point's declaration");
    return Signature<FunctionPointer>::Call(symbol, values, List, std::make_index_sequence<List.size()>{});
}

// The declared type comes from korvid.h by the entry point's own name.
#define ENTRY_POINT(Name, List) \
    EntryPoint{EngineName::Name, argument_lists::List, &Invoke<decltype(&::Name), argument_lists::List>}

const EntryPoint EntryPoints[] = {
    ENTRY_POINT(X_SetPar_D2IPOD_VIDEO, Plain),
    ENTRY_POINT(X_SetPar_D2IPHONE_VIDEO, Plain),
    ENTRY_POINT(X_SetPar_D2APPLETV_VIDEO, Plain),
    ENTRY_POINT(X_SetPar_D2ZUNE_VIDEO, Plain),
    ENTRY_POINT(X_SetPar_D2PDA_VIDEO, Pda),
    ENTRY_POINT(X_SetPar_D2IMP4, HighQualityOnly),
    ENTRY_POINT(X_SetPar_D2QTMOV, HighQualityOnly),
    ENTRY_POINT(X_SetPar_D2FLV, HighQualityOnly),
    ENTRY_POINT(X_TO_HD_APPLETV, AudioCodecOnly),
    ENTRY_POINT(X_SetPar_D2WMV, HighQualityAudioCodec),
    ENTRY_POINT(X_TO_HD_AVC, HighQualityAudioCodec),
    ENTRY_POINT(X_TO_HD_MP4, HighQualityAudioCodec),
    ENTRY_POINT(X_TO_HD_H264, HighQualityAudioCodec),
    ENTRY_POINT(X_TO_HD_WMV, HighQualityAudioCodec),
    ENTRY_POINT(X_TO_HD_MOV, HighQualityAudioCodec),
    ENTRY_POINT(X_TO_HD_PS3, HighQualityAudioCodec),
    ENTRY_POINT(X_TO_HD_XBOX, HighQualityAudioCodec),
    ENTRY_POINT(X_TO_HD_ZUNE, HighQualityAudioCodec),
    ENTRY_POINT(X_TO_HD_Mobile, HighQualityAudioCodec),
    ENTRY_POINT(X_SetPar_D2MPEG, HighQualityTvSystem),
    ENTRY_POINT(X_TO_HD_MPEG, HighQualityTvSystem),
    ENTRY_POINT(X_TO_HD_MPEG2TS, HighQualityTvSystem),
    ENTRY_POINT(X_SetPar_D2AVI, Avi),
    ENTRY_POINT(X_TO_HD_AVI, Avi),
    ENTRY_POINT(X_SetPar_D2PSP, Psp),
    ENTRY_POINT(X_SetPar_D2IPOD_MP3, AudioOnly),
};

#undef ENTRY_POINT

} // namespace

const EntryPoint *FindEntryPoint(EngineName name)
{
    const auto found = std::find_if(std::begin(EntryPoints), std::end(EntryPoints),
                                    [name](const EntryPoint &entry) { return entry.name == name; });
    return found == std::end(EntryPoints) ? nullptr : &*found;
}

QString EngineCallText(const EntryPoint &entry, const EngineArgumentValues &values)
{
    QStringList shown;
    for (const EngineArgument argument : entry.arguments) {
        switch (TypeOfArgument(argument)) {
        case ArgumentType::Text:
            shown << QLatin1Char('"') + QString::fromUtf8(values.As<const char *>(argument)) + QLatin1Char('"');
            break;
        case ArgumentType::Integer:
            shown << QString::number(values.As<std::int32_t>(argument));
            break;
        case ArgumentType::Window:
            shown << QStringLiteral("window");
            break;
        }
    }
    return QString::fromLatin1(EngineNameText(entry.name)) + QLatin1Char('(') + shown.join(QStringLiteral(", ")) +
           QLatin1Char(')');
}

std::int32_t CallEntryPoint(const EntryPoint &entry, const ConversionEngine &engine, const EngineArgumentValues &values)
{
    return entry.invoke(engine.Symbol(entry.name), values);
}

} // namespace conversion
