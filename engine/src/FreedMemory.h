#pragma once
// How the process's allocator treats large freed blocks.

namespace korvid {

// Once per process: blocks up to 32 MB come from the heap, and up to 64 MB of
// freed heap stays with the process instead of going back to the system.
// Opening a long MP4 builds its sample index anew (6 to 10 MB for an hour of
// 720p with its audio); handing those pages back on close and faulting them in
// again on the next open cost more than reading the tables (a probe of a
// one-hour file: 48 ms instead of 20). glibc raises its own thresholds to these
// same values as large blocks are freed; this starts there.
void KeepFreedMemoryForReuse();

} // namespace korvid
