// Robots directives of the pages: meta tags and the X-Robots-Tag header.
#include "audit/audit_run.h"
#include "audit/record_facts.h"
#include "platform/defaults.h"
#include "platform/text_format.h"
#include "seo/zel_seo_manager.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

// The page's directives from its meta tags and headers, as one text.
std::string directivesOf(AuditRun& run, const ZelUrl* page) {
  std::string all;
  const AuditRun::MarkupBrief* b = run.brief(page);
  if (!b || (b->has & b->kRobots))
    if (const MarkupFacts* m = run.markup(page)) all = m->robots;
  for (const std::string& v : run.headerValues(page, "X-Robots-Tag")) all += "," + v;
  return all;
}

}  // namespace

void checkDirectives(AuditRun& run) {
  if (run.in.seo && run.in.settings && run.in.settings->boolForKey("SEOEnabled")) {
    for (ZelUrl* r : run.in.seo->getCollection()) {
      if (r->getHeadContainsNoIndex()) run.add(Issue::DirectiveNoindex, r);
      if (r->getHeadContainsNoFollow()) run.add(Issue::DirectiveNofollow, r);
    }
  }
  for (const ZelUrl* page : run.pages) {
    if (run.headerSaysNoindex(page))
      run.add(Issue::DirectiveNoindexHeader, page,
              join(run.headerValues(page, "X-Robots-Tag"), "; "));
    const std::string directives = directivesOf(run, page);
    if (hasRobotsWord(directives, "none")) run.add(Issue::DirectiveNone, page);
    const bool noarchive = hasRobotsWord(directives, "noarchive"),
               nosnippet = hasRobotsWord(directives, "nosnippet");
    if (noarchive || nosnippet)
      run.add(Issue::DirectiveNoarchiveNosnippet, page,
              noarchive && nosnippet ? "noarchive, nosnippet"
              : noarchive            ? "noarchive"
                                     : "nosnippet");
    if (const AuditRun::MarkupBrief* b = run.brief(page); b && (b->has & b->kRobotsInBody))
      run.add(Issue::DirectiveRobotsInBody, page);
  }
  // A crawl started from a sitemap: the pages it lists are its links.
  const ZelUrl* start = run.in.records->empty() ? nullptr : run.in.records->front();
  if (run.in.startWasSitemap && start) {
    for (const ZelLinkInstance* i : start->getOutboundInstances()) {
      const ZelUrl* t = i->target();
      if (t && run.verdict(t) == Indexability::Noindex)
        run.add(Issue::DirectiveNoindexInSitemap, t, "listed in " + start->getLinkUrl());
    }
  }
}

}  // namespace zel::audit
