#include "app.h"

#include <cstdio>
#include <string>
#include <vector>

#include "crawl_command.h"
#include "options.h"

namespace zel::cli {

int runZelmora(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  Options options;
  Status s = parseOptions(args, options);
  if (options.version) {
    std::printf("zelmora %s\n", ZEL_VERSION);
    return 0;
  }
  if (options.help) {
    std::fputs(usageText(), stdout);
    return 0;
  }
  if (!s.ok()) {
    std::fprintf(stderr, "zelmora: %s\n\n%s", s.message().c_str(), usageText());
    return 2;
  }
  return runCrawl(options);
}

}  // namespace zel::cli
