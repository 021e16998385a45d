// Runs one engine call exactly as pelorin-convert --show-job prints it, e.g.
//   X_SetPar_D2PSP(window, 2, "/in.mp4", "0", ..., 19990817)
// through the loaded engine library, with the given thread count passed first as
// the program passes it, so that wall time and peak memory can be measured from
// outside for the engine alone.
//
//   device_bench <libKorvid.so> <threads> '<engine call>'

#include "korvid.h"

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

struct EngineCall {
    std::string name;
    std::vector<std::string> arguments;   // as printed: quotes removed, "window" kept
};

// Splits NAME(arg, "text", ...) into its name and arguments; a quoted text may hold commas.
bool ParseCall(const std::string &line, EngineCall *call)
{
    const size_t open = line.find('(');
    const size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return false;
    const size_t nameStart = line.find_first_not_of(" \t");
    call->name = line.substr(nameStart, open - nameStart);
    std::string current;
    bool quoted = false;
    for (size_t i = open + 1; i < close; ++i) {
        const char c = line[i];
        if (c == '"')
            quoted = !quoted;
        else if (c == '\\' && quoted && i + 1 < close)
            current += line[++i];
        else if (c == ',' && !quoted) {
            call->arguments.push_back(current);
            current.clear();
        } else if (quoted || c != ' ')
            current += c;
    }
    call->arguments.push_back(current);
    return !quoted;
}

template <typename Argument>
Argument Convert(const std::string &text)
{
    if constexpr (std::is_pointer_v<Argument> && std::is_same_v<std::remove_cv_t<std::remove_pointer_t<Argument>>, char>)
        return text.c_str();
    else if constexpr (std::is_pointer_v<Argument>)
        return nullptr;   // the window: the engine reports to none
    else
        return static_cast<Argument>(std::strtol(text.c_str(), nullptr, 10));
}

template <typename... Arguments, size_t... Index>
int32_t Invoke(int32_t (*entry)(Arguments...), const std::vector<std::string> &texts, std::index_sequence<Index...>)
{
    return entry(Convert<Arguments>(texts[Index])...);
}

// Calls the entry point with the printed arguments converted to its declared types. The
// third argument only carries the declared type (a null pointer): the entry itself comes
// from the loaded library, so the bench never links the engine, in unoptimised builds too.
template <typename... Arguments>
bool Run(void *engine, const EngineCall &call, int32_t (*)(Arguments...), int32_t *result)
{
    if (call.arguments.size() != sizeof...(Arguments)) {
        std::fprintf(stderr, "%s takes %zu arguments, the call has %zu\n", call.name.c_str(), sizeof...(Arguments),
                     call.arguments.size());
        return false;
    }
    auto entry = reinterpret_cast<int32_t (*)(Arguments...)>(dlsym(engine, call.name.c_str()));
    if (!entry)
        return false;
    *result = Invoke(entry, call.arguments, std::index_sequence_for<Arguments...>{});
    return true;
}

#define DEVICE_ENTRY(name) {#name, [](void *engine, const EngineCall &call, int32_t *result) { \
    return Run(engine, call, static_cast<decltype(&name)>(nullptr), result); }}

struct DeviceEntry {
    const char *name;
    bool (*run)(void *engine, const EngineCall &call, int32_t *result);
};

const DeviceEntry kDeviceEntries[] = {
    DEVICE_ENTRY(X_SetPar_D2IPOD_VIDEO), DEVICE_ENTRY(X_SetPar_D2IPHONE_VIDEO), DEVICE_ENTRY(X_SetPar_D2APPLETV_VIDEO),
    DEVICE_ENTRY(X_TO_HD_APPLETV),       DEVICE_ENTRY(X_SetPar_D2PSP),          DEVICE_ENTRY(X_TO_HD_XBOX),
    DEVICE_ENTRY(X_SetPar_D2AVI),        DEVICE_ENTRY(X_SetPar_D2MPEG),         DEVICE_ENTRY(X_TO_HD_AVC),
    // the other codecs' carriers, for the size ratio bench
    DEVICE_ENTRY(X_SetPar_D2IMP4),       DEVICE_ENTRY(X_SetPar_D2WMV),          DEVICE_ENTRY(X_SetPar_D2FLV),
    DEVICE_ENTRY(X_TO_HD_MPEG2TS),
};

} // namespace

int main(int argc, char **argv)
{
    EngineCall call;
    if (argc != 4 || !ParseCall(argv[3], &call)) {
        std::fprintf(stderr, "usage: %s <libKorvid.so> <threads> '<engine call as --show-job prints it>'\n", argv[0]);
        return 2;
    }
    void *engine = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    auto setGlobal = engine ? reinterpret_cast<decltype(&X_SetPar_Global)>(dlsym(engine, "X_SetPar_Global")) : nullptr;
    if (!setGlobal) {
        std::fprintf(stderr, "cannot load the engine %s\n", argv[1]);
        return 2;
    }
    setGlobal(std::atoi(argv[2]), 0, 0, 0, 0, -1);
    for (const DeviceEntry &entry : kDeviceEntries) {
        if (call.name != entry.name)
            continue;
        int32_t result = -1;
        if (!entry.run(engine, call, &result))
            return 2;
        dlclose(engine);
        if (result != 0)
            std::fprintf(stderr, "%s failed (%d)\n", call.name.c_str(), result);
        return result == 0 ? 0 : 1;
    }
    std::fprintf(stderr, "no device entry point %s here\n", call.name.c_str());
    return 2;
}
