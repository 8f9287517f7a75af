#include "open_files.h"

#include <sys/resource.h>

#include <algorithm>

namespace zel::cli {

namespace {
constexpr uint64_t kOwnFiles = 64;
constexpr uint64_t kFilesPerRequest = 2;
}  // namespace

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

int64_t requestsForOpenFiles(uint64_t openFiles) {
  if (openFiles <= kOwnFiles + kFilesPerRequest) return 1;
  return static_cast<int64_t>(
      std::min<uint64_t>((openFiles - kOwnFiles) / kFilesPerRequest, INT64_MAX));
}

void fitRequestsToOpenFiles(Defaults& settings, uint64_t openFiles, FILE* notices) {
  const int64_t wanted = settings.integerForKey("numberOfThreads");
  const int64_t most = requestsForOpenFiles(openFiles);
  if (wanted <= most) return;
  settings.setInteger("numberOfThreads", most);
  if (notices)
    std::fprintf(notices,
                 "zelmora: %lld requests at once need more open files than this system allows "
                 "(%llu); at most %lld are in flight\n",
                 static_cast<long long>(wanted), static_cast<unsigned long long>(openFiles),
                 static_cast<long long>(most));
}

}  // namespace zel::cli
