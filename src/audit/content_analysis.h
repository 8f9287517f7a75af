#pragma once
// The results of the content analyses that look at the whole site once the
// crawl is over (link score, near duplicates), beside what the scan worker read
// of each page (search matches, extractions, readability). Kept by record:
// every output reads them from here.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "parser/page_content.h"

namespace zel {
class ZelUrl;
}

namespace zel::audit {

struct PageScores {
  double pageRank = 0;
  uint8_t percentile = 0;
  uint32_t uniqueInlinks = 0;
  // The closest near duplicate, its similarity in percent and how many there are.
  const ZelUrl* closest = nullptr;
  uint8_t similarity = 0;
  uint32_t nearDuplicates = 0;
};

struct ContentSettings {
  struct Search {
    std::string name, pattern;
    bool regex = false;
    bool missingIsFinding = false;  // the finding is a page without a match
  };
  std::vector<Search> searches;
  bool searchVisibleText = false;  // the visible text, not the source
  struct Extraction {
    std::string name, expression;  // "xpath:...", "css:..." or "regex:..."
  };
  std::vector<Extraction> extractions;
  bool analyses = true;  // link score, near duplicates, readability
  int nearDuplicateThreshold = 90;
};

class ContentAnalysis {
 public:
  ContentAnalysis(ContentSettings settings,
                  std::function<const PageContent*(const ZelUrl*)> pageContentOf,
                  std::function<const Signature*(const ZelUrl*)> signatureOf)
      : settings_(std::move(settings)),
        pageContentOf_(std::move(pageContentOf)),
        signatureOf_(std::move(signatureOf)) {}

  const ContentSettings& settings() const { return settings_; }
  // What the scan read of a page; null when nothing was.
  const PageContent* pageContent(const ZelUrl* page) const {
    return pageContentOf_ ? pageContentOf_(page) : nullptr;
  }
  // The MinHash signature of a page's main text; null when it has none.
  const Signature* signature(const ZelUrl* page) const {
    return signatureOf_ ? signatureOf_(page) : nullptr;
  }
  // The site-wide scores of a page of the site; null for other records.
  const PageScores* scores(const ZelUrl* page) const;
  PageScores& scoresFor(const ZelUrl* page);
  // Room for the scores of records numbered below `records`, made at once.
  void sizeScores(size_t records);

 private:
  ContentSettings settings_;
  std::function<const PageContent*(const ZelUrl*)> pageContentOf_;
  std::function<const Signature*(const ZelUrl*)> signatureOf_;
  std::vector<PageScores> scores_;  // by the record's graph index
  std::vector<bool> scored_;
};

}  // namespace zel::audit
