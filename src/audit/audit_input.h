#pragma once
// What the host hands the site audit: the finished crawl's records, the SEO
// collection and its duplicate groups, the settings, the facts the records do
// not keep (markup facts and response headers, through the host's accessors)
// and, when asked for, the site's sitemaps as read after the crawl.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "parser/markup_facts.h"
#include "platform/url_loader.h"
#include "url/rendered_facts.h"

namespace zel {
class Defaults;
class ZelSEOManager;
class ZelLinkGraph;
class ZelUrl;
}  // namespace zel

namespace zel::audit {

class ContentAnalysis;

// The response header fields the audit reads; a host may keep only these.
inline constexpr std::string_view kHeadersRead[] = {"X-Robots-Tag",
                                                    "Link",
                                                    "Strict-Transport-Security",
                                                    "Content-Security-Policy",
                                                    "X-Content-Type-Options",
                                                    "X-Frame-Options",
                                                    "Referrer-Policy"};

// The final response's headers of a record, when they were kept.
struct ResponseHeaders {
  const HeaderList* list = nullptr;  // null: none kept
  bool truncated = false;            // some were dropped: an absent header is not known absent
};

// One address a sitemap lists, with its xhtml:link alternates (hreflang, href).
struct SitemapEntry {
  std::string loc;
  std::vector<std::pair<std::string, std::string>> alternates;
};

// One sitemap file as read.
struct SitemapFile {
  std::string url;
  bool index = false;   // a sitemap index (lists sitemaps)
  bool read = false;    // fetched and parsed
  std::string problem;  // why it was not read
  size_t urls = 0;      // addresses (or sitemaps) it lists
  uint64_t bytes = 0;   // its size as received, decoded
};

// An address a sitemap lists that no link of the crawl reached, as checked afterwards.
struct SitemapProbe {
  std::string status;       // the status text, as the crawl would record it
  bool disallowed = false;  // robots.txt disallows it: listed, not fetched
  bool redirected = false;
  bool noindex = false;
  bool canonicalised = false;
};

struct SitemapReading {
  std::vector<SitemapFile> files;
  std::vector<SitemapEntry> entries;         // every listed page address once, in the order read
  size_t filesNotRead = 0, urlsNotRead = 0;  // past the limits, or stopped
  bool stopped = false;                      // --max-time or Ctrl-C came first
  std::unordered_map<std::string, SitemapProbe> probes;  // by address
};

struct AuditInput {
  const std::vector<ZelUrl*>* records = nullptr;  // the crawl's records, in crawl order
  // The records' link graph: with it, what each record's inbound links are is read
  // in one walk over the links in the order made; without it, record by record.
  const ZelLinkGraph* graph = nullptr;
  ZelSEOManager* seo = nullptr;                   // the SEO collection and its groups
  const Defaults* settings = nullptr;
  std::string startingUrl;
  bool startWasSitemap = false;  // the crawl started from an XML sitemap
  // Null or returning null: no facts for that page.
  std::function<const MarkupFacts*(const ZelUrl*)> markupOf;
  std::function<ResponseHeaders(const ZelUrl*)> headersOf;
  const SitemapReading* sitemaps = nullptr;  // with --audit-sitemaps
  // Filled with the site-wide content analyses when given; null: none run.
  ContentAnalysis* content = nullptr;
  // What the browser found on a rendered page (--accessibility, --page-speed,
  // --script-changes); null or returning null: nothing for that page.
  std::function<const RenderedFacts*(const ZelUrl*)> renderedOf;
};

}  // namespace zel::audit
