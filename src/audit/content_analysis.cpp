#include "audit/content_analysis.h"

#include <algorithm>

#include "url/zel_url.h"

namespace zel::audit {

const PageScores* ContentAnalysis::scores(const ZelUrl* page) const {
  const uint32_t i = page->graphIndex();
  return i < scored_.size() && scored_[i] ? &scores_[i] : nullptr;
}

void ContentAnalysis::sizeScores(size_t records) {
  if (records <= scores_.size()) return;
  // Exactly: a resize alone may double what a big site's scores take.
  scores_.reserve(records);
  scores_.resize(records);
  scored_.resize(records);
}

PageScores& ContentAnalysis::scoresFor(const ZelUrl* page) {
  const uint32_t i = page->graphIndex();
  // Sized once by the link score; else grown by doubling, not a page at a time.
  if (i >= scores_.size()) sizeScores(std::max<size_t>(i + 1, scores_.size() * 2));
  scored_[i] = true;
  return scores_[i];
}

}  // namespace zel::audit
