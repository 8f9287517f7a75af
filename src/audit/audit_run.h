#pragma once
// Internal to the audit: one run of every check. It holds what the checks share
// (the input, the limits, the pages of the site, an address look-up, each
// page's verdict) and collects the findings into the SiteAudit being made.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "audit/site_audit.h"

namespace zel {
class ZelLinkInstance;
}

namespace zel::audit {

class AuditRun {
  // What every check reads and none changes once the site is classified: shared
  // by the runs of the threads the checks are spread over.
  struct Shared;
  std::shared_ptr<Shared> shared_;

 public:
  AuditRun(const AuditInput& input, SiteAudit& out);
  // A run over the same classified site whose findings go to `sink`.
  AuditRun(const AuditRun& main, SiteAudit& sink);
  ~AuditRun();

  const AuditInput& in;
  const AuditLimits& limits;
  // Internal HTML pages that answered 200 without a redirect (soft 404s aside):
  // what "a page" means to the page checks, in crawl order.
  std::vector<ZelUrl*>& pages;
  // Every page of the site that gets a verdict, in crawl order.
  std::vector<ZelUrl*>& sitePages;
  bool httpsSite = false;

  // The record for an address (with or without a fragment or a trailing "/"), or null.
  ZelUrl* find(std::string_view address) const;
  const MarkupFacts* markup(const ZelUrl* r) const;
  // What most checks ask of a page's markup facts, read once a page when the
  // site is classified: the facts themselves are read back (a decoding each
  // time) only where the brief says there is more. Null for a record that is
  // not a page of the site, or has no facts.
  struct MarkupBrief {
    uint64_t textHash = 0;
    uint8_t titleTags = 0, descriptionTags = 0;  // at most 255
    uint8_t spots = 0;                           // a bit for each kind of spot the page has
    uint8_t has = 0;                             // the bits below
    enum : uint8_t {
      kFacts = 1,
      kViewport = 2,
      kLang = 4,  // a lang attribute that is not blank
      kRobots = 8,
      kRobotsInBody = 16,
      kLorem = 32,
      kCanonicals = 64,
    };
    bool hasSpot(uint8_t kind) const { return (spots >> kind) & 1; }
    static MarkupBrief of(const MarkupFacts& facts);
  };
  const MarkupBrief* brief(const ZelUrl* r) const;
  // The facts of a page that has spots of the kind, else null.
  const MarkupFacts* markupWithSpots(const ZelUrl* r, uint8_t kind) const;
  ResponseHeaders headers(const ZelUrl* r) const;
  // The values of a header (case-insensitive name) in the order received.
  std::vector<std::string> headerValues(const ZelUrl* r, std::string_view name) const;
  std::optional<Indexability> verdict(const ZelUrl* r) const;
  // noindex in a robots meta tag (as the SEO summary reads it), the markup's
  // robots words ("none") or the X-Robots-Tag header.
  bool isNoindex(const ZelUrl* r) const;
  bool headerSaysNoindex(const ZelUrl* r) const;

  // One finding per issue and address; the detail says where or why.
  void add(Issue issue, const ZelUrl* r, std::string detail = std::string());
  void addAddress(Issue issue, std::string url, std::string detail = std::string());

  // What a record's inbound links are: any that is not a resource's, any followed
  // link to a page, and how many links to a page.
  struct Inlinks {
    bool any = false, followedPageLink = false;
    uint32_t pageLinks = 0;
  };
  Inlinks inlinks(const ZelUrl* r) const;
  bool isSitePage(const ZelUrl& r) const;

  // What the checks that walk a page's links ask of each link's target, read
  // from one byte a record: a site's records do not fit in the processor's
  // caches, and most links need nothing else of their target. 0: no target.
  enum TargetKind : uint8_t {
    kTarget = 1,
    kInternalTarget = 2,
    kRedirectedTarget = 4,  // answered with a redirect
    kMediaTarget = 8,       // an image, audio or video file
  };
  uint8_t targetKind(const ZelLinkInstance& i) const;

  // Runs every check and fills the SiteAudit.
  void runAll();

 private:
  void classify();
  void readInlinks() const;
  // The other run's findings after this run's, type by type.
  void takeFindings(SiteAudit& other);
  static uint8_t kindOf(const ZelUrl& r);
  SiteAudit& out_;   // the verdicts, and where the findings end up
  SiteAudit& sink_;  // where this run adds its findings
  // Every record's address as linked and as fetched, first record first: slots
  // of a linear-probing table (8 bytes each; a big site has millions of records).
  struct AddressSlot {
    uint32_t hash = 0;
    uint32_t key = kFree;  // record number * 2, + 1 for the fetched address
  };
  static constexpr uint32_t kFree = UINT32_MAX;
  std::string_view keyOf(uint32_t key) const;
  void indexAddresses() const;
  ZelUrl* lookUp(std::string_view address) const;
  // Short details repeat from page to page ("7 clicks", "12 words"): the first
  // few thousand different ones are stored once each.
  std::unordered_map<std::string, uint32_t> sharedTexts_;
};

// The check groups, each a handful of small checks (check_*.cpp).
void checkStatuses(AuditRun& run);
void checkAddresses(AuditRun& run);
void checkTitlesAndDescriptions(AuditRun& run);
void checkHeadings(AuditRun& run);
void checkContent(AuditRun& run);
void checkImages(AuditRun& run);
void checkLinks(AuditRun& run);
void checkDirectives(AuditRun& run);
void checkCanonicals(AuditRun& run);
void checkHreflang(AuditRun& run);
void checkSitemaps(AuditRun& run);
void checkSecurity(AuditRun& run);
// What the browser found on rendered pages: accessibility, page speed, script changes.
void checkRenderedPages(AuditRun& run);
// The content analyses over the whole site, and their findings.
void checkContentAnalyses(AuditRun& run, ContentAnalysis& content);

}  // namespace zel::audit
