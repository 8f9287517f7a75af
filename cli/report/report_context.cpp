#include "report/report_context.h"

#include "audit_session.h"
#include "engine/zel_hub.h"
#include "platform/text_format.h"
#include "seo/output_filter_manager.h"

namespace zel::cli {

namespace {

constexpr const char* kHidden = "***";

// A header or form field whose value is a secret: authorisation, cookies,
// tokens, keys, passwords and sessions.
bool looksLikeCredential(std::string_view name) {
  static constexpr std::string_view kWords[] = {
      "auth", "cookie", "token", "key", "secret", "pass", "session", "credential", "signature"};
  for (std::string_view w : kWords)
    if (containsIgnoreCase(name, w)) return true;
  return false;
}

void countImagesWithoutAlt(ZelHub& hub) {
  ZelSEOManager& seo = hub.seoManager();
  for (ZelUrl* page : hub.getInternalPagesCollection())
    for (ZelLinkInstance* i : page->getLinkedImagesArray())
      if (imageLinkLacksAlt(i->linkText())) seo.incNoAlt();
}

// Asks every record once for what it works out on first use (its type, its
// h1 count, its links and linked images), so that later reads change nothing;
// and gives each record its place in crawl order as its id, which the writers
// use to refer to it.
void fillRecordCaches(ZelHub& hub) {
  int32_t id = 0;
  for (ZelUrl* r : hub.getLinksCollection()) {
    r->setID(id++);
    (void)r->getIsImage();
    // Before the h1 count: a record gets its facts here, and h1Count() caches
    // only where facts exist, so asked first it would be worked out (and
    // written) again by each writer thread.
    (void)r->getLinkCount();
    (void)r->h1Count();
    (void)r->getLinkedImagesArray();
  }
}

}  // namespace

ReportContext::ReportContext(ZelHub& hub, const MemoryDefaults& settings, CrawlTiming timing)
    : hub_(hub), settings_(settings), timing_(timing) {
  // As typed, and as the first record holds it after parsing.
  secrets_.addPasswordOf(hub.getStartingUrl());
  if (const ZelUrl* first = hub.getFirstItem()) secrets_.addPasswordOf(first->getLinkUrl());
  if (settings.boolForKey("checkImages")) countImagesWithoutAlt(hub);
  seoSummary_ = hub.getSEOShortSummary();  // builds the duplicate groups every writer reads
  for (ZelUrl* page : hub.getInternalPagesCollection())
    if (hub.shouldBeInSitemapCollection(page)) sitemap_.push_back(page);
  std::sort(sitemap_.begin(), sitemap_.end());
  sitemap_.erase(std::unique(sitemap_.begin(), sitemap_.end()), sitemap_.end());
  sitemap_.shrink_to_fit();
  fillRecordCaches(hub);
  if (settings.boolForKey("mipFilter")) {
    filter_ = std::make_unique<OutputFilterManager>(hub.platform());
    if (auto rules = settings.arrayForKey("mipFilterRules")) filter_->implementRules(*rules);
  }
}

ReportContext::~ReportContext() = default;

std::optional<int64_t> ReportContext::indexOf(const ZelUrl* record) const {
  if (!record) return std::nullopt;
  const auto& all = hub_.getLinksCollection();
  const auto id = static_cast<size_t>(record->getID());
  if (id >= all.size() || all[id] != record) return std::nullopt;
  return static_cast<int64_t>(id);
}

bool ReportContext::linksPending(const ZelUrl* r) const {
  if (r->hasConnection() && !r->getFinalStatus().empty()) return true;
  return linksPending_.count(r) > 0;
}

const audit::SiteAudit* ReportContext::audit() const { return audit_ ? audit_->result() : nullptr; }

bool ReportContext::passesFilter(const ZelUrl* record) const {
  return !filter_ || filter_->shouldWeScrapeThisUrlBasedOnCurrentRules(record);
}

Json ReportContext::redactedSettings() const { return redactSettings(settings_); }

Json redactSettings(const MemoryDefaults& settings_) {
  Json out = Json::object();
  for (const auto& [key, value] : settings_.all()) out[key] = value;
  if (out.contains("startingUrl") && out["startingUrl"].is_string())
    out["startingUrl"] = withoutPasswords(out["startingUrl"].get<std::string>());
  for (const char* secret : {"authenticationPassword", "proxyCrawlToken"})
    if (out.contains(secret)) out[secret] = kHidden;
  for (int n = 1; n <= 3; ++n) {
    for (const char* kind : {"customHeader", "customPost"}) {
      const std::string key = strf("%sKey%d", kind, n), value = strf("%sValue%d", kind, n);
      if (out.contains(value) && looksLikeCredential(settings_.stringOrEmpty(key)))
        out[value] = kHidden;
    }
  }
  return out;
}

std::string isoTime(std::time_t t) {
  if (t == 0) return std::string();
  // Records fetched in the same second follow one another: the last text is kept.
  thread_local std::time_t lastTime = 0;
  thread_local std::string lastText;
  if (t == lastTime) return lastText;
  std::tm tm{};
  gmtime_r(&t, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &tm);
  lastTime = t;
  lastText = buf;
  return lastText;
}

}  // namespace zel::cli
