#pragma once
// The sitemaps part of the site audit (--audit-sitemaps, --sitemap-url), run
// after the crawl. It reads the site's sitemaps (robots.txt's Sitemap lines,
// /sitemap.xml and the ones named) through the crawl's loader with requests
// made as the crawl makes them (user agent, extra headers, cookies, login), and
// then checks the addresses they list that no link of the crawl reached with a
// hub of its own: its requests are scheduled as the crawl's are (numberOfThreads,
// maxRequestsPerHost, delay), and none of them becomes a record of the crawl.
#include <functional>

#include "audit/audit_input.h"
#include "platform/platform.h"

namespace zel {
class ZelHub;
}

namespace zel::cli {

class SitemapAudit {
 public:
  static constexpr size_t kMostFiles = 1000;
  static constexpr size_t kMostAddresses = 100000;

  SitemapAudit(const ZelHub& crawl, const Platform& platform, const MemoryDefaults& settings);
  // `stopNow` is asked several times a second (Ctrl-C, --max-time): the reading
  // then ends with what it found so far.
  audit::SitemapReading run(const std::function<bool()>& stopNow);

 private:
  struct Fetched;
  Fetched fetch(const std::string& url, const std::function<bool()>& stopNow);
  std::vector<std::string> sitemapsOfRobotsTxt(const std::function<bool()>& stopNow);
  void probe(audit::SitemapReading& reading, const std::vector<std::string>& addresses,
             const std::function<bool()>& stopNow);

  const ZelHub& crawl_;
  Platform platform_;
  const MemoryDefaults& settings_;
  std::string start_;  // the start's address after parsing
};

}  // namespace zel::cli
