#pragma once
// How many requests a crawl may have in flight on this machine. Each holds a
// socket, and a local page or an archive copy a file as well: past the
// open-file limit sockets cannot be made and a healthy site reads as
// unreachable. A rendered page holds a browser tab, about a hundred megabytes.
#include <cstdint>
#include <cstdio>

#include "platform/defaults.h"

namespace zel::cli {

struct MachineLimits {
  uint64_t openFiles = 0;
  uint64_t cores = 1;
  uint64_t memoryBytes = 0;
};

// This machine's, after raising the soft open-file limit to the hard one (a
// soft limit of 1024 is common, the hard one far higher).
MachineLimits machineLimits();

// The most requests in flight `openFiles` leaves room for, beside the
// program's own files (logs, exports, the database, pipes); at least one.
int64_t requestsForOpenFiles(uint64_t openFiles);
// The most pages rendered at once: four a core, a quarter of a gigabyte of
// memory each, and never fewer than the default of eight.
int64_t renderedPagesFor(const MachineLimits& machine);

// Lowers numberOfThreads to what the machine allows, saying so on `notices`.
void fitRequestsToMachine(Defaults& settings, const MachineLimits& machine, FILE* notices);

}  // namespace zel::cli
