#pragma once
// Puts a saved crawl back into a fresh hub: the start-up state, the records in
// crawl order with every field and flag, their redirect tables and warnings,
// the link instances, the site's pages, misspelled words and the counters, so
// that the hub is in the state the crawl ended in and can be rechecked or
// continued. The reader of the saved form hands the parts over in that order.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/zel_hub.h"

namespace zel {

// What go() works out before the first request, as it was when the crawl ended.
struct SavedStartup {
  std::vector<std::string> domains, checkBlacklist, followBlacklist, followWhitelist, soft404;
  std::optional<std::vector<std::string>> robotsBlacklist, robotsWhitelist;
  uint64_t detectedEncoding = 0;
  bool https = false, startWasXml = false;
};

// One record with the values the crawl left on it.
struct SavedRecord {
  std::string url, redirectUrl, actualUrl, status, mimeType;
  bool slashTrimmed = false, redirectSlashTrimmed = false, bad = false, internal = false,
       blacklisted = false, disallowed = false, startingPoint = false, recursion = false,
       isHtml = false, isImage = false, isVideo = false, isAudio = false,
       noContentLength = false, headNofollow = false, headNoindex = false,
       keywordStuffed = false, spellingReviewed = false, anchorMissing = false;
  int32_t distance = 0, thread = 0, retryCount = 0, retryAfter = 0;
  std::optional<std::string> fetchedAt, lastModified, title, metaDescription, keywords, canonical,
      validatorStatus, changeFrequency;
  double responseTime = 0, loadTime = 0;
  int64_t sizeBytes = 0, sizeKb = 0, compressedBytes = 0;  // body bytes, its kB, transferred bytes
  std::optional<std::vector<MetaEntry>> metaData;
  std::optional<std::vector<std::string>> headings, names, warnings;
  int64_t wordCount = -1, spelling = 0, grammar = 0, validatorErrors = -1, validatorWarnings = -1;
  // url, title, description, keywords, headings, archive, total
  std::array<int32_t, 7> occurrences{};
  std::optional<double> priority;
  int32_t internalLinks = 0, externalLinks = 0;
  std::vector<RedirectEntry> redirects;
};

struct SavedCounters {
  int64_t checked = 0, bad = 0, nextUrlIndex = 0;
  bool stopped = false;  // false: the crawl finished
};

class ZelCrawlRestorer {
 public:
  // The hub must be new: go() not called, no records.
  explicit ZelCrawlRestorer(ZelHub& hub) : hub_(hub) {}

  void startup(const SavedStartup& state);
  // Adds the next record in crawl order and enters it in the look-up table.
  ZelUrl* record(const SavedRecord& saved);
  // Records are referred to by their place in crawl order; nullptr past the end.
  ZelUrl* recordAt(int64_t index) const { return hub_.getnthItem(index); }
  void link(ZelUrl* parent, ZelUrl* target, std::optional<std::string> linkText,
            const std::string& rel, bool nofollow, const std::string& targetAttr,
            const std::string& hreflang, std::optional<int32_t> line);
  // The site's pages, in the order they joined the SEO collection.
  void page(ZelUrl* record);
  void misspelling(const std::string& word, ZelUrl* record);
  // The crawl-wide warnings list, in the order raised (record may be null).
  void warning(ZelUrl* record, const std::string& text);
  // Last: the counters, the redirect look-up table and the SEO counters.
  void finish(const SavedCounters& counters, const ZelSEOManager::Counters& seo);

 private:
  ZelHub& hub_;
  // Each record's saved internal and external link counts, by crawl order: the
  // instances added later count again, so the saved values are put back last.
  std::vector<std::pair<int32_t, int32_t>> linkCounts_;
};

}  // namespace zel
