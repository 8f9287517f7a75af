#pragma once
// What every writer reads of a finished (or stopped) crawl: the hub and its
// records, the settings it ran with, its times, the one SEO summary of the
// crawl, and the output filter rules that choose the records of the reports.
#include <algorithm>
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/defaults.h"
#include "report/secret_mask.h"

namespace zel {
class ZelHub;
class ZelUrl;
class OutputFilterManager;
}  // namespace zel

namespace zel::audit {
class SiteAudit;
}

namespace zel::cli {

class AuditSession;

struct CrawlTiming {
  double seconds = 0;
  bool stopped = false;  // the user interrupted the crawl, or its deadline came
  std::time_t startedAt = 0, endedAt = 0;
  std::optional<double> deadline;  // --max-time, when that is what stopped it
};

// A local folder the crawl read over http from 127.0.0.1 (--over-http): its
// saved crawl serves it again on the same port.
struct ServedFolder {
  std::string folder;
  int port = 0;
};

class ReportContext {
 public:
  // Counts the images without alt text on the site's pages, runs the SEO text
  // summary (once: its duplicate counters are what every output reads), builds
  // the output filter when `mipFilter` is on, decides which pages belong in a
  // sitemap, numbers the records in crawl order (their id) and fills every
  // cache of the records that a writer would fill, so that writers on two
  // threads only read the records.
  ReportContext(ZelHub& hub, const MemoryDefaults& settings, CrawlTiming timing);
  ~ReportContext();

  ZelHub& hub() const { return hub_; }
  const MemoryDefaults& settings() const { return settings_; }
  const CrawlTiming& timing() const { return timing_; }
  const std::string& seoSummary() const { return seoSummary_; }
  // Whether a record belongs in the filtered reports (CSV, links CSV, the
  // terminal); the JSON and the database hold every record.
  bool passesFilter(const ZelUrl* record) const;
  // A record's place in crawl order; nullopt for one that is not in the crawl's
  // collection (or none).
  std::optional<int64_t> indexOf(const ZelUrl* record) const;
  // Whether a page of the SEO collection belongs in the sitemap.
  bool inSitemap(const ZelUrl* record) const {
    return std::binary_search(sitemap_.begin(), sitemap_.end(), record);
  }
  // The settings as a JSON object, passwords, tokens and credential-like header
  // and form values replaced by "***".
  Json redactedSettings() const;
  // The start address's password, which every export hides.
  const SecretMask& secrets() const { return secrets_; }
  // Pages whose answer came before the crawl was stopped and whose links were
  // never read (besides the ones still in flight): a loaded crawl keeps them.
  void setLinksPending(std::unordered_set<const ZelUrl*> pages) { linksPending_ = std::move(pages); }
  bool linksPending(const ZelUrl* record) const;
  // The site audit of the crawl; null (no audit in any output) when it is off.
  void setAudit(const AuditSession* session) { audit_ = session; }
  const AuditSession* auditSession() const { return audit_; }
  const audit::SiteAudit* audit() const;
  void setServedFolder(std::optional<ServedFolder> served) { served_ = std::move(served); }
  const std::optional<ServedFolder>& servedFolder() const { return served_; }

 private:
  ZelHub& hub_;
  const MemoryDefaults& settings_;
  CrawlTiming timing_;
  std::string seoSummary_;
  std::unique_ptr<OutputFilterManager> filter_;
  std::vector<const ZelUrl*> sitemap_;  // sorted: a set of a whole crawl's pages costs too much
  std::unordered_set<const ZelUrl*> linksPending_;
  SecretMask secrets_;
  const AuditSession* audit_ = nullptr;
  std::optional<ServedFolder> served_;
};

// The settings as a JSON object with their secrets hidden (see redactedSettings).
Json redactSettings(const MemoryDefaults& settings);

// "2026-12-07T04:22:15Z"; "" for 0.
std::string isoTime(std::time_t t);

// Whether a link to an image shows it without alt text (the scanner marks the
// text of an image with alt text "[alt]:").
inline bool imageLinkLacksAlt(std::string_view linkText) {
  return linkText.find("[alt]:") == std::string_view::npos;
}

}  // namespace zel::cli
