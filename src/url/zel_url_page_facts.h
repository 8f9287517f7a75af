#pragma once
// Private to the record: the fields that only fetched pages carry, and the
// caches built from the link graph. Kept apart so that the many records of a
// crawl that are never pages stay small.
#include <optional>
#include <string>
#include <vector>

#include "url/zel_url.h"

namespace zel {

struct ZelUrl::PageFacts {
  std::string linkPageTitle;
  bool hasTitle = false;
  std::optional<std::string> metaDescription, keywords;
  std::optional<std::vector<MetaEntry>> metaData;
  std::string canonical;
  std::optional<std::vector<std::string>> headings;
  std::optional<int32_t> h1CountCache;
  std::optional<std::vector<std::string>> namesOnThisPage;
  int64_t wordCount = -1;
  bool isKeywordStuffed = false;
  int64_t spelling = 0, grammar = 0;
  bool spellingReviewed = false;
  std::string validatorStatus;
  int64_t validatorErrors = -1, validatorWarnings = -1;
  bool linksAnchorDoesntAppearOnTargetPage = false;
  int32_t ocurrencesInUrl = 0, ocurrencesInTitle = 0, ocurrencesInDescription = 0,
          ocurrencesInKeywords = 0, ocurrencesInHeadings = 0, ocurrencesInArchive = 0,
          totalOcurrences = 0;
  std::optional<std::vector<ZelUrl*>> urlsWithDuplicates, urlsWithDuplicateTitles,
      urlsWithDuplicateDescriptions;
  std::optional<double> priority;
  std::string changeFrequency;
  std::optional<std::string> targetLastModified;
  std::optional<UrlRequest> runJS;
  // Caches over the outbound instances.
  std::optional<std::vector<ZelLinkInstance*>> linkedImages, linkedVideo, linkedAudio;
  std::optional<int32_t> hrefCount;
  std::vector<ZelLinkInstance*> retainArray;
};

}  // namespace zel
