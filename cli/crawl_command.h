#pragma once
// `zelmora crawl TARGET`: runs one crawl to completion and reports it.
#include <cstdint>
#include <string>

#include "command_hooks.h"
#include "options.h"

namespace zel {
class ZelHub;
}

namespace zel::cli {

// Returns the exit status: 0 no bad links, 1 bad links, 2 unusable start.
// `hooks`, when given, follow the crawl for another host (the window).
int runCrawl(const Options& options, const CommandHooks* hooks = nullptr);

// A TARGET as the engine takes it: URLs as given; existing local files and
// folders as file:// URLs. nullopt (with a message) for a path that does not exist.
std::optional<std::string> startingAddressFor(const std::string& target, std::string* error);

// Whether long work shows a progress line: asked for, not quiet, stderr a terminal.
bool showsProgressLine(const Options& options);
// The crawl's progress line: counts so far, and the rate of the links checked
// since `checkedAtStart` over `seconds`.
std::string crawlProgressLine(const ZelHub& hub, double seconds, int64_t checkedAtStart = 0);

}  // namespace zel::cli
