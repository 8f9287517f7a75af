#include "engine/zel_crawl_restorer.h"

#include <algorithm>

#include "seo/output_filter_manager.h"
#include "url/zel_url_page_facts.h"

namespace zel {

namespace {

bool hasPageFacts(const SavedRecord& s) {
  return s.title || s.metaDescription || s.keywords || s.canonical || s.headings || s.metaData ||
         s.names || s.validatorStatus || s.changeFrequency || s.priority || s.lastModified ||
         s.wordCount != -1 || s.spelling != 0 || s.grammar != 0 || s.validatorErrors != -1 ||
         s.validatorWarnings != -1 || s.keywordStuffed || s.spellingReviewed || s.anchorMissing ||
         std::any_of(s.occurrences.begin(), s.occurrences.end(), [](int32_t n) { return n != 0; });
}

int32_t clamp32(int64_t n) { return static_cast<int32_t>(std::clamp<int64_t>(n, -1, INT32_MAX)); }

}  // namespace

void ZelCrawlRestorer::startup(const SavedStartup& state) {
  ZelHub& h = hub_;
  h.domains_ = state.domains;
  h.checkBlacklistArray_ = state.checkBlacklist;
  h.followBlacklistArray_ = state.followBlacklist;
  h.followWhitelistArray_ = state.followWhitelist;
  h.robotsBlacklistArray_ = state.robotsBlacklist;
  h.robotsWhitelistArray_ = state.robotsWhitelist;
  h.soft404Array_ = state.soft404;
  h.detectedEncoding_ = state.detectedEncoding;
  h.scanningHttpsSite_ = state.https;
  h.scanningXMLFile_ = state.startWasXml;
  // Not saved: built from the settings exactly as go() builds it.
  h.outputFilterManager_.reset();
  if (auto rules = h.defaults().objectForKey("superWhitelistArray")) {
    h.outputFilterManager_ = std::make_unique<OutputFilterManager>(h.platform_);
    h.outputFilterManager_->implementRules(*rules);
  }
}

ZelUrl* ZelCrawlRestorer::record(const SavedRecord& s) {
  ZelUrl* r = hub_.createRecord();
  // The address as it was stored: normalising it again could change it.
  r->nsslinkUrl_ = s.url;
  hub_.addToLookup(r, r->nsslinkUrl_);

  uint32_t flags = 0;
  auto put = [&flags](uint32_t bit, bool on) {
    if (on) flags |= bit;
  };
  put(ZelUrl::kSlashTrimmed, s.slashTrimmed);
  put(ZelUrl::kRedirSlashTrimmed, s.redirectSlashTrimmed);
  put(ZelUrl::kStartingPoint, s.startingPoint);
  put(ZelUrl::kInternal, s.internal);
  put(ZelUrl::kRecursion, s.recursion);
  put(ZelUrl::kNoContentLength, s.noContentLength);
  put(ZelUrl::kHTML, s.isHtml);
  put(ZelUrl::kImage, s.isImage);
  put(ZelUrl::kVideo, s.isVideo);
  put(ZelUrl::kAudio, s.isAudio);
  put(ZelUrl::kBlacklisted, s.blacklisted);
  put(ZelUrl::kDisallowed, s.disallowed);
  put(ZelUrl::kInBad, s.bad);
  put(ZelUrl::kHeadNoFollow, s.headNofollow);
  put(ZelUrl::kHeadNoIndex, s.headNoindex);
  r->flags_ = flags;

  if (!s.redirects.empty()) r->rare().redirects = s.redirects;
  if (!s.redirectUrl.empty()) r->rare().redir = s.redirectUrl;
  r->actualSource_ = s.redirectUrl.empty() ? ZelUrl::ActualSource::Link : ZelUrl::ActualSource::Redir;
  r->actualUrlChanged();
  if (r->getActualLinkUrl() != s.actualUrl) {
    // An actual address kept apart from both (a redirect cleared since).
    std::string own = s.actualUrl;
    if (r->actualUrlHadSlashTrimmed() && !own.empty() && own.back() == '/') own.pop_back();
    r->rare().ownActual = std::move(own);
    r->actualSource_ = ZelUrl::ActualSource::Own;
  }

  r->status_ = r->poolText(s.status);
  r->mimeType_ = r->poolText(s.mimeType);
  if (s.fetchedAt) r->timestamp_ = r->poolText(*s.fetchedAt);
  r->responseTimeInterval_ = s.responseTime;
  r->loadTimeInterval_ = s.loadTime;
  r->fileSizeBytes_ = s.sizeBytes;
  r->fileSize_ = s.sizeKb;
  r->fileSizeCompressedBytes_ = s.compressedBytes;
  r->distanceFromHome_ = s.distance;
  r->thread_ = s.thread;
  r->retryCount_ = s.retryCount;
  r->setRetryAfter(s.retryAfter);
  if (s.warnings) r->rare().warnings = *s.warnings;

  if (hasPageFacts(s)) {
    ZelUrl::PageFacts& f = r->facts();
    f.setText(r->pageTexts(), ZelUrl::PageFacts::kTitle, s.title.value_or(""));
    f.hasTitle = s.title.has_value();
    f.setText(r->pageTexts(), ZelUrl::PageFacts::kDescription, s.metaDescription.value_or(""));
    f.hasDescription = s.metaDescription.has_value();
    f.descriptionInMeta = false;
    f.setText(r->pageTexts(), ZelUrl::PageFacts::kCanonical, s.canonical.value_or(""));
    r->setHeadings(s.headings);
    if (s.metaData) {
      f.setText(r->pageTexts(), ZelUrl::PageFacts::kMetaData, packMetaData(*s.metaData));
      f.hasMetaData = true;
    }
    f.wordCount = s.wordCount;
    if (s.spelling != 0 || s.grammar != 0) {
      f.more().spelling = s.spelling;
      f.more().grammar = s.grammar;
    }
    f.validatorErrors = clamp32(s.validatorErrors);
    f.validatorWarnings = clamp32(s.validatorWarnings);
    f.isKeywordStuffed = s.keywordStuffed;
    f.spellingReviewed = s.spellingReviewed;
    f.linksAnchorDoesntAppearOnTargetPage = s.anchorMissing;
    if (s.lastModified) {
      f.targetLastModified = r->poolText(*s.lastModified);
      f.hasLastModified = true;
    }
    const bool anyOccurrence =
        std::any_of(s.occurrences.begin(), s.occurrences.end(), [](int32_t n) { return n != 0; });
    if (s.keywords || s.names || s.validatorStatus || s.priority || s.changeFrequency ||
        anyOccurrence) {
      auto& e = f.more();
      e.keywords = s.keywords;
      e.namesOnThisPage = s.names;
      e.validatorStatus = s.validatorStatus.value_or("");
      e.priority = s.priority;
      e.changeFrequency = s.changeFrequency.value_or("");
      e.ocurrencesInUrl = s.occurrences[0];
      e.ocurrencesInTitle = s.occurrences[1];
      e.ocurrencesInDescription = s.occurrences[2];
      e.ocurrencesInKeywords = s.occurrences[3];
      e.ocurrencesInHeadings = s.occurrences[4];
      e.ocurrencesInArchive = s.occurrences[5];
      e.totalOcurrences = s.occurrences[6];
    }
  }
  hub_.add(r);
  linkCounts_.emplace_back(s.internalLinks, s.externalLinks);
  return r;
}

void ZelCrawlRestorer::link(ZelUrl* parent, ZelUrl* target, std::optional<std::string> linkText,
                            const std::string& rel, bool nofollow, const std::string& targetAttr,
                            const std::string& hreflang, std::optional<int32_t> line) {
  ZelLinkInstance* i =
      hub_.addInstanceWithParent(parent, target, linkText, rel, targetAttr, hreflang, line);
  if (nofollow) i->setNf(true);
}

void ZelCrawlRestorer::page(ZelUrl* r) {
  ZelSEOManager& seo = *hub_.seoManager_;
  // Straight into the collection: the counters come back whole in finish().
  if (!seo.duplicateDict_.insert(ZelSEOManager::addressKey(*r), r)) return;
  seo.kxDataSource<ZelUrl>::add(r);
}

void ZelCrawlRestorer::misspelling(const std::string& word, ZelUrl* r) {
  hub_.seoManager_->addWords({word}, r);
}

void ZelCrawlRestorer::warning(ZelUrl* r, const std::string& text) {
  hub_.warningsArray_.push_back(HubWarning{r ? r->getActualurl() : std::string(), r, text});
}

void ZelCrawlRestorer::finish(const SavedCounters& c, const ZelSEOManager::Counters& seo) {
  ZelHub& h = hub_;
  const int64_t total = static_cast<int64_t>(h.collection_.size());
  h.numberDone_ = std::clamp<int64_t>(c.checked, 0, total);
  h.badCollectionCount_ = std::max<int64_t>(0, c.bad);
  h.nextUrlToCrawl_ = std::clamp<int64_t>(c.nextUrlIndex, 0, total);
  h.numberOfThreadsDetached_ = 0;
  h.nextThreadNumber_ = 1;
  h.crawlFinished_ = !c.stopped;
  // Nothing is in flight in a loaded crawl, so no completion is left for a stop
  // to ignore; a stopped crawl goes on with continueCrawl().
  h.stopPressed_ = false;
  h.rechecking_ = false;
  h.inProgressArray_.reset();
  h.remedialQueue_.reset();
  h.recheckQueue_.reset();
  for (size_t i = 0; i < h.collection_.size(); ++i) {
    ZelUrl* r = h.collection_[i];
    if (i < linkCounts_.size()) {
      r->internalLinkCount_ = linkCounts_[i].first;
      r->externalLinkCount_ = linkCounts_[i].second;
    }
    // As each completed internal record entered it.
    if (r->isInternal() && !r->getFinalStatus().empty())
      if (const auto* table = r->getRedirTable())
        for (const RedirectEntry& e : *table)
          if (!e.url.empty()) h.addToRedirLookup(r, e.url);
  }
  h.seoManager_->counters_ = seo;
  // The host counts the images without alt text afresh for every report.
  h.seoManager_->counters_.noalt = 0;
}

}  // namespace zel
