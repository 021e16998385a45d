#include "FreedMemory.h"

#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace korvid {

void KeepFreedMemoryForReuse() {
#ifdef __GLIBC__
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
    });
#endif
}

} // namespace korvid
