// Canonicals: missing, self-referencing, naming another page, and what that
// page is; canonicals that disagree, relative ones, chains.
#include <algorithm>

#include "audit/audit_run.h"
#include "audit/canonical_chain.h"
#include "audit/link_header.h"
#include "audit/record_facts.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

std::string withoutFragment(std::string s) {
  s.resize(std::min(s.size(), s.find('#')));
  return s;
}

// The canonicals of the page's Link headers, absolute.
std::vector<std::string> headerCanonicals(AuditRun& run, const ZelUrl* page) {
  std::vector<std::string> out;
  for (const std::string& v : run.headerValues(page, "Link"))
    for (const LinkHeaderEntry& e : parseLinkHeader(v))
      if (relHas(e.rel, "canonical"))
        if (auto u = Url::resolve(e.target, page->getActualLinkUrl()))
          out.push_back(withoutFragment(u->absoluteString()));
  return out;
}

bool isAbsolute(std::string_view href) {
  return startsWithIgnoreCase(href, "http://") || startsWithIgnoreCase(href, "https://");
}

// What the canonical's target is, when the crawl knows it.
void canonicalTarget(AuditRun& run, ZelUrl* page, const std::string& canonical) {
  const ZelUrl* target = run.find(canonical);
  if (!target) return;
  if (target->isDisallowed())
    run.add(Issue::CanonicalToNonIndexable, page, canonical + " is blocked by robots.txt");
  else if (target->getRedirectCount() > 0)
    run.add(Issue::CanonicalToRedirect, page, redirectChainText(*target));
  else if (statusCode(*target) != 200 || isSoft404(*target))
    run.add(Issue::CanonicalToNon200, page, canonical + " answers " + target->getFinalStatus());
  else if (run.isNoindex(target))
    run.add(Issue::CanonicalToNonIndexable, page, canonical + " is noindex");

  const auto next = [&](std::string_view address) -> std::optional<std::string> {
    ZelUrl* r = run.find(address);
    if (!r || r->getCanonical().empty() || r->canonicalMatchesUrl()) return std::nullopt;
    return r->getCanonical();
  };
  const std::vector<std::string> chain = canonicalChain(page->getActualLinkUrl(), next);
  if (chain.size() >= 3) run.add(Issue::CanonicalChain, page, join(chain, " -> "));
}

}  // namespace

void checkCanonicals(AuditRun& run) {
  for (ZelUrl* page : run.pages) {
    const std::string canonical = page->getCanonical();
    const std::vector<std::string> fromHeaders = headerCanonicals(run, page);
    const AuditRun::MarkupBrief* b = run.brief(page);
    const MarkupFacts* m = b && !(b->has & b->kCanonicals) ? nullptr : run.markup(page);
    if (canonical.empty() && fromHeaders.empty()) run.add(Issue::CanonicalMissing, page);
    if (m && !m->canonicals.empty() && !isAbsolute(m->canonicals.front()))
      run.add(Issue::CanonicalRelative, page, m->canonicals.front());

    std::vector<std::string> all = fromHeaders;
    if (!canonical.empty()) all.push_back(withoutFragment(canonical));
    if (m)
      for (const std::string& href : m->canonicals)
        if (auto u = Url::resolve(href, page->getActualLinkUrl()))
          all.push_back(withoutFragment(u->absoluteString()));
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    if (all.size() > 1) run.add(Issue::CanonicalConflicting, page, join(all, ", "));

    if (canonical.empty()) continue;
    if (page->canonicalMatchesUrl()) {
      run.add(Issue::CanonicalSelfReferencing, page);
      continue;
    }
    run.add(Issue::CanonicalCanonicalised, page, canonical);
    canonicalTarget(run, page, canonical);
  }
}

}  // namespace zel::audit
