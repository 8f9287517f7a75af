// The short report on the terminal; the exports hold everything.
#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "report/writers.h"

namespace zel::cli {

namespace {

constexpr size_t kPagesPerBadLink = 5;
constexpr size_t kRedirectsShown = 20;
// A big broken site would otherwise print hundreds of thousands of lines.
constexpr size_t kBadLinksShown = 100;

void printSummary(FILE* out, const ReportContext& report) {
  ZelHub& hub = report.hub();
  int64_t redirected = 0, internal = 0;
  for (ZelUrl* r : hub.getLinksCollection()) {
    if (r->getRedirectCount() > 0) ++redirected;
    if (r->isInternal()) ++internal;
  }
  std::fprintf(out, "%s %s in %.1f s\n", report.timing().stopped ? "Stopped crawling" : "Crawled",
               withoutPasswords(hub.getStartingUrl()).c_str(), report.timing().seconds);
  std::fprintf(out, "  links checked: %lld   bad links: %lld   total: %lld   pages: %lld\n",
               static_cast<long long>(hub.getCheckedLinkCount()),
               static_cast<long long>(hub.getBadLinkCount()),
               static_cast<long long>(hub.getTotalLinkCount()),
               static_cast<long long>(hub.getPageCount()));
  std::fprintf(out, "  internal: %lld   external: %lld   redirected: %lld\n",
               static_cast<long long>(internal),
               static_cast<long long>(hub.getTotalLinkCount() - internal),
               static_cast<long long>(redirected));
  if (report.timing().deadline)
    std::fprintf(out, "  stopped at the deadline of %g s (--max-time): what was found so far\n",
                 *report.timing().deadline);
  if (hub.getHostFailureSettledCount() > 0)
    std::fprintf(out, "  %lld URLs not requested: their host (%zu in all) could not be reached\n",
                 static_cast<long long>(hub.getHostFailureSettledCount()),
                 hub.getUnreachableHostCount());
}

void printSeo(FILE* out, const ReportContext& report) {
  const std::string& summary = report.seoSummary();
  if (summary.empty() || report.hub().getPageCount() == 0) return;
  std::fprintf(out, "\nSEO (%lld pages):\n", static_cast<long long>(report.hub().getPageCount()));
  for (const std::string& line : split(summary, "\n"))
    if (!line.empty()) std::fprintf(out, "  %s\n", line.c_str());
}

void printRedirects(FILE* out, const ReportContext& report) {
  std::vector<ZelUrl*> moved;
  for (ZelUrl* r : report.hub().getLinksCollection())
    if (r->getRedirectCount() > 0 && report.passesFilter(r)) moved.push_back(r);
  if (moved.empty()) return;
  std::fprintf(out, "\nRedirects (%zu):\n", moved.size());
  for (size_t n = 0; n < moved.size() && n < kRedirectsShown; ++n) {
    std::fprintf(out, "  %s\n", moved[n]->getLinkUrl().c_str());
    for (const RedirectEntry& e : *moved[n]->getRedirTable())
      std::fprintf(out, "      %s -> %s\n", e.status.c_str(), e.url.c_str());
  }
  if (moved.size() > kRedirectsShown)
    std::fprintf(out, "  and %zu more\n", moved.size() - kRedirectsShown);
}

void printBadLinks(FILE* out, const ReportContext& report) {
  std::vector<ZelUrl*> bad;
  for (ZelUrl* r : report.hub().getLinksCollection())
    if (r->isInBadCollection() && report.passesFilter(r)) bad.push_back(r);
  if (bad.empty()) return;
  std::fprintf(out, "\nBad links (%zu):\n", bad.size());
  for (size_t n = 0; n < bad.size() && n < kBadLinksShown; ++n) {
    ZelUrl* r = bad[n];
    std::fprintf(out, "  %s\n      %s\n", r->getActualLinkUrl().c_str(), r->getStatus().c_str());
    size_t shown = 0, places = 0;
    for (ZelLinkInstance* i : r->getInboundInstances()) {
      if (!i->parent()) continue;
      if (++places > kPagesPerBadLink) continue;
      ++shown;
      std::string where = i->parent()->getActualLinkUrl();
      if (i->lineNumber()) where += strf(" (line %i)", *i->lineNumber());
      std::fprintf(out, "      found on %s\n", where.c_str());
    }
    if (places > shown) std::fprintf(out, "      and %zu more\n", places - shown);
  }
  if (bad.size() > kBadLinksShown)
    std::fprintf(out, "  and %zu more bad link%s (--csv, --json or --db lists every one)\n",
                 bad.size() - kBadLinksShown, bad.size() - kBadLinksShown == 1 ? "" : "s");
}

}  // namespace

void printTerminalReport(FILE* out, const ReportContext& report) {
  // Printed aside first, so that the start address's password can be hidden.
  char* text = nullptr;
  size_t size = 0;
  FILE* aside = open_memstream(&text, &size);
  if (!aside) return;
  printSummary(aside, report);
  printSeo(aside, report);
  printRedirects(aside, report);
  printBadLinks(aside, report);
  printTopIssues(aside, report);
  std::fclose(aside);
  std::string printed(text, size);
  std::free(text);
  report.secrets().apply(printed);
  std::fwrite(printed.data(), 1, printed.size(), out);
}

}  // namespace zel::cli
