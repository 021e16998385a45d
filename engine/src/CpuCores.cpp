// X_Get_CPU_Core_Number: the processors this process may run on.
#include "korvid.h"

#include <sched.h>
#include <unistd.h>

extern "C" KORVID_API int32_t X_Get_CPU_Core_Number(void) {
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0 && CPU_COUNT(&allowed) > 0)
        return CPU_COUNT(&allowed);
    long online = sysconf(_SC_NPROCESSORS_ONLN);
    return online > 0 ? static_cast<int32_t>(online) : 1;
}
