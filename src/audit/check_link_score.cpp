// The link score of every page of the site: PageRank over the followed internal
// links, where a redirect or a canonical hands its value to its target.
#include <algorithm>

#include "audit/audit_run.h"
#include "audit/content_analysis.h"
#include "audit/content_checks.h"
#include "audit/page_rank.h"
#include "audit/record_facts.h"
#include "url/zel_url.h"

namespace zel::audit {

void scoreLinks(AuditRun& run, ContentAnalysis& content) {
  const std::vector<ZelUrl*>& pages = run.sitePages;
  if (pages.empty()) return;
  uint32_t most = 0;
  for (const ZelUrl* p : pages) most = std::max(most, p->graphIndex());
  std::vector<int32_t> node(static_cast<size_t>(most) + 1, -1);  // graph index -> page
  for (size_t k = 0; k < pages.size(); ++k) node[pages[k]->graphIndex()] = static_cast<int32_t>(k);
  const auto nodeOf = [&](const ZelUrl* r) -> int32_t {
    return r && r->graphIndex() <= most && node[r->graphIndex()] >= 0 &&
                   pages[static_cast<size_t>(node[r->graphIndex()])] == r
               ? node[r->graphIndex()]
               : -1;
  };

  LinkGraph graph;
  std::vector<uint32_t> targets;
  std::vector<uint32_t> inlinks(pages.size(), 0);
  std::vector<uint32_t> parents;  // of one page, to count each once
  for (size_t k = 0; k < pages.size(); ++k) {
    ZelUrl* p = pages[k];
    // Where the page hands on its whole value instead of spreading it.
    const ZelUrl* passesTo = nullptr;
    if (p->getRedirectCount() > 0)
      passesTo = run.find(p->getActualurl());
    else if (!p->canonicalMatchesUrl() && !p->getCanonical().empty())
      passesTo = run.find(p->getCanonical());
    targets.clear();
    if (const int32_t to = nodeOf(passesTo); to >= 0 && passesTo != p) {
      targets.push_back(static_cast<uint32_t>(to));
    } else {
      for (const ZelLinkInstance* i : p->getOutboundInstances()) {
        if (i->nf() || !isPageLink(*i)) continue;
        if (const int32_t to = nodeOf(i->target()); to >= 0)
          targets.push_back(static_cast<uint32_t>(to));
      }
    }
    graph.addPage(targets);
    parents.clear();
    for (const ZelLinkInstance* i : p->getInboundInstances()) {
      const int32_t from = isPageLink(*i) ? nodeOf(i->parent()) : -1;
      if (from >= 0 && i->parent() != p) parents.push_back(static_cast<uint32_t>(from));
    }
    std::sort(parents.begin(), parents.end());
    inlinks[k] =
        static_cast<uint32_t>(std::unique(parents.begin(), parents.end()) - parents.begin());
  }

  const std::vector<double> values = pageRank(graph);
  const std::vector<uint8_t> pct = percentiles(values);
  for (size_t k = 0; k < pages.size(); ++k) {
    PageScores& s = content.scoresFor(pages[k]);
    s.pageRank = values[k];
    s.percentile = pct[k];
    s.uniqueInlinks = inlinks[k];
  }
}

}  // namespace zel::audit
