#pragma once
// `zelmora analyse CRAWL.db`: the content analyses run again on a saved crawl
// without a request (near duplicates from the stored signatures, the link
// score from the stored links, the searches' findings), written back into the
// database in one transaction, with what changed printed and the exports written.
// With --from-archive the pages' bodies come from a plain archive copy, so that
// searches, extractions, signatures and readability are read again too.
#include "options.h"

namespace zel::cli {

int runAnalyse(const Options& options);

}  // namespace zel::cli
