#pragma once
// Why the calling thread's last engine call failed, in words a user can read.
// Kept per thread: the host may probe on one thread while another converts.

#include <string>

namespace korvid {

// Replaces the calling thread's reason; an empty text clears it.
void SetFailureReason(const std::string &reason);
const std::string &FailureReason();

} // namespace korvid
