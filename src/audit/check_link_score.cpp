// The link score of every page of the site: PageRank over the followed internal
// links, where a redirect or a canonical hands its value to its target.
#include <algorithm>

#include "audit/audit_run.h"
#include "audit/content_analysis.h"
#include "audit/content_checks.h"
#include "audit/page_rank.h"
#include "audit/record_facts.h"
#include "url/zel_link_instance.h"
#include "url/zel_url.h"

namespace zel::audit {

void scoreLinks(AuditRun& run, ContentAnalysis& content) {
  const std::vector<ZelUrl*>& pages = run.sitePages;
  if (pages.empty()) return;
  uint32_t most = 0;
  for (const ZelUrl* p : pages) most = std::max(most, p->graphIndex());
  std::vector<int32_t> node(static_cast<size_t>(most) + 1, -1);  // graph index -> page
  for (size_t k = 0; k < pages.size(); ++k) node[pages[k]->graphIndex()] = static_cast<int32_t>(k);
  content.sizeScores(static_cast<size_t>(most) + 1);
  const auto nodeOf = [&](const ZelUrl* r) -> int32_t {
    return r && r->graphIndex() <= most && node[r->graphIndex()] >= 0 &&
                   pages[static_cast<size_t>(node[r->graphIndex()])] == r
               ? node[r->graphIndex()]
               : -1;
  };

  LinkGraph graph;
  graph.reserve(pages.size());
  std::vector<uint32_t> targets;
  std::vector<uint32_t> inlinks(pages.size(), 0);
  std::vector<uint32_t> linked;  // the pages one page links to, to count each once
  for (size_t k = 0; k < pages.size(); ++k) {
    ZelUrl* p = pages[k];
    // Where the page hands on its whole value instead of spreading it.
    const ZelUrl* passesTo = nullptr;
    if (p->getRedirectCount() > 0)
      passesTo = run.find(p->getActualurl());
    else if (!p->canonicalMatchesUrl() && !p->getCanonical().empty())
      passesTo = run.find(p->getCanonical());
    const int32_t passTo = passesTo != p ? nodeOf(passesTo) : -1;
    targets.clear();
    if (passTo >= 0) targets.push_back(static_cast<uint32_t>(passTo));
    // One look at each link serves both: the pages it links to (its unique
    // inlinks, nofollow or not) and, unless it passes its value on, the
    // followed links its value spreads over. The target is looked up first:
    // telling a page link by its text costs more.
    linked.clear();
    for (const ZelLinkInstance* i : p->getOutboundInstances()) {
      // By the target's number: reading the target record itself would be a
      // miss of the cache for nearly every link of a big site.
      const uint32_t at = i->targetIndex();
      const int32_t to = at <= most ? node[at] : -1;
      if (to < 0 || !isPageLink(*i)) continue;
      if (at != p->graphIndex()) linked.push_back(static_cast<uint32_t>(to));
      if (passTo < 0 && !i->nf()) targets.push_back(static_cast<uint32_t>(to));
    }
    graph.addPage(targets);
    std::sort(linked.begin(), linked.end());
    linked.erase(std::unique(linked.begin(), linked.end()), linked.end());
    for (const uint32_t to : linked) ++inlinks[to];
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
