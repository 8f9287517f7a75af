// Links and structure: dead ends, nofollow, depth, link texts, too many links,
// links to private addresses.
#include <algorithm>
#include <unordered_set>

#include "audit/audit_run.h"
#include "audit/network_address.h"
#include "audit/record_facts.h"
#include "platform/defaults.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "seo/zel_seo_manager.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

void outlinks(AuditRun& run, const ZelUrl* page, size_t longestGeneric) {
  bool internal = false;
  FewOf nofollow, generic;
  const auto& genericTexts = run.limits.genericLinkTexts;
  for (const ZelLinkInstance* i : page->getOutboundInstances()) {
    const ZelUrl* t = i->target();
    if (!t || !isPageLink(*i)) continue;
    if (t->isInternal() && t != page) {
      internal = true;
      if (i->nf()) nofollow.note(t->getLinkUrl());
    }
    const std::string_view text = trimWhitespace(i->linkText());
    if (!text.empty() && text.size() <= longestGeneric &&
        std::any_of(genericTexts.begin(), genericTexts.end(),
                    [&](const std::string& g) { return equalsIgnoreCase(g, text); }))
      generic.note("\"" + std::string(text) + "\" to " + t->getLinkUrl());
  }
  if (!internal) run.add(Issue::LinkNoInternalOutlinks, page);
  if (nofollow.total) run.add(Issue::LinkNofollowInternal, page, nofollow.text());
  if (generic.total) run.add(Issue::LinkGenericText, page, generic.text());
}

void inlinks(AuditRun& run, const ZelUrl* page) {
  if (page->isStartingPoint()) return;
  // One followed link is enough.
  if (page->anyInboundInstance([](const ZelLinkInstance& i) { return isPageLink(i) && !i.nf(); }))
    return;
  size_t nofollow = 0;
  for (const ZelLinkInstance* i : page->getInboundInstances()) nofollow += isPageLink(*i);
  if (nofollow > 0)
    run.add(Issue::LinkOnlyNofollowInlinks, page, strf("%zu nofollow links", nofollow));
}

void privateAddresses(AuditRun& run) {
  const auto start = Url::parse(run.in.startingUrl);
  if (!start || start->host().empty() || isPrivateOrLoopbackHost(start->host())) return;
  std::unordered_set<const ZelUrl*> privateRecords;  // looked at once each, not once a link
  for (const ZelUrl* r : *run.in.records) {
    const auto u = Url::parse(r->getLinkUrl());
    if (u && !u->host().empty() && isPrivateOrLoopbackHost(u->host())) privateRecords.insert(r);
  }
  if (privateRecords.empty()) return;
  for (const ZelUrl* page : run.pages) {
    FewOf targets;
    for (const ZelLinkInstance* i : page->getOutboundInstances())
      if (privateRecords.count(i->target())) targets.note(i->target()->getLinkUrl());
    if (targets.total) run.add(Issue::LinkPrivateAddress, page, targets.text());
  }
}

}  // namespace

void checkLinks(AuditRun& run) {
  size_t longestGeneric = 0;
  for (const std::string& g : run.limits.genericLinkTexts)
    longestGeneric = std::max(longestGeneric, g.size());
  for (const ZelUrl* page : run.pages) {
    outlinks(run, page, longestGeneric);
    inlinks(run, page);
    if (page->getDistanceFromHome() > run.limits.maxDepth)
      run.add(Issue::LinkDeepPage, page, strf("%d clicks", page->getDistanceFromHome()));
    if (const MarkupFacts* m = run.markup(page); spotCount(m, MarkupFacts::EmptyLink))
      run.add(Issue::LinkEmptyText, page, spotsText(*m, MarkupFacts::EmptyLink));
  }
  privateAddresses(run);
  if (run.in.seo && run.in.settings && run.in.settings->boolForKey("SEOEnabled"))
    for (ZelUrl* r : run.in.seo->getCollection())
      if (r->getLinkCount() > run.limits.tooManyLinks)
        run.add(Issue::LinkTooMany, r, strf("%d links", r->getLinkCount()));
}

}  // namespace zel::audit
