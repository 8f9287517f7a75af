#include "seo/zel_seo_manager.h"

#include <algorithm>

#include "platform/defaults.h"
#include "platform/localizer.h"
#include "platform/log.h"
#include "platform/text_format.h"
#include "url/zel_url.h"

namespace zel {

namespace {

// The records that share a text with at least one other, grouped by that text.
// The texts' hashes, sorted, find the runs of equal hashes, so that the texts
// no other record shares (nearly all of them on a big site) are never copied
// into the groups; 16 bytes a record, not a hash table's node.
template <class Keep>
RecordGroups groupsOfTwoOrMore(const std::vector<ZelUrl*>& records, Keep keep,
                               std::string (ZelUrl::*text)() const) {
  std::vector<std::pair<size_t, size_t>> kept;  // (hash, place in `records`)
  kept.reserve(records.size());
  for (size_t i = 0; i < records.size(); ++i)
    if (keep(records[i])) kept.emplace_back(std::hash<std::string>()((records[i]->*text)()), i);
  // By place within a hash: each group lists its records in the collection's order.
  std::sort(kept.begin(), kept.end());
  RecordGroups groups;
  for (size_t i = 0, end; i < kept.size(); i = end) {
    for (end = i + 1; end < kept.size() && kept[end].first == kept[i].first;) ++end;
    if (end - i < 2) continue;
    for (size_t j = i; j < end; ++j) {
      ZelUrl* r = records[kept[j].second];
      groups[(r->*text)()].push_back(r);
    }
  }
  std::erase_if(groups, [](const auto& g) { return g.second.size() < 2; });
  return groups;
}

}  // namespace

std::string ZelSEOManager::addressKey(ZelUrl& r) { return r.forceTrimHash(r.getActualurl()); }

void ZelSEOManager::add(ZelUrl* r) {
  if (r->getRedirectCount() > 3) ++counters_.redirectchain;
  if (!duplicateDict_.insert(addressKey(*r), r)) return;
  kxDataSource<ZelUrl>::add(r);
  if (!defaults_.boolForKey("SEOEnabled")) return;
  clearSitemapCollection();
  clearSpellingCollection();

  const int64_t thin =
      defaults_.objectForKey("maxThinContent") ? defaults_.integerForKey("maxThinContent") : 250;
  const std::string title = r->getLinkPageTitle();
  if (title.empty())
    ++counters_.notitle;
  else if (static_cast<int64_t>(utf8Length(title)) > defaults_.integerForKey("metaTitleMax"))
    ++counters_.titlelength;
  const std::string desc = r->getMetaDescription();
  const int64_t descLen = static_cast<int64_t>(utf8Length(desc));
  if (desc.empty())
    ++counters_.nodesc;
  else if (descLen > defaults_.integerForKey("metaDescriptionMax") ||
           descLen < defaults_.integerForKey("metaDescriptionMin"))
    ++counters_.metadesclength;
  if (r->getHeadContainsNoFollow()) ++counters_.nofollow;
  if (r->getLinkCount() > defaults_.integerForKey("tooManyLinks")) ++counters_.toomanylinks;
  if (r->isKeywordStuffed()) ++counters_.keywordstuffed;
  if (r->getWordCount() < thin) ++counters_.thincontent;
  if (r->getHeadContainsNoIndex()) ++counters_.pagesExcludedNoIndex;
  if (r->getIsHTML()) {
    if (r->h1Count() == 0) ++counters_.pagesWithoutH1;
    if (r->h1Count() > 1) ++counters_.pagesWithMultipleH1;
  }
}

void ZelSEOManager::addWords(const std::vector<std::string>& words, ZelUrl* record) {
  for (const auto& w : words) misspelledWordDictionary_[w].push_back(record);
  misspelledWordSortArray_.reset();
}

void ZelSEOManager::clear() {
  log_.write(2, "SEOManager clear");
  kxDataSource<ZelUrl>::clear();
  counters_ = Counters();
  duplicateDict_.clear();
  duplicates_.reset();
  duplicateTitles_.reset();
  duplicateDescriptions_.reset();
  sitemapCollection_.reset();
  spellingCollection_.reset();
  misspelledWordSortArray_.reset();
  imageCollection_.clear();
  misspelledWordDictionary_.clear();
}

std::string ZelSEOManager::localized(const char* english) const {
  return localizer_ ? localizer_->localize(english) : std::string(english);
}

std::string ZelSEOManager::getShortSummary() {
  imageCollection_.clear();
  imageCollection_.reserve(10);
  // Each summary counts the duplicates afresh, so asking twice gives the same text.
  counters_.possduplicates = counters_.duplicatetitle = counters_.duplicatedesc = 0;
  // The groups are built (and cached) only when there is a page to look up.
  if (!collection_.empty()) {
    std::lock_guard<std::mutex> lock(collectionLock_);
    const RecordGroups& dups = getDuplicates();
    const RecordGroups& titles = getDuplicateTitles();
    const RecordGroups& descriptions = getDuplicateDescriptions();
    // Counted first: on a big site the list is long, and growing it by doubling
    // raises the peak at the end of the crawl.
    size_t withAlt = 0;
    for (ZelUrl* r : collection_)
      for (ZelLinkInstance* i : r->getLinkedImagesArray())
        if (i->linkText().find("[alt]:") != std::string::npos) ++withAlt;
    imageCollection_.reserve(withAlt);
    for (ZelUrl* r : collection_) {
      if (dups.count(r->getLinkPageTitle())) ++counters_.possduplicates;
      auto t = titles.find(r->getLinkPageTitle());
      if (t != titles.end() && t->second.size() > 1) ++counters_.duplicatetitle;
      auto d = descriptions.find(r->getMetaDescription());
      if (d != descriptions.end() && d->second.size() > 1) ++counters_.duplicatedesc;
      for (ZelLinkInstance* i : r->getLinkedImagesArray())
        if (i->linkText().find("[alt]:") != std::string::npos) imageCollection_.push_back(i);
    }
  }
  const Counters& c = counters_;
  std::string out;
  auto line = [&](int32_t n, const char* label) {
    if (n > 0) out += strf("%i %s\n", n, localized(label).c_str());
  };
  line(c.notitle, "pages without title");
  line(c.nodesc, "pages without description");
  line(c.titlelength, "pages with long title");
  line(c.metadesclength, "pages with long or short description");
  if (defaults_.boolForKey("countKeywords"))
    line(c.keywordstuffed, "pages with high keyword density");
  else
    out += localized("keyword density not checked") + "\n";
  line(c.thincontent, "pages with thin content");
  if (c.toomanylinks > 0)
    out += strf("%i %s %i %s\n", c.toomanylinks, localized("pages with more than").c_str(),
                static_cast<int>(defaults_.integerForKey("tooManyLinks")),
                localized("links").c_str());
  line(c.possduplicates, "pages with possible duplicates");
  line(c.duplicatetitle, "pages with duplicate titles");
  line(c.duplicatedesc, "pages with duplicate descriptions");
  if (c.mixedContent > 0)
    out += strf("%i, %s\n", c.mixedContent, localized("pages with mixed content").c_str());
  if (!defaults_.boolForKey("checkImages"))
    out += localized("images not checked") + "\n";
  else
    line(c.noalt, "images with no alt text");
  line(c.pagesExcludedNoIndex, "pages with robots noindex");
  line(c.redirectchain, "pages with redirect chain");
  if (c.pagesWithMultipleH1 > 0) out += strf("%i Pages with multiple h1\n", c.pagesWithMultipleH1);
  if (c.pagesWithoutH1 > 0) out += strf("%i Pages with no h1\n", c.pagesWithoutH1);
  return out;
}

std::string ZelSEOManager::getShortSummaryAsCSV() const {
  const Counters& c = counters_;
  std::string out = "count,test\n";
  auto line = [&](int32_t n, const char* label) {
    if (n > 0) out += strf("%i,%s\n", n, localized(label).c_str());
  };
  line(c.notitle, "pages without title");
  line(c.nodesc, "pages without description");
  line(c.titlelength, "pages with long title");
  line(c.metadesclength, "pages with long or short description");
  if (defaults_.boolForKey("countKeywords"))
    line(c.keywordstuffed, "pages with high keyword density");
  line(c.thincontent, "pages with thin content");
  if (c.toomanylinks > 0)
    out += strf("%i,%s %i %s\n", c.toomanylinks, localized("pages with more than").c_str(),
                static_cast<int>(defaults_.integerForKey("tooManyLinks")),
                localized("links").c_str());
  line(c.possduplicates, "pages with possible duplicates");
  line(c.duplicatetitle, "pages with duplicate titles");
  line(c.duplicatedesc, "pages with duplicate descriptions");
  line(c.mixedContent, "pages with mixed content");
  if (defaults_.boolForKey("checkImages")) line(c.noalt, "images with no alt text");
  line(c.pagesExcludedNoIndex, "pages with robots noindex");
  line(c.redirectchain, "pages with redirect chain");
  if (c.pagesWithMultipleH1 > 0) out += strf("%i,Pages with multiple h1\n", c.pagesWithMultipleH1);
  if (c.pagesWithoutH1 > 0) out += strf("%i,Pages with no h1\n", c.pagesWithoutH1);
  return out;
}

const RecordGroups& ZelSEOManager::getDuplicates() {
  if (duplicates_) return *duplicates_;
  RecordGroups groups = groupsOfTwoOrMore(
      collection_, [](ZelUrl* r) { return r->canonicalMatchesUrl(); }, &ZelUrl::getLinkPageTitle);
  for (auto it = groups.begin(); it != groups.end();) {
    bool sizesMatch = false;
    const auto& v = it->second;
    for (size_t i = 0; i < v.size() && !sizesMatch; ++i)
      for (size_t j = i + 1; j < v.size() && !sizesMatch; ++j)
        sizesMatch = v[i] != v[j] && v[i]->getFileSizeInBytes() == v[j]->getFileSizeInBytes();
    if (v.size() < 2 || !sizesMatch)
      it = groups.erase(it);
    else
      ++it;
  }
  duplicates_ = std::move(groups);
  return *duplicates_;
}

const RecordGroups& ZelSEOManager::getDuplicateTitles() {
  if (!duplicateTitles_) {
    duplicateTitles_ = groupsOfTwoOrMore(
        collection_,
        [](ZelUrl* r) { return !r->getLinkPageTitle().empty() && r->canonicalMatchesUrl(); },
        &ZelUrl::getLinkPageTitle);
  }
  return *duplicateTitles_;
}

const RecordGroups& ZelSEOManager::getDuplicateDescriptions() {
  if (!duplicateDescriptions_) {
    duplicateDescriptions_ = groupsOfTwoOrMore(
        collection_,
        [](ZelUrl* r) { return !r->getMetaDescription().empty() && r->canonicalMatchesUrl(); },
        &ZelUrl::getMetaDescription);
  }
  return *duplicateDescriptions_;
}

}  // namespace zel
