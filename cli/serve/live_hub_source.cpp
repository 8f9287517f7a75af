#include "serve/live_hub_source.h"

#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "report/record_fields.h"
#include "report/report_context.h"
#include "url/kept_response_headers.h"

namespace zel::cli::serve {

namespace {

void grow(std::vector<bool>& bits, size_t index) {
  if (index >= bits.size()) bits.resize(std::max<size_t>(index + 1, bits.size() * 2), false);
}

Json linkList(const ZelLinkInstanceList& links, bool byPage, bool imagesOnly = false) {
  Json items = Json::array();
  int64_t total = 0;
  for (ZelLinkInstance* i : links) {
    ZelUrl* other = byPage ? i->parent() : i->target();
    if (imagesOnly && !(other && other->getIsImage())) continue;
    ++total;
    if (static_cast<int64_t>(items.size()) >= kDetailListLimit) continue;
    Json item = {{"url", other ? withoutPasswords(other->getLinkUrl()) : std::string()},
                 {"text", i->linkText()},
                 {"line", i->lineNumber() ? Json(*i->lineNumber()) : Json()},
                 {"rel", i->getRel()},
                 {"nofollow", i->nf()}};
    if (!byPage) item["status"] = other ? other->getStatus() : std::string();
    items.push_back(std::move(item));
  }
  return {{"total", total}, {"items", std::move(items)}};
}

}  // namespace

LiveHubSource::LiveHubSource(ZelHub& hub) : hub_(hub) {
  NotificationCenter& nc = *hub.platform().notifications;
  // A record's status (counted done), its page's facts (read) or a recheck's answer.
  for (const char* name : {"ZelDidUpdateLink", "ZelUrlHasData"})
    observers_.push_back(nc.addObserver(name, [this](const Notification& n) {
      if (n.object && n.object != static_cast<const void*>(&hub_))
        markChanged(static_cast<const ZelUrl*>(n.object));
    }));
}

LiveHubSource::~LiveHubSource() {
  for (uint64_t id : observers_) hub_.platform().notifications->removeObserver(id);
}

void LiveHubSource::markChanged(const ZelUrl* record) {
  const uint32_t n = record->graphIndex();
  grow(isChanged_, n);
  if (isChanged_[n]) return;
  isChanged_[n] = true;
  changed_.push_back(n);
}

void LiveHubSource::takeChanges(RowTable::Batch& batch) {
  const auto& records = hub_.getLinksCollection();
  for (; recordsSeen_ < records.size(); ++recordsSeen_) {
    const uint32_t n = records[recordsSeen_]->graphIndex();
    if (n >= idOf_.size()) idOf_.resize(std::max<size_t>(n + 1, idOf_.size() * 2), -1);
    idOf_[n] = static_cast<int64_t>(recordsSeen_);
    markChanged(records[recordsSeen_]);
  }
  const auto& pages = hub_.getInternalPagesCollection();
  for (; pagesSeen_ < pages.size(); ++pagesSeen_) {
    const uint32_t n = pages[pagesSeen_]->graphIndex();
    grow(isPage_, n);
    isPage_[n] = true;
    markChanged(pages[pagesSeen_]);
  }
  for (uint32_t n : changed_) {
    isChanged_[n] = false;
    if (n < idOf_.size() && idOf_[n] >= 0)
      batch.put(factsOf(*hub_.linkGraph().record(n), idOf_[n]));
  }
  changed_.clear();
}

RowFacts LiveHubSource::factsOf(ZelUrl& r, int64_t id) const {
  RowFacts f;
  f.id = id;
  f.url = withoutPasswords(r.getLinkUrl());
  f.status = r.getStatus();
  f.mime = r.getMimeType();
  const bool page = r.graphIndex() < isPage_.size() && isPage_[r.graphIndex()];
  if (page) {
    f.title = r.getLinkPageTitle();
    f.description = r.getMetaDescription();
    f.h1 = r.getFieldByName("h1").value_or("");
    f.canonical = withoutPasswords(r.getCanonical());
    f.h1Count = r.h1Count();
    f.words = r.getWordCount();
    f.validatorErrors = static_cast<int32_t>(r.getValidatorErrors());
    f.validatorWarnings = static_cast<int32_t>(r.getValidatorWarnings());
    f.spelling = static_cast<int32_t>(r.getSpellingCount());
    f.grammar = static_cast<int32_t>(r.getGrammarCount());
    f.flags |= kRowPage;
    if (hub_.shouldBeInSitemapCollection(&r)) f.flags |= kRowInSitemap;
    if (!f.canonical.empty() && !r.canonicalMatchesUrl()) f.flags |= kRowCanonicalElsewhere;
    if (r.isKeywordStuffed()) f.flags |= kRowKeywordStuffed;
  }
  f.robots = r.getRobots();
  if (r.getRedirectCount() > 0) f.redirect = withoutPasswords(r.getActualLinkUrl());
  f.hops = r.getRedirectCount();
  f.depth = r.getDistanceFromHome();
  f.inlinks = static_cast<int32_t>(r.occurrencesCount());
  f.outlinks = static_cast<int32_t>(r.outboundLinkCount());
  f.sizeBytes = r.getFileSizeInBytes();
  f.responseSeconds = r.getResponseTimeInterval();
  if (r.isInBadCollection()) f.flags |= kRowBad;
  if (r.isInternal()) f.flags |= kRowInternal;
  if (r.getIsImage()) {
    f.flags |= kRowImage;
    for (ZelLinkInstance* i : r.getInboundInstances())
      f.withoutAlt += imageLinkLacksAlt(i->linkText());
  } else if (r.getIsCSS()) {
    f.flags |= kRowCss;
  } else if (r.getIsJS()) {
    f.flags |= kRowJs;
  } else if (r.getIsPDF()) {
    f.flags |= kRowPdf;
  } else if (r.getIsHTML() && !f.status.empty()) {
    f.flags |= kRowHtml;
  }
  if (r.getHeadContainsNoIndex()) f.flags |= kRowNoindex;
  if (r.getHeadContainsNoFollow()) f.flags |= kRowNofollow;
  if (r.isDisallowed()) f.flags |= kRowDisallowed;
  if (r.isBlacklisted()) f.flags |= kRowNotChecked;
  if (r.lastRedirectWasMeta()) f.flags |= kRowMetaRefresh;
  return f;
}

CrawlCounters LiveHubSource::counters() const {
  CrawlCounters c;
  c.found = hub_.getTotalLinkCount();
  c.checked = hub_.getCheckedLinkCount();
  c.bad = hub_.getBadLinkCount();
  c.pages = hub_.getPageCount();
  c.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  return c;
}

ZelUrl* LiveHubSource::recordOf(int64_t id) const {
  const auto& records = hub_.getLinksCollection();
  if (id < 0 || static_cast<size_t>(id) >= records.size()) return nullptr;
  return records[static_cast<size_t>(id)];
}

std::optional<std::string> LiveHubSource::addressOf(int64_t id) {
  const ZelUrl* r = recordOf(id);
  if (!r) return std::nullopt;
  return r->getLinkUrl();
}

std::optional<Json> LiveHubSource::details(int64_t id) {
  ZelUrl* r = recordOf(id);
  if (!r) return std::nullopt;
  Json fields = Json::array();
  for (const std::string& name : exportFieldNames()) {
    const std::string text = exportFieldText(*r, name).value_or("");
    if (!text.empty()) fields.push_back({name, withoutPasswords(text)});
  }
  Json redirects = Json::array();
  if (const auto* table = r->getRedirTable())
    for (const RedirectEntry& e : *table)
      redirects.push_back(
          {{"url", withoutPasswords(e.url)}, {"status", e.status}, {"reason", e.reason}});
  Json warnings = Json::array();
  if (const auto* w = r->getWarnings()) warnings = *w;
  Json headers = Json::array();
  if (const KeptResponseHeaders* kept = r->getResponseHeaders()) {
    for (const auto& [name, value] : kept->headers) headers.push_back({name, value});
    if (kept->truncated) headers.push_back({"truncated", "(the other fields were dropped)"});
  }
  return Json{{"id", id},
              {"url", withoutPasswords(r->getLinkUrl())},
              {"status", r->getStatus()},
              {"fields", std::move(fields)},
              {"inlinks", linkList(r->getInboundInstances(), true)},
              {"outlinks", linkList(r->getOutboundInstances(), false)},
              {"images", linkList(r->getOutboundInstances(), false, true)},
              {"redirects", std::move(redirects)},
              {"warnings", std::move(warnings)},
              {"headers", std::move(headers)}};
}

SeoThresholds LiveHubSource::thresholds() const { return SeoThresholds::of(hub_.defaults()); }

}  // namespace zel::cli::serve
