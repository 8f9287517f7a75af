// The findings of the content analyses: the site-wide ones are worked out here,
// the per-page ones were read by the scan.
#include "audit/audit_run.h"
#include "audit/content_analysis.h"
#include "audit/content_checks.h"
#include "audit/min_hash.h"
#include "audit/record_facts.h"
#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel::audit {

void searchFindings(AuditRun& run, const ContentAnalysis& content) {
  const auto& searches = content.settings().searches;
  if (searches.empty()) return;
  for (const ZelUrl* page : run.pages) {
    const PageContent* read = content.pageContent(page);
    if (!read) continue;
    FewOf found, missing;
    for (size_t k = 0; k < searches.size() && k < read->searchMatches().size(); ++k) {
      const uint32_t n = read->searchMatches()[k];
      if (searches[k].missingIsFinding && n == 0) missing.note(searches[k].name);
      if (!searches[k].missingIsFinding && n > 0)
        found.note(strf("%s (%u)", searches[k].name.c_str(), n));
    }
    if (found.total) run.add(Issue::SearchFound, page, found.text());
    if (missing.total) run.add(Issue::SearchMissing, page, missing.text());
  }
}

void readabilityFindings(AuditRun& run, const ContentAnalysis& content) {
  for (const ZelUrl* page : run.pages) {
    const PageContent* read = content.pageContent(page);
    if (!read || !read->readability || !read->readability->scored) continue;
    const double score = read->readability->fleschReadingEase;
    const std::string detail = strf("Flesch reading ease %.1f", score);
    if (score < 30)
      run.add(Issue::ContentVeryDifficultReading, page, detail);
    else if (score < 50)
      run.add(Issue::ContentDifficultReading, page, detail);
  }
}

void structuredDataFindings(AuditRun& run, const ContentAnalysis& content) {
  for (const ZelUrl* page : run.pages) {
    const PageContent* read = content.pageContent(page);
    // Pages the analyses did not read (off, or a saved crawl without them) say nothing.
    if (!read || !read->readability) continue;
    const StructuredFacts* s = read->structured.get();
    if (!s) {
      if (run.verdict(page) == Indexability::Indexable) run.add(Issue::StructuredDataMissing, page);
      continue;
    }
    const auto few = [](const std::vector<std::string>& list) {
      FewOf f;
      for (const std::string& t : list) f.note(t);
      return f.text();
    };
    if (!s->parseErrors.empty())
      run.add(Issue::StructuredDataParseError, page, few(s->parseErrors));
    if (!s->errors.empty()) run.add(Issue::StructuredDataInvalid, page, few(s->errors));
    if (!s->warnings.empty()) run.add(Issue::StructuredDataIncomplete, page, few(s->warnings));
  }
}

void findNearDuplicates(AuditRun& run, ContentAnalysis& content) {
  std::vector<const ZelUrl*> pages;
  std::vector<const Signature*> signatures;
  std::vector<uint64_t> groups;  // exact duplicates share their text hash
  pages.reserve(run.pages.size());
  signatures.reserve(run.pages.size());
  groups.reserve(run.pages.size());
  for (const ZelUrl* page : run.pages) {
    if (run.verdict(page) != Indexability::Indexable) continue;
    const Signature* signature = content.signature(page);
    if (!signature) continue;
    const AuditRun::MarkupBrief* b = run.brief(page);
    pages.push_back(page);
    signatures.push_back(signature);
    groups.push_back(b ? b->textHash : 0);
  }
  const double threshold = content.settings().nearDuplicateThreshold / 100.0;
  const std::vector<NearDuplicatePair> pairs = nearDuplicatePairs(signatures, groups, threshold);
  // The search's input goes before the tallies come, so the two never add up.
  std::vector<const Signature*>().swap(signatures);
  std::vector<uint64_t>().swap(groups);
  std::vector<uint32_t> count(pages.size(), 0);
  std::vector<double> best(pages.size(), -1);
  std::vector<uint32_t> closest(pages.size(), 0);
  for (const NearDuplicatePair& p : pairs) {
    for (const auto& [self, other] : {std::pair{p.a, p.b}, std::pair{p.b, p.a}}) {
      ++count[self];
      if (p.similarity > best[self]) {
        best[self] = p.similarity;
        closest[self] = other;
      }
    }
  }
  for (size_t k = 0; k < pages.size(); ++k) {
    if (count[k] == 0) continue;
    PageScores& s = content.scoresFor(pages[k]);
    s.closest = pages[closest[k]];
    s.similarity = static_cast<uint8_t>(best[k] * 100 + 0.5);
    s.nearDuplicates = count[k];
    run.add(Issue::ContentNearDuplicate, pages[k],
            strf("%u near duplicate%s; closest %s (%u%%)", count[k], count[k] == 1 ? "" : "s",
                 s.closest->getLinkUrl().c_str(), static_cast<unsigned>(s.similarity)));
  }
}

void checkContentAnalyses(AuditRun& run, ContentAnalysis& content) {
  if (content.settings().analyses) {  // the link score comes first (AuditRun::runAll)
    findNearDuplicates(run, content);
    readabilityFindings(run, content);
    structuredDataFindings(run, content);
  }
  searchFindings(run, content);
}

}  // namespace zel::audit
