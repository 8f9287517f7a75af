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

// Whether link texts say nothing of their target, worked out once a text: a
// site's links share their texts (menus; one page's name on every link to it).
class GenericTexts {
 public:
  explicit GenericTexts(const std::vector<std::string>& texts) : texts_(texts) {
    for (const std::string& g : texts) longest_ = std::max(longest_, g.size());
  }
  bool says(const ZelLinkInstance& i) {
    const uint32_t id = i.linkTextId();
    if (id == 0) return false;
    if (id >= known_.size()) known_.resize(std::max<size_t>(id + 1, known_.size() * 2), kUnknown);
    if (known_[id] == kUnknown) {
      const std::string_view text = trimWhitespace(i.linkText());
      known_[id] = !text.empty() && text.size() <= longest_ &&
                   std::any_of(texts_.begin(), texts_.end(),
                               [&](const std::string& g) { return equalsIgnoreCase(g, text); });
    }
    return known_[id] == 1;
  }

 private:
  static constexpr uint8_t kUnknown = 2;
  const std::vector<std::string>& texts_;
  size_t longest_ = 0;
  std::vector<uint8_t> known_;  // by text id: 0 no, 1 yes, kUnknown
};

void outlinks(AuditRun& run, const ZelUrl* page, GenericTexts& genericTexts) {
  bool internal = false;
  FewOf nofollow, generic;
  for (const ZelLinkInstance* i : page->getOutboundInstances()) {
    const uint8_t kind = run.targetKind(*i);
    if (!kind || !isPageLink(*i)) continue;
    if ((kind & AuditRun::kInternalTarget) && i->targetIndex() != page->graphIndex()) {
      internal = true;
      if (i->nf()) nofollow.note(i->target()->getLinkUrl());
    }
    if (genericTexts.says(*i))
      generic.note("\"" + std::string(trimWhitespace(i->linkText())) + "\" to " +
                   i->target()->getLinkUrl());
  }
  if (!internal) run.add(Issue::LinkNoInternalOutlinks, page);
  if (nofollow.total) run.add(Issue::LinkNofollowInternal, page, nofollow.text());
  if (generic.total) run.add(Issue::LinkGenericText, page, generic.text());
}

void inlinks(AuditRun& run, const ZelUrl* page) {
  if (page->isStartingPoint()) return;
  // One followed link is enough.
  const AuditRun::Inlinks links = run.inlinks(page);
  if (!links.followedPageLink && links.pageLinks > 0)
    run.add(Issue::LinkOnlyNofollowInlinks, page,
            strf("%u nofollow links", static_cast<unsigned>(links.pageLinks)));
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
  GenericTexts genericTexts(run.limits.genericLinkTexts);
  for (const ZelUrl* page : run.pages) {
    outlinks(run, page, genericTexts);
    inlinks(run, page);
    if (page->getDistanceFromHome() > run.limits.maxDepth)
      run.add(Issue::LinkDeepPage, page, strf("%d clicks", page->getDistanceFromHome()));
    if (const MarkupFacts* m = run.markupWithSpots(page, MarkupFacts::EmptyLink))
      run.add(Issue::LinkEmptyText, page, spotsText(*m, MarkupFacts::EmptyLink));
  }
  privateAddresses(run);
  if (run.in.seo && run.in.settings && run.in.settings->boolForKey("SEOEnabled"))
    for (ZelUrl* r : run.in.seo->getCollection())
      // The count (as the summary counted it) is of some of the page's links,
      // which only grow: a page with few links in all is not walked.
      if (static_cast<int64_t>(r->outboundLinkCount()) > run.limits.tooManyLinks &&
          r->getLinkcount() > run.limits.tooManyLinks)
        run.add(Issue::LinkTooMany, r, strf("%d links", r->getLinkcount()));
}

}  // namespace zel::audit
