#include "audit_session.h"

#include <algorithm>

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "url/kept_response_headers.h"

namespace zel::cli {

namespace {
std::atomic<uint64_t> lastGeneration{0};

struct DecodedFacts {
  uint64_t generation = 0;
  std::array<std::pair<const ZelUrl*, MarkupFacts>, AuditSession::kDecoded> slots;
  size_t next = 0;
};
}  // namespace

AuditSession::AuditSession(ZelHub& hub, const Defaults& settings)
    : hub_(hub),
      settings_(settings),
      enabled_(settings.boolForKey("auditEnabled")),
      content_(hub, settings, enabled_) {
  generation_ = ++lastGeneration;
  if (!enabled_) return;
  // Records keep only the fields the audit reads; on a plain http page those are
  // X-Robots-Tag and Link, and none kept reads as none sent, so most records need
  // no list at all. (An https page keeps its empty list: there an absent security
  // header is a finding.)
  KeptHeaderRule rule;
  rule.names.assign(std::begin(audit::kHeadersRead), std::end(audit::kHeadersRead));
  rule.noListOnPlainHttp = true;
  hub.setKeptResponseHeaders(std::move(rule));
  hub.setMarkupFactsReceiver(
      [this](ZelUrl* page, std::string&& bytes) { setMarkupBytes(page, bytes); });
  hub.setRenderedFactsReceiver(
      [this](ZelUrl* page, RenderedFacts&& facts) { setRendered(page, std::move(facts)); });
}

void AuditSession::setRendered(const ZelUrl* page, RenderedFacts facts) {
  const uint32_t i = page->graphIndex();
  if (i >= rendered_.size()) rendered_.resize(i + 1);
  rendered_[i] = std::make_unique<RenderedFacts>(std::move(facts));
}

const RenderedFacts* AuditSession::renderedOf(const ZelUrl* page) const {
  const uint32_t i = page->graphIndex();
  return i < rendered_.size() ? rendered_[i].get() : nullptr;
}

void AuditSession::keepEveryResponseHeader() {
  if (enabled_) hub_.setKeepsResponseHeaders(true);
}

void AuditSession::setMarkup(const ZelUrl* page, MarkupFacts facts) {
  std::string bytes;
  encodeMarkupFacts(facts, bytes);
  setMarkupBytes(page, bytes);
}

void AuditSession::setMarkupBytes(const ZelUrl* page, std::string_view bytes) {
  const uint32_t i = page->graphIndex();
  while (markupAt_.size() <= i) markupAt_.push_back(MarkupEntry{0, 0, 0});
  markupAt_[i] = MarkupEntry{markupBytes_.size(), static_cast<uint32_t>(bytes.size()), 0};
  markupBytes_.append(bytes.data(), bytes.size());
  generation_ = ++lastGeneration;  // a page read again has new facts
}

const MarkupFacts* AuditSession::markupOf(const ZelUrl* page) const {
  if (!page) return nullptr;
  thread_local DecodedFacts decoded;  // the audit's checks run on two threads
  if (decoded.generation != generation_) {
    decoded.generation = generation_;
    for (auto& d : decoded.slots) d.first = nullptr;
  }
  for (const auto& d : decoded.slots)
    if (d.first == page) return &d.second;
  const uint32_t i = page->graphIndex();
  if (i >= markupAt_.size() || markupAt_[i].length == 0) return nullptr;
  const MarkupEntry& e = markupAt_[i];
  // Into the oldest slot, in the room its facts had: the checks read every
  // page's facts in turn, several times over.
  auto& slot = decoded.slots[decoded.next++ % decoded.slots.size()];
  slot.first = nullptr;
  if (!decodeMarkupFactsInto(std::string_view(markupBytes_.data() + e.at, e.length), slot.second))
    return nullptr;
  slot.first = page;
  return &slot.second;
}

const audit::SiteAudit* AuditSession::run(std::optional<audit::SitemapReading> sitemaps) {
  if (!enabled_) return nullptr;
  sitemaps_ = std::move(sitemaps);
  audit::AuditInput input;
  input.records = &hub_.getLinksCollection();
  input.graph = &hub_.linkGraph();
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
  input.content = content_.prepare();
  input.renderedOf = [this](const ZelUrl* r) { return renderedOf(r); };
  result_ = audit::SiteAudit::run(input);
  // The summary's "pages with mixed content": the host counts them, once a page
  // (a saved crawl comes back with its count, which a second run only tops up).
  ZelSEOManager& seo = hub_.seoManager();
  while (static_cast<size_t>(seo.counters().mixedContent) < result_->mixedContentPages())
    seo.incMixedContent();
  return &*result_;
}

}  // namespace zel::cli
