// The short report on the terminal; the exports hold everything.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <unordered_set>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "report/writers.h"
#include "start_address.h"

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

// Part of the summary's lines say what was not checked rather than what was
// found: they go under a heading of their own.
bool isNote(const std::string& line) { return endsWith(line, "not checked"); }

void printSeo(FILE* out, const ReportContext& report) {
  const std::string& summary = report.seoSummary();
  if (summary.empty() || report.hub().getPageCount() == 0) return;
  std::vector<std::string> problems, notes;
  for (const std::string& line : split(summary, "\n"))
    if (!line.empty()) (isNote(line) ? notes : problems).push_back(line);
  if (!problems.empty()) {
    std::fprintf(out, "\nSEO (%s):\n", countOf(report.hub().getPageCount(), "page").c_str());
    for (const std::string& line : problems) std::fprintf(out, "  %s\n", line.c_str());
  }
  if (!notes.empty()) {
    std::fprintf(out, "\nNotes:\n");
    for (const std::string& line : notes) std::fprintf(out, "  %s\n", line.c_str());
  }
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

// Where a bad link stands: at most five of the pages (and lines) that link to it.
void printPlaces(FILE* out, const ZelUrl& r) {
  size_t shown = 0, places = 0;
  for (ZelLinkInstance* i : r.getInboundInstances()) {
    if (!i->parent()) continue;
    if (++places > kPagesPerBadLink) continue;
    ++shown;
    std::string where = i->parent()->getActualLinkUrl();
    if (i->lineNumber()) where += strf(" (line %i)", *i->lineNumber());
    std::fprintf(out, "      found on %s\n", where.c_str());
  }
  if (places > shown) std::fprintf(out, "      and %zu more\n", places - shown);
}

// "host" or "host:port" of an address, without its user and password.
std::string authorityOf(const std::string& address) {
  const size_t scheme = address.find("://");
  const size_t from = scheme == std::string::npos ? 0 : scheme + 3;
  size_t to = address.find_first_of("/?#", from);
  if (to == std::string::npos) to = address.size();
  std::string authority = address.substr(from, to - from);
  if (const size_t at = authority.rfind('@'); at != std::string::npos) authority.erase(0, at + 1);
  return authority;
}

// The bad links of one host outside the site.
struct HostLinks {
  std::string host;
  size_t links = 0;
  std::map<std::string, size_t> statuses;  // how many links have each status
  std::optional<std::string> unreachable;  // the one reason no link of the host was answered
  bool mixed = false;                      // some were answered, or for different reasons
};

// What a host's lines say of its links: the reason none was answered, or its
// most common status.
std::string reasonOf(const HostLinks& h) {
  if (h.unreachable && !h.mixed) return *h.unreachable;
  auto most = std::max_element(h.statuses.begin(), h.statuses.end(),
                               [](const auto& a, const auto& b) { return a.second < b.second; });
  std::string reason = most->first;
  if (h.statuses.size() > 1)
    reason += " and " + countOf(h.statuses.size() - 1, "other status", "other statuses");
  return reason;
}

// The line a shared reason gets: "327 hosts could not be resolved (4,102 links)".
std::string sharedReasonLine(const std::string& reason, size_t hosts, size_t links) {
  std::string what = reason;
  if (reason == "the host could not be found")
    what = "could not be resolved";
  else if (reason == "the connection was refused")
    what = "refused the connection";
  else if (reason == "it timed out")
    what = "timed out";
  return countOf(static_cast<long long>(hosts), "host") + " " + what + " (" +
         countOf(static_cast<long long>(links), "link") + ")";
}

void printBadLinks(FILE* out, const ReportContext& report) {
  std::vector<ZelUrl*> inside;
  std::map<std::string, HostLinks> outside;
  size_t outsideLinks = 0;
  for (ZelUrl* r : report.hub().getLinksCollection()) {
    if (!r->isInBadCollection() || !report.passesFilter(r)) continue;
    if (r->isInternal()) {
      inside.push_back(r);
      continue;
    }
    const std::string status = r->getStatus();
    HostLinks& h = outside[authorityOf(r->getActualLinkUrl())];
    ++h.links;
    ++outsideLinks;
    ++h.statuses[status];
    const auto why = unreachableReason(status);
    if (!why || (h.unreachable && *h.unreachable != *why)) h.mixed = true;
    if (why && !h.unreachable) h.unreachable = why;
  }
  size_t lines = 0, shownLinks = 0;
  if (!inside.empty()) {
    std::fprintf(out, "\nBad links inside the site (%s):\n", groupedNumber(inside.size()).c_str());
    for (ZelUrl* r : inside) {
      if (lines == kBadLinksShown) break;
      ++lines;
      ++shownLinks;
      std::fprintf(out, "  %s\n      %s\n", r->getActualLinkUrl().c_str(), r->getStatus().c_str());
      printPlaces(out, *r);
    }
  }
  if (!outside.empty()) {
    std::fprintf(out, "\nBad links outside the site (%s on %s):\n",
                 countOf(static_cast<long long>(outsideLinks), "link").c_str(),
                 countOf(static_cast<long long>(outside.size()), "host").c_str());
    // First the reasons several hosts share (a resolver that is down, a
    // network that blocks), then each other host, most links first.
    std::map<std::string, std::pair<size_t, size_t>> shared;  // reason -> hosts, links
    for (auto& [host, h] : outside)
      if (h.unreachable && !h.mixed) {
        shared[*h.unreachable].first++;
        shared[*h.unreachable].second += h.links;
      }
    std::vector<const HostLinks*> others;
    for (auto& [host, h] : outside) {
      h.host = host;
      if (h.unreachable && !h.mixed && shared[*h.unreachable].first > 1) continue;
      others.push_back(&h);
    }
    for (const auto& [reason, count] : shared) {
      if (count.first < 2 || lines == kBadLinksShown) continue;
      ++lines;
      shownLinks += count.second;
      std::fprintf(out, "  %s\n", sharedReasonLine(reason, count.first, count.second).c_str());
    }
    std::stable_sort(others.begin(), others.end(),
                     [](const HostLinks* a, const HostLinks* b) { return a->links > b->links; });
    for (const HostLinks* h : others) {
      if (lines == kBadLinksShown) break;
      ++lines;
      shownLinks += h->links;
      std::fprintf(out, "  %s: %s (%s)\n", h->host.c_str(),
                   countOf(static_cast<long long>(h->links), "link").c_str(), reasonOf(*h).c_str());
    }
  }
  const size_t total = inside.size() + outsideLinks;
  if (total > shownLinks)
    std::fprintf(
        out, "  and %s (--json, --csv, --links-csv, --junit, --html and --db list every one)\n",
        countOf(static_cast<long long>(total - shownLinks), "more bad link", "more bad links")
            .c_str());
}

// With fragments kept, links whose #anchor the target page lacks. The target
// answered, so they are not bad links; each is listed with where it stands.
void printMissingAnchors(FILE* out, const ReportContext& report) {
  std::vector<ZelUrl*> missing;
  for (ZelUrl* r : report.hub().getLinksCollection())
    if (r->getLinksAnchorDoesntAppearOnTargetPage() && report.passesFilter(r)) missing.push_back(r);
  if (missing.empty()) return;
  std::fprintf(out, "\nMissing anchors (%s):\n", groupedNumber(missing.size()).c_str());
  for (size_t n = 0; n < missing.size() && n < kBadLinksShown; ++n) {
    std::fprintf(out, "  %s\n      no anchor \"%s\" on the page\n",
                 missing[n]->getActualLinkUrl().c_str(), missing[n]->getAnchorFragment().c_str());
    printPlaces(out, *missing[n]);
  }
  if (missing.size() > kBadLinksShown)
    std::fprintf(out, "  and %zu more (--json and --db list every one)\n",
                 missing.size() - kBadLinksShown);
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
  printMissingAnchors(aside, report);
  printTopIssues(aside, report);
  std::fclose(aside);
  std::string printed(text, size);
  std::free(text);
  report.secrets().apply(printed);
  std::fwrite(printed.data(), 1, printed.size(), out);
}

}  // namespace zel::cli
