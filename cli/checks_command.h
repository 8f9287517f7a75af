#pragma once
// `zelmora checks`: the site audit's issue types, as a list or (--markdown) as
// the table in the README, both made from the one catalogue.
#include <string>

#include "options.h"

namespace zel::cli {

int runChecks(const Options& options);
std::string checksMarkdown();

}  // namespace zel::cli
