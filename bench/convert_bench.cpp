// Runs one conversion through the engine as the program does (dlopen, global
// settings, an HD AVC target entry point) and prints its wall time in seconds.
//
//   convert_bench <libKorvid.so> <source> <target> <W:H> <video kbit/s> <threads>

#include "korvid.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

int main(int argc, char **argv)
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s <libKorvid.so> <source> <target> <W:H> <video kbit/s> <threads>\n", argv[0]);
        return 2;
    }
    void *engine = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    auto setGlobal = engine ? reinterpret_cast<decltype(&X_SetPar_Global)>(dlsym(engine, "X_SetPar_Global")) : nullptr;
    auto convert = engine ? reinterpret_cast<decltype(&X_TO_HD_AVC)>(dlsym(engine, "X_TO_HD_AVC")) : nullptr;
    if (!setGlobal || !convert) {
        std::fprintf(stderr, "cannot load the engine %s\n", argv[1]);
        return 2;
    }
    setGlobal(std::atoi(argv[6]), 0, 0, 0, 0, -1);
    const auto start = std::chrono::steady_clock::now();
    const int32_t result = convert(nullptr, 2, argv[2], "0", "0", "48000", "1:1", "h264", "mp4", argv[5], "128",
                                   "nodef", argv[4], "bench", "bench", "MyVideo", "Auto", "-1", "-1", argv[3], "0",
                                   "0", 0, "aac", KORVID_INTERFACE_STAMP);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    dlclose(engine);
    if (result != 0) {
        std::fprintf(stderr, "conversion failed\n");
        return 1;
    }
    std::printf("%.3f\n", seconds);
    return 0;
}
