#pragma once
// Each request in flight holds a socket, and a local page or an archive copy a
// file as well, so the requests at once must fit the process's open-file limit:
// past it, sockets cannot be made and a healthy site reads as unreachable.
#include <cstdint>
#include <cstdio>

#include "platform/defaults.h"

namespace zel::cli {

// Raises the soft open-file limit to the hard one (a soft limit of 1024 is
// common, the hard one far higher); returns the soft limit then in force.
uint64_t raiseOpenFileLimit();

// The most requests in flight `openFiles` leaves room for, beside the
// program's own files (logs, exports, the database, pipes); at least one.
int64_t requestsForOpenFiles(uint64_t openFiles);

// Lowers numberOfThreads to what `openFiles` allows, saying so on `notices`.
void fitRequestsToOpenFiles(Defaults& settings, uint64_t openFiles, FILE* notices);

}  // namespace zel::cli
