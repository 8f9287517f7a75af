#pragma once
// Gathers the internal pages that count for SEO, keeps the problem counters
// and groups pages by title and description to find duplicates.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "seo/record_key_set.h"
#include "url/kx_data_source.h"
#include "url/zel_record_owner.h"

namespace zel {

class Defaults;
class Localizer;
class Log;
class ZelUrl;
class ZelLinkInstance;

class ZelSEOManager : public kxDataSource<ZelUrl> {
 public:
  ZelSEOManager(const Defaults& defaults, Log& log, const Localizer* localizer = nullptr)
      : defaults_(defaults), log_(log), localizer_(localizer) {}

  // Adds a page once (keyed by its actual address without fragment) and counts
  // its problems when SEO is enabled.
  void add(ZelUrl* record);
  void addWords(const std::vector<std::string>& words, ZelUrl* record);
  void clear();
  void incMixedContent() { ++counters_.mixedContent; }
  // The engine never counts images without alt text; the host may.
  void incNoAlt() { ++counters_.noalt; }
  // The host's cached sitemap and spelling collections; a new page drops both.
  void clearSitemapCollection() { sitemapCollection_.reset(); }
  void clearSpellingCollection() { spellingCollection_.reset(); }

  int64_t getTotalPageCount() const { return static_cast<int64_t>(collection_.size()); }
  const std::vector<ZelUrl*>& getCollection() const { return collection_; }
  const std::unordered_map<std::string, std::vector<ZelUrl*>>& getMisspelledWordDictionary() const {
    return misspelledWordDictionary_;
  }
  const std::vector<ZelLinkInstance*>& getImageCollection() const { return imageCollection_; }

  // The problem counters as text, one line per counter above 0 (also refreshes the
  // duplicate counters and the images with alt-text marks).
  std::string getShortSummary();
  // The same counters as CSV ("count,test"), as left by the last text summary.
  std::string getShortSummaryAsCSV() const;

  const RecordGroups& getDuplicates();
  const RecordGroups& getDuplicateTitles();
  const RecordGroups& getDuplicateDescriptions();

  struct Counters {
    int32_t notitle = 0, nodesc = 0, possduplicates = 0, duplicatetitle = 0, duplicatedesc = 0,
            nofollow = 0, toomanylinks = 0, metadesclength = 0, titlelength = 0,
            keywordstuffed = 0, thincontent = 0, noalt = 0, pagesExcludedNoIndex = 0,
            mixedContent = 0, redirectchain = 0, pagesWithoutH1 = 0, pagesWithMultipleH1 = 0;
  };
  const Counters& counters() const { return counters_; }

 private:
  friend class ZelCrawlRestorer;  // a saved crawl puts back pages and counters as they were
  std::string localized(const char* english) const;
  // The address a page is known by in the collection.
  static std::string addressKey(ZelUrl& r);

  const Defaults& defaults_;
  Log& log_;
  const Localizer* localizer_;
  Counters counters_;
  // The pages in the collection by address, one a page.
  RecordKeySet duplicateDict_{&addressKey};
  std::optional<RecordGroups> duplicates_, duplicateTitles_, duplicateDescriptions_;
  std::vector<ZelLinkInstance*> imageCollection_;
  std::unordered_map<std::string, std::vector<ZelUrl*>> misspelledWordDictionary_;
  std::optional<std::vector<ZelUrl*>> sitemapCollection_, spellingCollection_;
  std::optional<std::vector<std::string>> misspelledWordSortArray_;  // dropped when words come
};

}  // namespace zel
