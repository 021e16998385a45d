#include "FailureReason.h"

#include "korvid.h"

#include <algorithm>
#include <cstring>

namespace korvid {
namespace {
thread_local std::string lastReason;
} // namespace

void SetFailureReason(const std::string &reason) {
    lastReason = reason;
}

const std::string &FailureReason() {
    return lastReason;
}

} // namespace korvid

extern "C" KORVID_API int32_t X_Get_Last_Error(char *buffer, int32_t size) {
    const std::string &reason = korvid::FailureReason();
    if (!buffer || size < 1)
        return static_cast<int32_t>(reason.size());
    const size_t copied = std::min(reason.size(), static_cast<size_t>(size) - 1);
    std::memcpy(buffer, reason.data(), copied);
    buffer[copied] = '\0';
    return static_cast<int32_t>(reason.size());
}
