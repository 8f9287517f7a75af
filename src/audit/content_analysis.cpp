#include "audit/content_analysis.h"

#include "url/zel_url.h"

namespace zel::audit {

const PageScores* ContentAnalysis::scores(const ZelUrl* page) const {
  const uint32_t i = page->graphIndex();
  return i < scored_.size() && scored_[i] ? &scores_[i] : nullptr;
}

PageScores& ContentAnalysis::scoresFor(const ZelUrl* page) {
  const uint32_t i = page->graphIndex();
  if (i >= scores_.size()) {
    scores_.resize(i + 1);
    scored_.resize(i + 1);
  }
  scored_[i] = true;
  return scores_[i];
}

}  // namespace zel::audit
