#include "app.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace zel::cli {

namespace {

void printUsage(FILE* out) {
  std::fprintf(out,
               "usage: zelmora crawl TARGET [options]\n"
               "       zelmora --version\n"
               "\n"
               "TARGET is a URL, a local folder or file, an XML sitemap or a list of URLs.\n");
}

}  // namespace

int runZelmora(int argc, char** argv) {
  if (argc >= 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-V") == 0)) {
    std::printf("zelmora %s\n", ZEL_VERSION);
    return 0;
  }
  if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    printUsage(stdout);
    return 0;
  }
  printUsage(stderr);
  return 2;
}

}  // namespace zel::cli
