#pragma once
// The site audit of a finished crawl: every check of the issue catalogue run
// over the records, the link graph and the facts the host gathered, and the
// indexability of every page of the site. Run once; afterwards every output
// (and a window) reads the results from here without working anything out again.
#include <bitset>
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
#include "platform/spill_memory.h"

namespace zel::audit {

// One issue at one address. Kept small (a big site has millions): its texts
// live in the audit's store (SiteAudit::detail, SiteAudit::address).
struct Finding {
  const ZelUrl* record = nullptr;  // null for an address the crawl has no record of
  uint32_t textAt = 0, textLength = 0;
};

// The thresholds of the checks, read once from the settings.
struct AuditLimits {
  int64_t titleMax = 60, titleMin = 30, descriptionMax = 155, descriptionMin = 70;
  int64_t h1Max = 70, urlMax = 115, altMax = 100, imageMaxKB = 100, maxDepth = 3;
  int64_t thinContent = 250, tooManyLinks = 100;
  std::vector<std::string> genericLinkTexts;
  static AuditLimits from(const Defaults& settings);
};

class SiteAudit {
 public:
  static SiteAudit run(const AuditInput& input);

  // The findings of one issue type, one an address: records in the order the
  // crawl made them, then the addresses the crawl has no record of.
  std::span<const Finding> findings(Issue issue) const {
    const SpillArray<Finding>& list = byIssue_[static_cast<size_t>(issue)];
    return {list.data(), list.size()};
  }
  // Where or why, for the reader ("" when there is nothing to add).
  std::string_view detail(const Finding& f) const;
  // The address a finding is about: the record's address as linked when it
  // redirects, else the page's own address; the address itself without a record.
  std::string address(const Finding& f) const;
  // The issue types of one record, in catalogue order, and its finding of one.
  std::vector<Issue> issuesOf(const ZelUrl* record) const;
  const Finding* findingOf(const ZelUrl* record, Issue issue) const;
  size_t count(Issue issue) const { return findings(issue).size(); }
  // The types that occurred with their counts: higher priority first, then more
  // addresses first, then catalogue order.
  std::vector<std::pair<Issue, size_t>> rankedCounts() const;
  // Whether an issue of this priority or a higher one occurred (information aside).
  bool hasIssueAtOrAbove(Priority priority) const;

  // The verdict on a page of the site; nullopt for records that are not pages of
  // the site (external addresses, images, stylesheets, unchecked addresses).
  std::optional<Indexability> indexability(const ZelUrl* record) const;
  size_t indexableCount() const { return indexable_; }
  size_t pageCount() const { return pageCount_; }
  // Whether a page the sitemap writer would list belongs in a sitemap: it answers
  // 200 and is indexable, or is a PDF not kept out by X-Robots-Tag.
  bool belongsInSitemap(const ZelUrl* record) const;
  // Pages of an https site with mixed content (the SEO summary counts them).
  size_t mixedContentPages() const { return count(Issue::SecurityMixedContent); }

  const AuditLimits& limits() const { return limits_; }
  const SitemapReading* sitemaps() const { return sitemaps_; }
  // The content analyses' results; null when they did not run.
  const ContentAnalysis* content() const { return content_; }
  // What the browser found on a rendered page; null when nothing was measured.
  const RenderedFacts* rendered(const ZelUrl* page) const {
    return renderedOf_ ? renderedOf_(page) : nullptr;
  }

 private:
  friend class AuditRun;
  // A big site's findings run to millions: past 256 KB a type's live in a file.
  std::vector<SpillArray<Finding>> byIssue_ =
      std::vector<SpillArray<Finding>>(static_cast<size_t>(Issue::kCount));
  // The details one after the other; an address without a record goes before its
  // detail, ended by a NUL.
  SpillArray<char> texts_;
  std::string_view storedText(uint32_t at, uint32_t length) const {
    return std::string_view(texts_.data(), texts_.size()).substr(at, length);
  }
  struct RecordIssues {
    const ZelUrl* record;
    std::bitset<static_cast<size_t>(Issue::kCount)> issues;
  };
  std::vector<RecordIssues> byRecord_;  // ordered by record
  // A byte a record by its number in the link graph: 0 for a record that is not
  // a page of the site, else its verdict + 1.
  std::vector<uint8_t> verdicts_;
  size_t pageCount_ = 0;
  std::unordered_set<const ZelUrl*> pdfsKeptOut_;  // noindex by X-Robots-Tag
  size_t indexable_ = 0;
  AuditLimits limits_;
  const SitemapReading* sitemaps_ = nullptr;
  const ContentAnalysis* content_ = nullptr;
  std::function<const RenderedFacts*(const ZelUrl*)> renderedOf_;
};

}  // namespace zel::audit
