#pragma once
// The commands that open a crawl database again: `recheck`, `continue`, `diff`.
// Each returns the exit status: 0 no bad links (diff: no difference), 1 bad
// links (diff: differences), 2 a database that cannot be used, with a message.
#include "options.h"

namespace zel::cli {

int runRecheck(const Options& options);
int runContinue(const Options& options);
int runDiff(const Options& options);

}  // namespace zel::cli
