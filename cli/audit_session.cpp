#include "audit_session.h"

#include <algorithm>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "url/kept_response_headers.h"

namespace zel::cli {

AuditSession::AuditSession(ZelHub& hub, const Defaults& settings)
    : hub_(hub), settings_(settings), enabled_(settings.boolForKey("auditEnabled")) {
  if (!enabled_) return;
  hub.setKeepsResponseHeaders(true);  // X-Robots-Tag, Link and the security headers
  hub.setMarkupFactsReceiver([this](ZelUrl* page, MarkupFacts&& facts) {
    markup_.emplace_back(page, std::move(facts));
    if (!keepEveryHeader_) keepHeadersRead(*page);
  });
}

void AuditSession::keepHeadersRead(ZelUrl& page) {
  const KeptResponseHeaders* kept = page.getResponseHeaders();
  if (!kept) return;
  KeptResponseHeaders read;
  read.truncated = kept->truncated;  // what was dropped may have been one of them
  for (const auto& field : kept->headers)
    for (std::string_view name : audit::kHeadersRead)
      if (equalsIgnoreCase(field.first, name)) read.headers.push_back(field);
  if (read.headers.size() < kept->headers.size()) page.setResponseHeaders(std::move(read));
}

void AuditSession::setMarkup(const ZelUrl* page, MarkupFacts facts) {
  markup_.emplace_back(page, std::move(facts));
}

void AuditSession::orderMarkup() {
  std::stable_sort(markup_.begin(), markup_.end(), [](const auto& a, const auto& b) {
    return std::less<const ZelUrl*>()(a.first, b.first);
  });
  // A page read again keeps its latest facts.
  size_t kept = 0;
  for (size_t i = 0; i < markup_.size(); ++i) {
    if (kept && markup_[kept - 1].first == markup_[i].first) --kept;
    if (kept != i) markup_[kept] = std::move(markup_[i]);
    ++kept;
  }
  markup_.resize(kept);
}

const MarkupFacts* AuditSession::markupOf(const ZelUrl* page) const {
  auto it = std::lower_bound(
      markup_.begin(), markup_.end(), page,
      [](const auto& e, const ZelUrl* p) { return std::less<const ZelUrl*>()(e.first, p); });
  return it != markup_.end() && it->first == page ? &it->second : nullptr;
}

const audit::SiteAudit* AuditSession::run(std::optional<audit::SitemapReading> sitemaps) {
  if (!enabled_) return nullptr;
  sitemaps_ = std::move(sitemaps);
  orderMarkup();
  audit::AuditInput input;
  input.records = &hub_.getLinksCollection();
  input.seo = &hub_.seoManager();
  input.settings = &settings_;
  input.startingUrl = hub_.getStartingUrl();
  if (const ZelUrl* first = hub_.getFirstItem()) input.startingUrl = first->getLinkUrl();
  input.startWasSitemap = hub_.startingPointWasXML();
  input.markupOf = [this](const ZelUrl* r) { return markupOf(r); };
  input.headersOf = [](const ZelUrl* r) {
    const KeptResponseHeaders* kept = r->getResponseHeaders();
    return kept ? audit::ResponseHeaders{&kept->headers, kept->truncated}
                : audit::ResponseHeaders();
  };
  input.sitemaps = sitemaps_ ? &*sitemaps_ : nullptr;
  result_ = audit::SiteAudit::run(input);
  // The summary's "pages with mixed content": the host counts them, once a page
  // (a saved crawl comes back with its count, which a second run only tops up).
  ZelSEOManager& seo = hub_.seoManager();
  while (static_cast<size_t>(seo.counters().mixedContent) < result_->mixedContentPages())
    seo.incMixedContent();
  return &*result_;
}

}  // namespace zel::cli
