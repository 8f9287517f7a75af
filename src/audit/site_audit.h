#pragma once
// The site audit of a finished crawl: every check of the issue catalogue run
// over the records, the link graph and the facts the host gathered, and the
// indexability of every page of the site. Run once; afterwards every output
// (and a window) reads the results from here without working anything out again.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "audit/audit_input.h"
#include "audit/indexability.h"
#include "audit/issue_catalogue.h"

namespace zel::audit {

// One issue at one address.
struct Finding {
  Issue issue;
  const ZelUrl* record = nullptr;  // null for an address the crawl has no record of
  std::string url;                 // that address; empty when there is a record
  std::string detail;              // where or why, for the reader
};

// The thresholds of the checks, read once from the settings.
struct AuditLimits {
  int64_t titleMax = 60, titleMin = 30, descriptionMax = 155, descriptionMin = 70;
  int64_t h1Max = 70, urlMax = 115, altMax = 100, imageMaxKB = 100, maxDepth = 3;
  int64_t thinContent = 250, tooManyLinks = 100;
  std::vector<std::string> genericLinkTexts;
  static AuditLimits from(const Defaults& settings);
};

// The address a finding is about: the record's address as linked when it
// redirects, else the page's own address; the address itself without a record.
std::string addressOf(const Finding& finding);

class SiteAudit {
 public:
  static SiteAudit run(const AuditInput& input);

  // Every finding, grouped by issue type in catalogue order, each type's in the
  // order the crawl found its addresses.
  const std::vector<Finding>& findings() const { return findings_; }
  // The findings of one record (indexes into findings()).
  std::span<const uint32_t> findingsOf(const ZelUrl* record) const;
  // The issue types of one record, in catalogue order.
  std::vector<Issue> issuesOf(const ZelUrl* record) const;
  size_t count(Issue issue) const { return counts_[static_cast<size_t>(issue)]; }
  // The types that occurred with their counts: higher priority first, then more
  // addresses first, then catalogue order.
  std::vector<std::pair<Issue, size_t>> rankedCounts() const;
  // Whether an issue of this priority or a higher one occurred (information aside).
  bool hasIssueAtOrAbove(Priority priority) const;

  // The verdict on a page of the site; nullopt for records that are not pages of
  // the site (external addresses, images, stylesheets, unchecked addresses).
  std::optional<Indexability> indexability(const ZelUrl* record) const;
  size_t indexableCount() const { return indexable_; }
  size_t pageCount() const { return indexability_.size(); }
  // Whether a page the sitemap writer would list belongs in a sitemap: it answers
  // 200 and is indexable, or is a PDF not kept out by X-Robots-Tag.
  bool belongsInSitemap(const ZelUrl* record) const;
  // Pages of an https site with mixed content (the SEO summary counts them).
  size_t mixedContentPages() const { return count(Issue::SecurityMixedContent); }

  const AuditLimits& limits() const { return limits_; }
  const SitemapReading* sitemaps() const { return sitemaps_; }

 private:
  friend class AuditRun;
  std::vector<Finding> findings_;
  std::unordered_map<const ZelUrl*, std::vector<uint32_t>> byRecord_;
  std::vector<size_t> counts_ = std::vector<size_t>(static_cast<size_t>(Issue::kCount));
  std::unordered_map<const ZelUrl*, Indexability> indexability_;
  std::unordered_set<const ZelUrl*> pdfsKeptOut_;  // noindex by X-Robots-Tag
  size_t indexable_ = 0;
  AuditLimits limits_;
  const SitemapReading* sitemaps_ = nullptr;
};

}  // namespace zel::audit
