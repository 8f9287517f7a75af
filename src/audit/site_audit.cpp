#include "audit/site_audit.h"

#include <algorithm>

#include "audit/audit_run.h"
#include "platform/defaults.h"
#include "url/zel_url.h"

namespace zel::audit {

namespace {

int64_t ours(const Defaults& d, SettingKey key, int64_t fallback) {
  return d.peek(key.name()) ? d.integerForKey(key) : fallback;
}

}  // namespace

AuditLimits AuditLimits::from(const Defaults& d) {
  AuditLimits l;
  // Read as the SEO summary reads them, so that both count the same pages.
  l.titleMax = d.integerForKey("metaTitleMax");
  l.descriptionMax = d.integerForKey("metaDescriptionMax");
  l.descriptionMin = d.integerForKey("metaDescriptionMin");
  l.thinContent = d.objectForKey("maxThinContent") ? d.integerForKey("maxThinContent") : 250;
  l.tooManyLinks = d.integerForKey("tooManyLinks");
  l.titleMin = ours(d, "auditTitleMin", l.titleMin);
  l.h1Max = ours(d, "auditH1Max", l.h1Max);
  l.urlMax = ours(d, "auditUrlMaxLength", l.urlMax);
  l.altMax = ours(d, "auditAltMax", l.altMax);
  l.imageMaxKB = ours(d, "auditImageMaxKB", l.imageMaxKB);
  l.maxDepth = ours(d, "auditMaxDepth", l.maxDepth);
  if (auto texts = d.stringArrayForKey("auditGenericLinkTexts")) l.genericLinkTexts = *texts;
  return l;
}

std::string_view indexabilityName(Indexability i) {
  switch (i) {
    case Indexability::Indexable:
      return "indexable";
    case Indexability::BlockedByRobotsTxt:
      return "blocked by robots.txt";
    case Indexability::NoResponse:
      return "no response";
    case Indexability::Not200:
      return "not 200";
    case Indexability::Redirected:
      return "redirected";
    case Indexability::Noindex:
      return "noindex";
    case Indexability::Canonicalised:
      return "canonicalised";
  }
  return "";
}

std::string_view SiteAudit::detail(const Finding& f) const {
  std::string_view text = storedText(f.textAt, f.textLength);
  return f.record ? text : text.substr(text.find('\0') + 1);
}

std::string SiteAudit::address(const Finding& f) const {
  if (!f.record) {
    const std::string_view text = storedText(f.textAt, f.textLength);
    return std::string(text.substr(0, text.find('\0')));
  }
  return f.record->getRedirectCount() > 0 ? f.record->getLinkUrl() : f.record->getActualLinkUrl();
}

SiteAudit SiteAudit::run(const AuditInput& input) {
  SiteAudit audit;
  if (input.settings) audit.limits_ = AuditLimits::from(*input.settings);
  audit.sitemaps_ = input.sitemaps;
  audit.content_ = input.content;
  audit.renderedOf_ = input.renderedOf;
  AuditRun run(input, audit);
  run.runAll();
  // Kept while every output is written: without the room their growth left.
  audit.texts_.shrinkTo(audit.texts_.size());
  for (SpillArray<Finding>& list : audit.byIssue_) list.shrinkTo(list.size());
  return audit;
}

std::vector<Issue> SiteAudit::issuesOf(const ZelUrl* record) const {
  std::vector<Issue> out;
  auto it = std::lower_bound(byRecord_.begin(), byRecord_.end(), record,
                             [](const RecordIssues& e, const ZelUrl* r) {
                               return std::less<const ZelUrl*>()(e.record, r);
                             });
  if (it == byRecord_.end() || it->record != record) return out;
  for (size_t i = 0; i < it->issues.size(); ++i)
    if (it->issues[i]) out.push_back(static_cast<Issue>(i));
  return out;
}

const Finding* SiteAudit::findingOf(const ZelUrl* record, Issue issue) const {
  if (!record) return nullptr;
  const auto& list = byIssue_[static_cast<size_t>(issue)];
  auto it =
      std::lower_bound(list.begin(), list.end(), record, [](const Finding& f, const ZelUrl* r) {
        return f.record && f.record->graphIndex() < r->graphIndex();
      });
  return it != list.end() && it->record == record ? &*it : nullptr;
}

std::vector<std::pair<Issue, size_t>> SiteAudit::rankedCounts() const {
  std::vector<std::pair<Issue, size_t>> out;
  for (size_t i = 0; i < byIssue_.size(); ++i)
    if (!byIssue_[i].empty()) out.emplace_back(static_cast<Issue>(i), byIssue_[i].size());
  std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
    const Priority pa = issueType(a.first).priority, pb = issueType(b.first).priority;
    if (pa != pb) return pa < pb;
    return a.second > b.second;
  });
  return out;
}

bool SiteAudit::hasIssueAtOrAbove(Priority priority) const {
  for (size_t i = 0; i < byIssue_.size(); ++i) {
    const IssueType& t = issueType(static_cast<Issue>(i));
    if (!byIssue_[i].empty() && t.kind != Kind::Information && t.priority <= priority) return true;
  }
  return false;
}

std::optional<Indexability> SiteAudit::indexability(const ZelUrl* record) const {
  if (!record) return std::nullopt;
  const size_t at = record->graphIndex();
  if (at >= verdicts_.size() || verdicts_[at] == 0) return std::nullopt;
  return static_cast<Indexability>(verdicts_[at] - 1);
}

bool SiteAudit::belongsInSitemap(const ZelUrl* record) const {
  if (auto verdict = indexability(record)) return *verdict == Indexability::Indexable;
  // Not a page: a PDF the sitemap may list, unless it did not answer 200 or
  // its X-Robots-Tag keeps it out.
  const std::string& s = record->getFinalStatus();
  return record->getIsPDF() && record->getRedirectCount() == 0 && s.size() >= 3 &&
         s.compare(0, 3, "200") == 0 && !pdfsKeptOut_.count(record);
}

}  // namespace zel::audit
