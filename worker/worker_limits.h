#pragma once

// Limits the worker puts on itself, so that one hostile or broken document costs a worker and
// never the machine: a ceiling on its address space for the whole life of the process, and a
// budget of processor time for each request.

#include "worker/environment_value.h"

#include <cstdint>

namespace corvander::worker {

struct Limits {
    std::uint64_t addressSpaceBytes = 2048ull * 1024 * 1024;
    std::uint64_t cpuSecondsPerRequest = 120;
};

// The variables that change the limits, and what they may say: from 128 MiB of address space
// (the libraries alone take most of 64 MiB, and then not even a small document can be read) to
// 1 TiB; from a second to a day of processor time.
inline constexpr char kMemoryVariable[] = "CORVANDER_EXTRACT_MEMORY_MB";
inline constexpr WholeRange kMemoryMegabytes{128, 1u << 20};
inline constexpr char kCpuSecondsVariable[] = "CORVANDER_EXTRACT_CPU_SECONDS";
inline constexpr WholeRange kCpuSeconds{1, 86400};

// The defaults, or what the variables above say when it is within their ranges.
Limits limitsFromEnvironment();

// The address-space ceiling, and no core files: a worker that dies on a bad document should
// not leave a dump of it behind.
void applyProcessLimits(const Limits& limits);

// Moves the processor-time soft limit to what the worker has used so far plus the budget and
// extraSeconds. When it runs out, the kernel's SIGXCPU ends the worker; the hard limit is left
// alone so the next request (or the next page read by OCR) can move the soft one on again.
void startRequestBudget(const Limits& limits, std::uint64_t extraSeconds = 0);

// The OCR library's thread pool takes its size from OMP_THREAD_LIMIT once, as it is loaded,
// before main() runs. Unless that already says 1, sets it and starts the worker's own program
// again in its place, same arguments and streams; when that cannot be done, returns and the
// worker carries on as it is.
void restartWithOneLibraryThread(char** argv);

// Hands memory that the last document freed back to the system. The allocator keeps it for
// reuse otherwise, so one large document would leave the worker large for the rest of its life.
void returnFreedMemory();

} // namespace corvander::worker
