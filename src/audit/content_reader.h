#pragma once
// What the scan worker reads of each page for the content analyses: the
// matches of the user's searches, the values of the user's extractions, the
// MinHash signature of the main text and its readability.
#include <memory>
#include <optional>
#include <vector>

#include "audit/content_analysis.h"
#include "audit/field_extractor.h"
#include "audit/readability.h"
#include "parser/page_content.h"
#include "platform/regex.h"
#include "platform/status.h"

namespace zel::audit {

class ContentReader final : public PageContentReader {
 public:
  // An error names the search or extraction that cannot be used.
  static Status make(const ContentSettings& settings, std::unique_ptr<ContentReader>& out);

  bool wantsMainText() const override { return analyses_; }
  bool wantsVisibleText() const override { return visibleText_ && !searches_.empty(); }
  std::unique_ptr<PageContent> read(const PageText& page) const override;

 private:
  struct Search {
    std::string text;  // plain searches: matched ignoring ASCII case
    std::optional<Regex> regex;
  };
  std::vector<Search> searches_;
  bool visibleText_ = false;
  bool analyses_ = false;
  std::unique_ptr<FieldExtractor> extractor_;
  std::unique_ptr<SyllableCounter> syllables_;
};

// Non-overlapping occurrences of `needle` in `haystack`, ignoring ASCII case.
uint32_t countIgnoringCase(std::string_view haystack, std::string_view needle);

}  // namespace zel::audit
