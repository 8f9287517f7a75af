#include "app.h"

#include <cstdio>
#include <string>
#include <vector>

#include "checks_command.h"
#include "crawl_command.h"
#include "export_command.h"
#include "serve/serve_command.h"
#include "saved_commands.h"
#include "analyse_command.h"
#include "options.h"
#include "platform/library_versions.h"
#include "settings_command.h"
#include "thumbnail_command.h"

namespace zel::cli {

int runZelmora(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  Options options;
  Status s = parseOptions(args, options);
  if (!s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n%s\n", s.message().c_str(), usageHint());
    return 2;
  }
  if (options.version) {
    std::printf("zelmora %s\n", ZEL_VERSION);
    for (const auto& [name, version] : libraryVersions())
      std::printf("  %-13s %s\n", name.c_str(), version.c_str());
    return 0;
  }
  if (options.help) {
    std::fputs(helpText().c_str(), stdout);
    return 0;
  }
  if (options.man) {
    std::fputs(manPage().c_str(), stdout);
    return 0;
  }
  if (options.completion) {
    std::fputs(bashCompletion().c_str(), stdout);
    return 0;
  }
  if (options.command == "settings") return runSettings(options);
  if (options.command == "recheck") return runRecheck(options);
  if (options.command == "continue") return runContinue(options);
  if (options.command == "diff") return runDiff(options);
  if (options.command == "thumbnail") return runThumbnail(options);
  if (options.command == "export") return runExport(options);
  if (options.command == "analyse") return runAnalyse(options);
  if (options.command == "serve") return runServe(options);
  if (options.command == "checks") return runChecks(options);
  return runCrawl(options);
}

}  // namespace zel::cli
