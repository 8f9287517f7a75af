#pragma once
// Where a crawl's settings come from, and `zelmora settings`.
#include <cstdio>
#include <string>

#include "options.h"

namespace zel::cli {

// The settings a crawl starts from before the user's own: what a user of a
// link checker expects when they have said nothing.
void applyHostDefaults(Defaults& d);

// The settings a crawl with these options uses: the settings file (--settings,
// or ./zelmora.json when present, said on `notices`), then the command line,
// the password file, and the program's defaults. Unknown names are errors.
Status resolveSettings(const Options& options, MemoryDefaults& out, FILE* notices);

// The password from the first line of its file.
Status readPasswordFile(const std::string& path, std::string& password);

// `zelmora settings [WORD] [--effective ...]`; returns the exit status.
int runSettings(const Options& options);

}  // namespace zel::cli
