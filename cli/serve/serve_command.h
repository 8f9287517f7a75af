#pragma once
// `zelmora serve [--port N] [--no-browser] [DB ...]`: the crawl in a browser
// window. A server on 127.0.0.1 drives the same engine, settings, writers and
// saved-crawl code as the other commands; Ctrl-C stops it, saving a crawl in
// progress as stopped.
#include "options.h"

namespace zel::cli {

// Returns the exit status: 0 stopped by the user, 2 a server that could not start.
int runServe(const Options& options);

}  // namespace zel::cli
