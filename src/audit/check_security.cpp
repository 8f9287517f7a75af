// Security of an https site: the response headers browsers act on, resources
// and forms on plain http, protocol-relative addresses.
#include "audit/audit_run.h"
#include "audit/record_facts.h"
#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

void headers(AuditRun& run, const ZelUrl* page) {
  const ResponseHeaders kept = run.headers(page);
  // Without the headers, or with some dropped, an absent one is not known absent.
  if (!kept.list || kept.truncated) return;
  auto has = [&](std::string_view name) { return !run.headerValues(page, name).empty(); };
  if (!has("Strict-Transport-Security")) run.add(Issue::SecurityNoHsts, page);
  const std::vector<std::string> csp = run.headerValues(page, "Content-Security-Policy");
  if (csp.empty()) run.add(Issue::SecurityNoCsp, page);
  bool nosniff = false;
  for (const std::string& v : run.headerValues(page, "X-Content-Type-Options"))
    nosniff = nosniff || equalsIgnoreCase(trimWhitespace(v), "nosniff");
  if (!nosniff) run.add(Issue::SecurityNoNosniff, page);
  bool frames = has("X-Frame-Options");
  for (const std::string& v : csp) frames = frames || containsIgnoreCase(v, "frame-ancestors");
  if (!frames) run.add(Issue::SecurityNoFrameProtection, page);
  if (!has("Referrer-Policy")) run.add(Issue::SecurityNoReferrerPolicy, page);
}

}  // namespace

void checkSecurity(AuditRun& run) {
  if (!run.httpsSite) return;
  for (const ZelUrl* page : run.pages) {
    if (!startsWith(page->getActualurl(), "https://")) continue;
    headers(run, page);
    const std::pair<Issue, MarkupFacts::SpotKind> kSpotIssues[] = {
        {Issue::SecurityMixedContent, MarkupFacts::InsecureResource},
        {Issue::SecurityInsecureForm, MarkupFacts::InsecureForm},
        {Issue::SecurityProtocolRelative, MarkupFacts::ProtocolRelative}};
    for (const auto& [issue, kind] : kSpotIssues)
      if (const MarkupFacts* m = run.markupWithSpots(page, kind))
        run.add(issue, page, spotsText(*m, kind));
  }
}

}  // namespace zel::audit
