#include "request_limits.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <thread>

namespace zel::cli {

namespace {
constexpr uint64_t kOwnFiles = 64;
constexpr uint64_t kFilesPerRequest = 2;
constexpr uint64_t kRenderedPagesPerCore = 4;
constexpr uint64_t kMemoryPerRenderedPage = 256ull << 20;
constexpr int64_t kDefaultRequests = 8;

uint64_t raiseOpenFileLimit() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return 1024;
  if (limit.rlim_cur < limit.rlim_max) {
    rlimit raised = limit;
    raised.rlim_cur = limit.rlim_max;
    if (::setrlimit(RLIMIT_NOFILE, &raised) == 0) limit = raised;
  }
  return limit.rlim_cur == RLIM_INFINITY ? UINT64_MAX : static_cast<uint64_t>(limit.rlim_cur);
}
}  // namespace

MachineLimits machineLimits() {
  MachineLimits m;
  m.openFiles = raiseOpenFileLimit();
  m.cores = std::max(1u, std::thread::hardware_concurrency());
  const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGE_SIZE);
  if (pages > 0 && pageSize > 0)
    m.memoryBytes = static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
  return m;
}

int64_t requestsForOpenFiles(uint64_t openFiles) {
  if (openFiles <= kOwnFiles + kFilesPerRequest) return 1;
  return static_cast<int64_t>(
      std::min<uint64_t>((openFiles - kOwnFiles) / kFilesPerRequest, INT64_MAX));
}

int64_t renderedPagesFor(const MachineLimits& machine) {
  const uint64_t most =
      std::min(machine.cores * kRenderedPagesPerCore, machine.memoryBytes / kMemoryPerRenderedPage);
  return std::max<int64_t>(kDefaultRequests,
                           static_cast<int64_t>(std::min<uint64_t>(most, INT64_MAX)));
}

void fitRequestsToMachine(Defaults& settings, const MachineLimits& machine, FILE* notices) {
  const int64_t wanted = settings.integerForKey("numberOfThreads");
  int64_t n = wanted;
  if (const int64_t most = requestsForOpenFiles(machine.openFiles); n > most) {
    if (notices)
      std::fprintf(notices,
                   "zelmora: %lld requests at once need more open files than this system allows "
                   "(%llu); at most %lld are in flight\n",
                   static_cast<long long>(n), static_cast<unsigned long long>(machine.openFiles),
                   static_cast<long long>(most));
    n = most;
  }
  if (const int64_t most = renderedPagesFor(machine); settings.boolForKey("runJS") && n > most) {
    if (notices)
      std::fprintf(notices,
                   "zelmora: rendering %lld pages at once needs more than this machine has (%llu "
                   "cores, %llu MB); at most %lld are in flight\n",
                   static_cast<long long>(n), static_cast<unsigned long long>(machine.cores),
                   static_cast<unsigned long long>(machine.memoryBytes >> 20),
                   static_cast<long long>(most));
    n = most;
  }
  if (n != wanted) settings.setInteger("numberOfThreads", n);
}

}  // namespace zel::cli
