// Sitemaps against the crawl (with --audit-sitemaps): orphans, listed pages that
// are not indexable, indexable pages no sitemap lists, sitemaps over the limits.
#include <cctype>
#include <unordered_set>

#include "audit/audit_run.h"
#include "audit/record_facts.h"
#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

constexpr size_t kMostUrlsPerSitemap = 50000;
constexpr uint64_t kMostBytesPerSitemap = 50ull * 1024 * 1024;

// The verdict on an address the crawl never reached, from its check afterwards.
std::optional<Indexability> verdictOf(const SitemapProbe& p) {
  if (p.disallowed) return Indexability::BlockedByRobotsTxt;
  if (p.status.size() < 3 || !std::isdigit(static_cast<unsigned char>(p.status[0])))
    return Indexability::NoResponse;
  if (p.status.compare(0, 3, "200") != 0) return Indexability::Not200;
  if (p.redirected) return Indexability::Redirected;
  if (p.noindex) return Indexability::Noindex;
  if (p.canonicalised) return Indexability::Canonicalised;
  return Indexability::Indexable;
}

void listed(AuditRun& run, const std::string& loc, std::optional<Indexability> verdict) {
  if (!verdict || *verdict == Indexability::Indexable) return;
  run.addAddress(Issue::SitemapNonIndexable, loc, std::string(indexabilityName(*verdict)));
  if (*verdict == Indexability::Noindex) run.addAddress(Issue::DirectiveNoindexInSitemap, loc);
}

}  // namespace

void checkSitemaps(AuditRun& run) {
  const SitemapReading* s = run.in.sitemaps;
  if (!s) return;
  bool anyRead = false;
  for (const SitemapFile& f : s->files) {
    anyRead = anyRead || f.read;
    if (f.urls > kMostUrlsPerSitemap || f.bytes > kMostBytesPerSitemap)
      run.addAddress(
          Issue::SitemapTooLarge, f.url,
          strf("%zu addresses, %llu bytes", f.urls, static_cast<unsigned long long>(f.bytes)));
  }
  std::unordered_set<const ZelUrl*> inSitemaps;
  for (const SitemapEntry& e : s->entries) {
    if (const ZelUrl* r = run.find(e.loc)) {
      inSitemaps.insert(r);
      listed(run, e.loc, run.verdict(r));
      continue;
    }
    auto probe = s->probes.find(e.loc);
    run.addAddress(Issue::SitemapOrphan, e.loc,
                   probe == s->probes.end() ? std::string("not checked") : probe->second.status);
    if (probe != s->probes.end()) listed(run, e.loc, verdictOf(probe->second));
  }
  if (!anyRead) return;  // without a sitemap every page would be "missing"
  for (const ZelUrl* page : run.sitePages)
    if (run.verdict(page) == Indexability::Indexable && !inSitemaps.count(page))
      run.add(Issue::SitemapMissingPage, page);
}

}  // namespace zel::audit
