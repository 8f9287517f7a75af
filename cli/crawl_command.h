#pragma once
// `zelmora crawl TARGET`: runs one crawl to completion and reports it.
#include <cstdint>
#include <string>

#include "command_hooks.h"
#include "options.h"
#include "start_address.h"

namespace zel {
class ZelHub;
}

namespace zel::cli {

// Returns the exit status (see ExitStatus). `hooks`, when given, follow the
// crawl for another host (the window), which keeps Ctrl-C to itself.
int runCrawl(const Options& options, const CommandHooks* hooks = nullptr);

class ReportContext;
// Whether --fail-on asks for exit status 1 because of the crawl's site audit.
bool failsAudit(const Options& options, const ReportContext& report);

// Whether long work shows a progress line: asked for, not quiet, stderr a terminal.
bool showsProgressLine(const Options& options);
// The crawl's progress line: counts so far, and the rate of the links checked
// since `checkedAtStart` over `seconds`.
std::string crawlProgressLine(const ZelHub& hub, double seconds, int64_t checkedAtStart = 0);

}  // namespace zel::cli
