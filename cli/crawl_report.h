#pragma once
// What a finished (or stopped) crawl prints and writes: the summary, the list
// of bad links with the pages that link to them, and the JSON results.
#include <cstdio>
#include <string>

#include "platform/defaults.h"

namespace zel {
class ZelHub;
class ZelUrl;
}  // namespace zel

namespace zel::cli {

struct CrawlTiming {
  double seconds = 0;
  bool stopped = false;  // the user interrupted the crawl
};

void printSummary(FILE* out, ZelHub& hub, const CrawlTiming& timing);
void printBadLinks(FILE* out, ZelHub& hub);
// Every redirected address with its hops.
void printRedirects(FILE* out, ZelHub& hub);
// The results as one JSON object (a stable, public format), written record by
// record so that a large crawl needs no document in memory. False when the
// file cannot be written.
bool writeCrawlResultsJson(const std::string& path, ZelHub& hub, std::string* error);

}  // namespace zel::cli
