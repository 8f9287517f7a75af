#pragma once
// Private to the record: the fields that only fetched pages carry, and the
// caches built from the link graph. Kept apart so that the many records of a
// crawl that are never pages stay small.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/spill_texts.h"
#include "url/zel_url.h"

namespace zel {

struct ZelUrl::PageFacts {
  // The page's texts, in one allocation: see text() and setText().
  enum Text { kTitle, kDescription, kCanonical, kMetaData, kHeadings, kTextCount };
  // "" when absent (the has... flags tell absent from empty).
  std::string_view text(Text which) const;
  std::string_view description() const;
  // The texts live in `store` (the link graph's), which outlives the record.
  void setText(SpillTexts& store, Text which, std::string_view value);

  // What most fetched pages have, kept inline.
  std::vector<ZelLinkInstance*> linkedImages;  // a cache over the outbound instances
  int64_t wordCount = -1;
  int32_t validatorErrors = -1, validatorWarnings = -1;
  int32_t h1CountCache = -1, hrefCount = -1;  // -1: not worked out yet
  uint32_t targetLastModified = 0;  // pooled text id
  bool hasTitle = false, hasDescription = false, hasHeadings = false, isKeywordStuffed = false;
  // The description is the content of the last description tag of the meta
  // tags, read from there rather than kept twice.
  bool descriptionInMeta = false;
  bool spellingReviewed = false, linksAnchorDoesntAppearOnTargetPage = false;
  bool hasMetaData = false, hasLinkedImages = false, hasLastModified = false;

  // What few pages have, made on first use.
  struct Extra {
    std::optional<std::string> keywords;
    std::optional<std::vector<std::string>> namesOnThisPage;
    std::string validatorStatus;
    int32_t ocurrencesInUrl = 0, ocurrencesInTitle = 0, ocurrencesInDescription = 0,
            ocurrencesInKeywords = 0, ocurrencesInHeadings = 0, ocurrencesInArchive = 0,
            totalOcurrences = 0;
    std::optional<std::vector<ZelUrl*>> urlsWithDuplicates, urlsWithDuplicateTitles,
        urlsWithDuplicateDescriptions;
    std::optional<double> priority;
    std::string changeFrequency;
    std::optional<UrlRequest> runJS;
    std::unique_ptr<ZelRenderer> WTG;
    // A renderer was attached and has not yet delivered its page.
    bool awaitingRender = false;
    std::optional<std::vector<ZelLinkInstance*>> linkedVideo, linkedAudio;
    std::vector<ZelLinkInstance*> retainArray;
    int64_t spelling = 0, grammar = 0;
  };
  std::unique_ptr<Extra> extra;
  Extra& more() {
    if (!extra) extra = std::make_unique<Extra>();
    return *extra;
  }

 private:
  // The texts one after the other, each after its length (7 bits a byte, the
  // high bit set on all but the last); the meta tags as packMetaData packs
  // them, the headings each after its length too. Empty while every text is.
  std::string_view texts() const { return {texts_, textsSize_}; }
  const char* texts_ = nullptr;
  uint32_t textsSize_ = 0;
};

// Meta tags in one text: the tag count, then for each tag its pair count and
// each name and value after its length; every number 7 bits a byte, the high
// bit set on all but the last.
std::string packMetaData(const std::vector<MetaEntry>& entries);
std::vector<MetaEntry> unpackMetaData(std::string_view packed);

}  // namespace zel
