#pragma once
// `zelmora crawl TARGET`: runs one crawl to completion and reports it.
#include <cstdint>
#include <string>

#include "options.h"

namespace zel {
class ZelHub;
}

namespace zel::cli {

// Returns the exit status: 0 no bad links, 1 bad links (or audit issues of the
// --fail-on priority), 2 unusable start.
int runCrawl(const Options& options);

class ReportContext;
// Whether --fail-on asks for exit status 1 because of the crawl's audit.
bool failsAudit(const Options& options, const ReportContext& report);

// A TARGET as the engine takes it: URLs as given; existing local files and
// folders as file:// URLs. nullopt (with a message) for a path that does not exist.
std::optional<std::string> startingAddressFor(const std::string& target, std::string* error);

// Whether long work shows a progress line: asked for, not quiet, stderr a terminal.
bool showsProgressLine(const Options& options);
// The crawl's progress line: counts so far, and the rate of the links checked
// since `checkedAtStart` over `seconds`.
std::string crawlProgressLine(const ZelHub& hub, double seconds, int64_t checkedAtStart = 0);

}  // namespace zel::cli
