#pragma once
// `zelmora crawl TARGET`: runs one crawl to completion and reports it.
#include "options.h"

namespace zel::cli {

// Returns the exit status: 0 no bad links, 1 bad links, 2 unusable start.
int runCrawl(const Options& options);

// A TARGET as the engine takes it: URLs as given; existing local files and
// folders as file:// URLs. nullopt (with a message) for a path that does not exist.
std::optional<std::string> startingAddressFor(const std::string& target, std::string* error);

}  // namespace zel::cli
