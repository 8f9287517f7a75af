#pragma once
// The program's side of the site audit. It asks the hub for the markup facts of
// every page of the site and keeps them, runs the audit once the crawl (and the
// reading of the sitemaps) is over, and lets the SEO summary count the pages
// with mixed content. Every output reads the one result through it.
#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "audit/site_audit.h"
#include "content_session.h"
#include "parser/markup_facts.h"
#include "platform/spill_memory.h"
#include "url/rendered_facts.h"

namespace zel {
class Defaults;
class ZelHub;
class ZelUrl;
}  // namespace zel

namespace zel::cli {

class AuditSession {
 public:
  // With `auditEnabled` false the session does nothing and every output is as
  // without an audit.
  AuditSession(ZelHub& hub, const Defaults& settings);
  AuditSession(const AuditSession&) = delete;
  AuditSession& operator=(const AuditSession&) = delete;

  bool enabled() const { return enabled_; }
  // Records keep only the response header fields the audit reads (a page's
  // headers cost more memory than its other facts), unless a window asks for all.
  void keepEveryResponseHeader();
  // Facts of a page read back with a saved crawl (a page read again replaces them).
  void setMarkup(const ZelUrl* page, MarkupFacts facts);
  // The same in their compact form (encodeMarkupFacts).
  void setMarkupBytes(const ZelUrl* page, std::string_view bytes);
  // A page's facts, once the audit has run (null when there are none). They are
  // read back from their compact form: the pointer stays good while the same
  // thread asks for the facts of fewer than kDecoded other pages.
  static constexpr size_t kDecoded = 8;
  const MarkupFacts* markupOf(const ZelUrl* page) const;
  // What the browser found on a rendered page (a page rendered again replaces it).
  void setRendered(const ZelUrl* page, RenderedFacts facts);
  const RenderedFacts* renderedOf(const ZelUrl* page) const;

  // Runs the audit over the crawl as it is now, with the sitemaps as read after
  // it when they were. Returns the result, null when the audit is off.
  const audit::SiteAudit* run(std::optional<audit::SitemapReading> sitemaps = std::nullopt);
  const audit::SiteAudit* result() const { return result_ ? &*result_ : nullptr; }
  // The content analyses, which run with the audit.
  ContentSession& content() { return content_; }
  const ContentSession& content() const { return content_; }

 private:
  ZelHub& hub_;
  const Defaults& settings_;
  bool enabled_ = false;
  // Each page's facts in their compact form one after the other, in the order
  // received (a page read again comes again), and where each page's latest are,
  // by the record's graph index (length 0: none): a big site's both in files.
  struct MarkupEntry {
    uint64_t at;
    uint32_t length, unused;
  };
  SpillArray<MarkupEntry> markupAt_;
  SpillArray<char> markupBytes_;
  // Each thread keeps the facts it decoded last, under this number: a new one
  // for each session and each time a page's facts change.
  std::atomic<uint64_t> generation_;
  std::optional<audit::SitemapReading> sitemaps_;
  std::optional<audit::SiteAudit> result_;
  ContentSession content_;
  std::vector<std::unique_ptr<RenderedFacts>> rendered_;  // by the record's graph index
};

}  // namespace zel::cli
