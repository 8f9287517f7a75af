#include "audit/audit_run.h"

#include <algorithm>
#include <unordered_set>

#include "audit/record_facts.h"
#include "platform/text_format.h"
#include "seo/zel_seo_manager.h"
#include "url/zel_url.h"

namespace zel::audit {

AuditRun::AuditRun(const AuditInput& input, SiteAudit& out)
    : in(input), limits(out.limits_), out_(out) {
  httpsSite = startsWith(input.startingUrl, "https://");
  if (!in.records) return;
  byAddress_.reserve(in.records->size() * 2);
  for (ZelUrl* r : *in.records) {
    byAddress_.emplace(r->getLinkUrl(), r);
    byAddress_.emplace(r->getActualurl(), r);
  }
}

ZelUrl* AuditRun::find(std::string_view address) const {
  address = address.substr(0, address.find('#'));
  if (address.empty()) return nullptr;
  if (auto it = byAddress_.find(address); it != byAddress_.end()) return it->second;
  // Records may keep an address without its trailing "/" (shouldIgnoreSlash).
  if (address.back() == '/') {
    if (auto it = byAddress_.find(address.substr(0, address.size() - 1)); it != byAddress_.end())
      return it->second;
  } else {
    const std::string slashed = std::string(address) + "/";
    if (auto it = byAddress_.find(slashed); it != byAddress_.end()) return it->second;
  }
  return nullptr;
}

const MarkupFacts* AuditRun::markup(const ZelUrl* r) const {
  return in.markupOf ? in.markupOf(r) : nullptr;
}

ResponseHeaders AuditRun::headers(const ZelUrl* r) const {
  return in.headersOf ? in.headersOf(r) : ResponseHeaders();
}

std::vector<std::string> AuditRun::headerValues(const ZelUrl* r, std::string_view name) const {
  std::vector<std::string> values;
  if (const HeaderList* list = headers(r).list)
    for (const auto& [n, v] : *list)
      if (equalsIgnoreCase(n, name)) values.push_back(v);
  return values;
}

std::optional<Indexability> AuditRun::verdict(const ZelUrl* r) const {
  return out_.indexability(r);
}

bool AuditRun::headerSaysNoindex(const ZelUrl* r) const {
  for (const std::string& v : headerValues(r, "X-Robots-Tag"))
    if (hasRobotsWord(v, "noindex") || hasRobotsWord(v, "none")) return true;
  return false;
}

bool AuditRun::isNoindex(const ZelUrl* r) const {
  if (r->getHeadContainsNoIndex() || headerSaysNoindex(r)) return true;
  const MarkupFacts* m = markup(r);
  return m && hasRobotsWord(m->robots, "none");
}

void AuditRun::add(Issue issue, const ZelUrl* r, std::string detail) {
  out_.findings_.push_back(Finding{issue, r, std::string(), std::move(detail)});
}

void AuditRun::addAddress(Issue issue, std::string url, std::string detail) {
  if (const ZelUrl* r = find(url)) return add(issue, r, std::move(detail));
  out_.findings_.push_back(Finding{issue, nullptr, std::move(url), std::move(detail)});
}

// Which records are pages of the site, and each page's verdict in the order of
// its reasons.
void AuditRun::classify() {
  std::unordered_set<const ZelUrl*> seoPages;
  if (in.seo) seoPages.insert(in.seo->getCollection().begin(), in.seo->getCollection().end());
  for (ZelUrl* r : *in.records) {
    const bool html = r->getIsHTML() && !r->getIsPDF();
    if (!isSitePage(*r) && !(seoPages.count(r) && html)) {
      if (r->getIsPDF() && headerSaysNoindex(r)) out_.pdfsKeptOut_.insert(r);
      continue;
    }
    const int code = statusCode(*r);
    Indexability v = Indexability::Indexable;
    if (r->isDisallowed())
      v = Indexability::BlockedByRobotsTxt;
    else if (code == 0)
      v = Indexability::NoResponse;
    else if (code != 200 || isSoft404(*r))
      v = Indexability::Not200;
    else if (r->getRedirectCount() > 0)
      v = Indexability::Redirected;
    else if (isNoindex(r))
      v = Indexability::Noindex;
    else if (!r->canonicalMatchesUrl())
      v = Indexability::Canonicalised;
    out_.indexability_.emplace(r, v);
    if (v == Indexability::Indexable) ++out_.indexable_;
    sitePages.push_back(r);
    if (code == 200 && !isSoft404(*r) && r->getRedirectCount() == 0) pages.push_back(r);
  }
}

void AuditRun::runAll() {
  if (!in.records) return;
  classify();
  checkStatuses(*this);
  checkAddresses(*this);
  checkTitlesAndDescriptions(*this);
  checkHeadings(*this);
  checkContent(*this);
  checkImages(*this);
  checkLinks(*this);
  checkDirectives(*this);
  checkCanonicals(*this);
  checkHreflang(*this);
  checkSitemaps(*this);
  checkSecurity(*this);

  // Grouped by type in catalogue order; one finding per type and address.
  auto& f = out_.findings_;
  std::stable_sort(f.begin(), f.end(),
                   [](const Finding& a, const Finding& b) { return a.issue < b.issue; });
  std::unordered_set<std::string> seenUrls;  // addresses without a record: few
  std::unordered_set<const ZelUrl*> seenRecords;
  std::vector<Finding> kept;
  kept.reserve(f.size());
  for (size_t i = 0; i < f.size(); ++i) {
    if (i == 0 || f[i].issue != f[i - 1].issue) {
      seenUrls.clear();
      seenRecords.clear();
    }
    const bool fresh =
        f[i].record ? seenRecords.insert(f[i].record).second : seenUrls.insert(f[i].url).second;
    if (fresh) kept.push_back(std::move(f[i]));
  }
  f = std::move(kept);
  for (uint32_t i = 0; i < f.size(); ++i) {
    ++out_.counts_[static_cast<size_t>(f[i].issue)];
    if (f[i].record) out_.byRecord_[f[i].record].push_back(i);
  }
}

}  // namespace zel::audit
