#include "audit_session.h"

#include "engine/zel_hub.h"
#include "url/kept_response_headers.h"

namespace zel::cli {

AuditSession::AuditSession(ZelHub& hub, const Defaults& settings)
    : hub_(hub), settings_(settings), enabled_(settings.boolForKey("auditEnabled")) {
  if (!enabled_) return;
  hub.setKeepsResponseHeaders(true);  // X-Robots-Tag, Link and the security headers
  hub.setMarkupFactsReceiver(
      [this](ZelUrl* page, MarkupFacts&& facts) { markup_[page] = std::move(facts); });
}

void AuditSession::setMarkup(const ZelUrl* page, MarkupFacts facts) {
  markup_[page] = std::move(facts);
}

const MarkupFacts* AuditSession::markupOf(const ZelUrl* page) const {
  auto it = markup_.find(page);
  return it == markup_.end() ? nullptr : &it->second;
}

const audit::SiteAudit* AuditSession::run(std::optional<audit::SitemapReading> sitemaps) {
  if (!enabled_) return nullptr;
  sitemaps_ = std::move(sitemaps);
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
