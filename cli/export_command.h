#pragma once
// `zelmora export DB --json FILE ...`: the exports of a saved crawl, written as
// after a crawl, without a request.
#include <cstdio>
#include <string>
#include <vector>

#include "options.h"

namespace zel::cli {

// Returns the exit status: 0 written, 2 a database or an export that cannot be used.
int runExport(const Options& options);

// Loads the crawl database `options.target` and writes `options.exports` of
// it; a database that cannot be used is the error. An export that cannot be
// written is printed to `errors`, naming its file, and fails it too. A program
// about to exit (`leaveForExit`) leaves the loaded crawl for the OS to free.
Status exportSavedCrawl(const Options& options, FILE* errors, bool leaveForExit,
                        std::vector<std::string>* written = nullptr);

}  // namespace zel::cli
