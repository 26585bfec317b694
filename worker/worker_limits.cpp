#include "worker/worker_limits.h"

#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace corvander::worker {

namespace {

// Lowers or raises the soft limit, never past the hard one, which an unprivileged process can
// only lower for good.
void setSoftLimit(int resource, rlim_t wanted) {
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0)
        return;
    limit.rlim_cur =
        (limit.rlim_max != RLIM_INFINITY && wanted > limit.rlim_max) ? limit.rlim_max : wanted;
    ::setrlimit(resource, &limit);
}

} // namespace

Limits limitsFromEnvironment() {
    Limits limits;
    limits.addressSpaceBytes = wholeNumberFromEnvironment(kMemoryVariable, kMemoryMegabytes,
                                                          limits.addressSpaceBytes >> 20)
                               << 20;
    limits.cpuSecondsPerRequest =
        wholeNumberFromEnvironment(kCpuSecondsVariable, kCpuSeconds, limits.cpuSecondsPerRequest);
    return limits;
}

void applyProcessLimits(const Limits& limits) {
    setSoftLimit(RLIMIT_AS, static_cast<rlim_t>(limits.addressSpaceBytes));
    setSoftLimit(RLIMIT_CORE, 0);
}

void startRequestBudget(const Limits& limits, std::uint64_t extraSeconds) {
    rusage usage{};
    if (::getrusage(RUSAGE_SELF, &usage) != 0)
        return;
    // Whole seconds used so far, rounded up, so the budget is never shortened.
    const auto usedMicroseconds =
        static_cast<std::uint64_t>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000u +
        static_cast<std::uint64_t>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    const std::uint64_t usedSeconds = (usedMicroseconds + 999999u) / 1000000u;
    setSoftLimit(RLIMIT_CPU,
                 static_cast<rlim_t>(usedSeconds + limits.cpuSecondsPerRequest + extraSeconds));
}

void restartWithOneLibraryThread(char** argv) {
    constexpr char kVariable[] = "OMP_THREAD_LIMIT";
    const char* limit = std::getenv(kVariable);
    if ((limit != nullptr && std::strcmp(limit, "1") == 0) || argv == nullptr || argv[0] == nullptr)
        return;
    if (::setenv(kVariable, "1", 1) != 0)
        return;
    ::execv("/proc/self/exe", argv);
}

void returnFreedMemory() {
    // Below a few megabytes trimming costs more than it gives back.
    constexpr std::size_t kWorthTrimming = 4u << 20;
    if (::mallinfo2().fordblks > kWorthTrimming)
        ::malloc_trim(0);
}

} // namespace corvander::worker
