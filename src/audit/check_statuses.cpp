// Statuses: broken and unanswered addresses, links to redirects, redirect chains
// and loops, addresses and files robots.txt keeps out.
#include "audit/audit_run.h"
#include "audit/record_facts.h"
#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

// The first page that links to a record, for the detail.
std::string foundOn(const ZelUrl& r) {
  if (const ZelLinkInstance* first = r.firstInboundInstance(); first && first->parent())
    return "linked from " + first->parent()->getActualLinkUrl();
  for (const ZelLinkInstance* i : r.getInboundInstances())
    if (const ZelUrl* p = i->parent()) return "linked from " + p->getActualLinkUrl();
  return std::string();
}

void brokenAndUnanswered(AuditRun& run) {
  for (const ZelUrl* r : *run.in.records) {
    if (!r->isInBadCollection() || isSoft404(*r)) continue;
    const int code = statusCode(*r);
    const bool internal = r->isInternal();
    std::optional<Issue> issue;
    if (code >= 400 && code < 500)
      issue = internal ? Issue::StatusInternal4xx : Issue::StatusExternal4xx;
    else if (code >= 500 && code < 600)
      issue = internal ? Issue::StatusInternal5xx : Issue::StatusExternal5xx;
    else if (hasNoResponse(*r))
      issue = internal ? Issue::StatusInternalNoResponse : Issue::StatusExternalNoResponse;
    if (!issue) continue;
    std::string detail = r->getFinalStatus();
    if (std::string where = foundOn(*r); !where.empty()) detail += "; " + where;
    run.add(*issue, r, std::move(detail));
  }
}

void redirects(AuditRun& run) {
  for (const ZelUrl* r : *run.in.records) {
    if (isRedirectLoop(*r))
      run.add(Issue::StatusRedirectLoop, r, redirectChainText(*r));
    else if (r->getRedirectCount() >= 2)
      run.add(Issue::StatusRedirectChain, r, redirectChainText(*r));
  }
}

void linksToRedirects(AuditRun& run) {
  for (const ZelUrl* page : run.pages) {
    std::vector<std::string> targets;
    size_t total = 0;
    for (const ZelLinkInstance* i : page->getOutboundInstances()) {
      constexpr uint8_t kWanted = AuditRun::kInternalTarget | AuditRun::kRedirectedTarget;
      // Links a visitor follows: the alternates of link tags have their own check.
      if ((run.targetKind(*i) & kWanted) != kWanted || i->targetIndex() == page->graphIndex() ||
          !isPageLink(*i) || (i->textIsMarker() && i->linkText() == "[linked file]"))
        continue;
      const ZelUrl* t = i->target();
      if (std::find(targets.begin(), targets.end(), t->getLinkUrl()) != targets.end()) continue;
      ++total;
      targets.push_back(t->getLinkUrl());
    }
    if (total) run.add(Issue::StatusLinksToRedirect, page, firstFew(targets, total));
  }
}

void keptOutByRobots(AuditRun& run) {
  for (const ZelUrl* r : *run.in.records) {
    if (!r->isDisallowed() || !r->isInternal()) continue;
    bool needed = false;  // a file a page loads
    const ZelUrl* by = nullptr;
    for (const ZelLinkInstance* i : r->getInboundInstances()) {
      if (isResourceLink(*i)) {
        needed = true;
        if (!by) by = i->parent();
      }
    }
    if (needed)
      run.add(Issue::StatusBlockedResource, r,
              by ? "needed by " + by->getActualLinkUrl() : std::string());
    else
      run.add(Issue::StatusBlockedByRobots, r, foundOn(*r));
  }
}

}  // namespace

void checkStatuses(AuditRun& run) {
  brokenAndUnanswered(run);
  redirects(run);
  linksToRedirects(run);
  keptOutByRobots(run);
}

}  // namespace zel::audit
