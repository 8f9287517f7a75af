// Page facts copied from the parser, the getters built on them, SEO term
// counting, duplicates and content search.
#include "url/zel_url_page_facts.h"

#include <algorithm>

#include "platform/platform.h"
#include "platform/regex.h"
#include "platform/text_format.h"
#include "url/zel_record_owner.h"
#include "url/zel_url.h"
#include "urltext/url_parts.h"
#include "urltext/zel_pattern_matcher.h"

namespace zel {

namespace {
const std::optional<std::vector<std::string>> kNoStrings;

size_t leadingTabs(std::string_view h) {
  size_t n = 0;
  while (n < h.size() && h[n] == '\t') ++n;
  return n;
}

std::string joinTrimmed(const std::vector<std::string>& items, bool (*pick)(std::string_view),
                        bool trim) {
  std::vector<std::string> picked;
  for (const auto& h : items)
    if (pick(h)) picked.emplace_back(trim ? std::string(trimWhitespace(h)) : h);
  return join(picked, ", ");
}

void putLength(std::string& out, size_t n) {
  for (; n >= 0x80; n >>= 7) out += static_cast<char>((n & 0x7f) | 0x80);
  out += static_cast<char>(n);
}

size_t lengthSize(size_t n) {
  size_t bytes = 1;
  for (; n >= 0x80; n >>= 7) ++bytes;
  return bytes;
}

// The length at `at` (moved past it); 0 at the end of `packed`.
size_t takeLength(std::string_view packed, size_t& at) {
  size_t n = 0;
  for (unsigned shift = 0; at < packed.size() && shift < 64; shift += 7) {
    const auto byte = static_cast<unsigned char>(packed[at++]);
    n |= static_cast<size_t>(byte & 0x7f) << shift;
    if (!(byte & 0x80)) break;
  }
  return n;
}

// The text at `at` (moved past it); stops at the end of `packed`.
std::string_view takeText(std::string_view packed, size_t& at) {
  const size_t n = std::min(takeLength(packed, at), packed.size() - at);
  const std::string_view text = packed.substr(at, n);
  at += n;
  return text;
}

std::string packTexts(const std::vector<std::string>& texts) {
  size_t bytes = 0;
  for (const std::string& t : texts) bytes += lengthSize(t.size()) + t.size();
  std::string out;
  out.reserve(bytes);
  for (const std::string& t : texts) {
    putLength(out, t.size());
    out += t;
  }
  return out;
}

std::vector<std::string> unpackTexts(std::string_view packed) {
  std::vector<std::string> texts;
  for (size_t at = 0; at < packed.size();) texts.emplace_back(takeText(packed, at));
  return texts;
}
}  // namespace

// Lengths and counts as in the page's texts: most take one byte.
std::string packMetaData(const std::vector<MetaEntry>& entries) {
  size_t bytes = lengthSize(entries.size());
  for (const MetaEntry& e : entries) {
    bytes += lengthSize(e.size());
    for (const auto& [name, value] : e)
      bytes += lengthSize(name.size()) + name.size() + lengthSize(value.size()) + value.size();
  }
  std::string out;
  out.reserve(bytes);  // kept for the whole crawl, so no room to spare
  putLength(out, entries.size());
  for (const MetaEntry& e : entries) {
    putLength(out, e.size());
    for (const auto& [name, value] : e) {
      putLength(out, name.size());
      out += name;
      putLength(out, value.size());
      out += value;
    }
  }
  return out;
}

std::vector<MetaEntry> unpackMetaData(std::string_view packed) {
  size_t at = 0;
  auto number = [&]() { return takeLength(packed, at); };
  std::vector<MetaEntry> entries(std::min(number(), packed.size()));
  for (MetaEntry& e : entries)
    for (size_t pairs = std::min(number(), packed.size()); pairs > 0; --pairs) {
      std::string name(takeText(packed, at));
      e.emplace(std::move(name), takeText(packed, at));
    }
  return entries;
}

std::string_view ZelUrl::PageFacts::text(Text which) const {
  const std::string_view all = texts();
  size_t at = 0;
  for (int i = 0; at < all.size(); ++i) {
    const std::string_view text = takeText(all, at);
    if (i == which) return text;
  }
  return {};
}

std::string_view ZelUrl::PageFacts::description() const {
  if (!descriptionInMeta) return text(kDescription);
  // As setMetaData picks it, without unpacking the tags.
  const std::string_view packed = text(kMetaData);
  std::string_view found;
  size_t at = 0;
  for (size_t tags = takeLength(packed, at); tags > 0 && at < packed.size(); --tags) {
    std::optional<std::string_view> name, content;
    for (size_t pairs = takeLength(packed, at); pairs > 0 && at < packed.size(); --pairs) {
      const std::string_view key = takeText(packed, at), value = takeText(packed, at);
      if (key == "name") name = value;
      if (key == "content") content = value;
    }
    if (name && content && equalsIgnoreCase(*name, "description")) found = *content;
  }
  return found;
}

void ZelUrl::PageFacts::setText(SpillTexts& store, Text which, std::string_view value) {
  std::string_view parts[kTextCount];
  size_t bytes = 0, last = 0;
  for (int i = 0; i < kTextCount; ++i) {
    parts[i] = i == which ? value : text(static_cast<Text>(i));
    if (!parts[i].empty()) last = i + 1;
    bytes += lengthSize(parts[i].size()) + parts[i].size();
  }
  // Texts after the last non-empty one are left out: they read as "".
  std::string out;
  out.reserve(bytes);
  for (size_t i = 0; i < last; ++i) {
    putLength(out, parts[i].size());
    out += parts[i];
  }
  // Past 4 GB of texts a page keeps what it had (a hostile page, not a site).
  if (out.size() > UINT32_MAX) return;
  texts_ = store.replace(texts(), out);
  textsSize_ = static_cast<uint32_t>(out.size());
}

std::string ZelUrl::getLinkPageTitle() const {
  return facts_ ? std::string(facts_->text(PageFacts::kTitle)) : "";
}
bool ZelUrl::hasTitle() const { return facts_ && facts_->hasTitle; }

void ZelUrl::setLinkPageTitle(std::optional<std::string> t) {
  if (!t) return;
  if (t->empty() && !facts_) return;  // "" is what an untouched record answers already
  facts().setText(pageTexts(), PageFacts::kTitle, *t);
  facts().hasTitle = true;
}

std::string ZelUrl::getMetaDescription() const {
  return facts_ && facts_->hasDescription ? std::string(facts_->description()) : "";
}

std::string ZelUrl::getKeywords() const {
  return facts_ && facts_->extra && facts_->extra->keywords ? *facts_->extra->keywords : "";
}

std::optional<std::vector<MetaEntry>> ZelUrl::getMetaData() const {
  if (!facts_ || !facts_->hasMetaData) return std::nullopt;
  return unpackMetaData(facts_->text(PageFacts::kMetaData));
}

void ZelUrl::setMetaData(const std::optional<std::vector<MetaEntry>>& meta) {
  if (!meta) return;
  PageFacts& f = facts();
  f.setText(pageTexts(), PageFacts::kMetaData, packMetaData(*meta));
  f.hasMetaData = true;
  const std::string* description = nullptr;
  for (const MetaEntry& e : *meta) {
    auto name = e.find("name");
    auto content = e.find("content");
    if (name == e.end() || content == e.end()) continue;
    if (equalsIgnoreCase(name->second, "description")) {
      if (description)
        addWarning(
            "The page contains more than one meta description in the head. The *last* one found "
            "will be reported. This may not be the same as the one that browsers use");
      description = &content->second;
    } else if (equalsIgnoreCase(name->second, "keywords")) {
      f.more().keywords = content->second;
    }
  }
  f.hasDescription = f.descriptionInMeta = description != nullptr;
  f.setText(pageTexts(), PageFacts::kDescription, "");
}

std::string ZelUrl::metaContent(std::string_view key, std::string_view value) const {
  if (!facts_ || !facts_->hasMetaData) return "";
  for (const MetaEntry& e : unpackMetaData(facts_->text(PageFacts::kMetaData))) {
    auto k = e.find(std::string(key));
    if (k == e.end() || k->second != value) continue;
    auto c = e.find("content");
    if (c != e.end()) return c->second;
  }
  return "";
}

std::string ZelUrl::getCanonical() const {
  return facts_ ? std::string(facts_->text(PageFacts::kCanonical)) : "";
}

void ZelUrl::setCanonical(std::optional<std::string> c) {
  if (!c || (c->empty() && !facts_)) return;
  facts().setText(pageTexts(), PageFacts::kCanonical, *c);
}

std::optional<std::vector<std::string>> ZelUrl::getHeadings() const {
  if (!facts_ || !facts_->hasHeadings) return std::nullopt;
  return unpackTexts(facts_->text(PageFacts::kHeadings));
}

void ZelUrl::setHeadings(std::optional<std::vector<std::string>> h) {
  if (!h && !facts_) return;
  PageFacts& f = facts();
  f.hasHeadings = h.has_value();
  f.setText(pageTexts(), PageFacts::kHeadings, h ? packTexts(*h) : "");
}

const std::optional<std::vector<std::string>>& ZelUrl::getNamesOnThisPage() const {
  return facts_ && facts_->extra ? facts_->extra->namesOnThisPage : kNoStrings;
}

void ZelUrl::setNamesOnThisPage(std::vector<std::string> names) {
  facts().more().namesOnThisPage = std::move(names);
  const std::string fragment = getAnchorFragment();
  if (fragment.empty()) return;
  const auto& stored = *facts().more().namesOnThisPage;
  if (std::find(stored.begin(), stored.end(), fragment) != stored.end()) return;
  facts().linksAnchorDoesntAppearOnTargetPage = true;
  addWarning("This link url contains the anchor fragment #" + fragment +
             " which Zelmora hasn't found on the target page");
}

bool ZelUrl::getLinksAnchorDoesntAppearOnTargetPage() const {
  return facts_ && facts_->linksAnchorDoesntAppearOnTargetPage;
}

std::string ZelUrl::getAnchorFragment() const {
  if (!defaults().boolForKey("dontTrimHash")) return "";
  const std::string actual = getActualLinkUrl();
  size_t hash = actual.find('#');
  if (hash == std::string::npos || hash + 1 == actual.size()) return "";
  return actual.substr(hash + 1);
}

std::string ZelUrl::getRobots() const {
  const bool nf = getHeadContainsNoFollow(), ni = getHeadContainsNoIndex();
  if (nf && ni) return "nofollow,noindex";
  if (nf) return "nofollow";
  if (ni) return "noindex";
  return "";
}

int64_t ZelUrl::getWordCount() const { return facts_ ? facts_->wordCount : -1; }
void ZelUrl::setWordCount(int64_t n) {
  if (n == -1 && !facts_) return;
  facts().wordCount = n;
}
bool ZelUrl::isKeywordStuffed() const { return facts_ && facts_->isKeywordStuffed; }
void ZelUrl::setKeywordStuffed(bool v) {
  if (!v && !facts_) return;
  facts().isKeywordStuffed = v;
}
int64_t ZelUrl::getSpellingCount() const {
  return facts_ && facts_->extra ? facts_->extra->spelling : 0;
}
int64_t ZelUrl::getGrammarCount() const {
  return facts_ && facts_->extra ? facts_->extra->grammar : 0;
}
void ZelUrl::setSpellingCount(int64_t n) {
  if (n == 0 && !(facts_ && facts_->extra)) return;
  facts().more().spelling = n;
}
void ZelUrl::setGrammarCount(int64_t n) {
  if (n == 0 && !(facts_ && facts_->extra)) return;
  facts().more().grammar = n;
}
bool ZelUrl::spellingReviewed() const { return facts_ && facts_->spellingReviewed; }
void ZelUrl::setSpellingReviewed(bool v) {
  if (!v && !facts_) return;
  facts().spellingReviewed = v;
}
std::string ZelUrl::getValidatorStatus() const {
  return facts_ && facts_->extra ? facts_->extra->validatorStatus : "";
}
void ZelUrl::setValidatorStatus(std::optional<std::string> s) {
  if (!s || (s->empty() && !facts_)) return;
  facts().more().validatorStatus = std::move(*s);
}
int64_t ZelUrl::getValidatorErrors() const { return facts_ ? facts_->validatorErrors : -1; }
int64_t ZelUrl::getValidatorWarnings() const { return facts_ ? facts_->validatorWarnings : -1; }
void ZelUrl::setValidatorErrors(int64_t n) {
  if (n == -1 && !facts_) return;
  facts().validatorErrors = static_cast<int32_t>(std::clamp<int64_t>(n, -1, INT32_MAX));
}
void ZelUrl::setValidatorWarnings(int64_t n) {
  if (n == -1 && !facts_) return;
  facts().validatorWarnings = static_cast<int32_t>(std::clamp<int64_t>(n, -1, INT32_MAX));
}

bool ZelUrl::canonicalMatchesUrl() {
  const std::string canonical = getCanonical();
  if (canonical.empty()) return true;
  return isEqualToUrl(canonical, false, defaults().boolForKey("shouldIgnoreSlash"), false);
}

bool ZelUrl::isEqualToTitle(const std::optional<std::string>& title) const {
  // The record's title is never absent: it starts as the empty string.
  return title && *title == getLinkPageTitle();
}

// ---- Headings -------------------------------------------------------------------------

bool ZelUrl::thisIsAnH1(std::string_view h) { return !h.empty() && h[0] != '\t'; }
bool ZelUrl::thisIsAnH2(std::string_view h) { return h.size() >= 2 && leadingTabs(h) == 1; }
bool ZelUrl::thisIsAnH3(std::string_view h) { return h.size() >= 3 && leadingTabs(h) == 2; }
bool ZelUrl::thisIsAnH4(std::string_view h) { return h.size() >= 4 && leadingTabs(h) == 3; }

std::string ZelUrl::getH1s() const {
  const auto& h = getHeadings();
  return h ? joinTrimmed(*h, &thisIsAnH1, false) : "";
}
std::string ZelUrl::getH2s() const {
  const auto& h = getHeadings();
  return h ? joinTrimmed(*h, &thisIsAnH2, true) : "";
}
std::string ZelUrl::getH3s() const {
  const auto& h = getHeadings();
  return h ? joinTrimmed(*h, &thisIsAnH3, true) : "";
}
std::string ZelUrl::getH4s() const {
  const auto& h = getHeadings();
  return h ? joinTrimmed(*h, &thisIsAnH4, true) : "";
}

std::string ZelUrl::getHeadingsAsSummary() const {
  const auto& h = getHeadings();
  return h ? joinTrimmed(*h, &thisIsAnH1, false) : "";
}

int32_t ZelUrl::h1Count() const {
  if (facts_ && facts_->h1CountCache >= 0) return facts_->h1CountCache;
  int32_t n = 0;
  if (const auto& h = getHeadings())
    for (const auto& e : *h)
      if (thisIsAnH1(e)) ++n;
  if (facts_ || n != 0) facts().h1CountCache = n;  // records that are not pages stay small
  return n;
}

// ---- Sitemap ----------------------------------------------------------------------------

std::optional<double> ZelUrl::getPriorityIfSet() const {
  return facts_ && facts_->extra ? facts_->extra->priority : std::nullopt;
}

double ZelUrl::getPriority() const {
  if (auto p = getPriorityIfSet()) return *p;
  switch (distanceFromHome_) {
    case 0: return 1.0;
    case 1: return 0.5;
    case 2: return 0.3;
    default: return 0.2;
  }
}

void ZelUrl::setPriority(std::optional<double> p) {
  if (!p && !facts_) return;
  facts().more().priority = p;
}

std::string ZelUrl::getChangeFrequency() const {
  return facts_ && facts_->extra ? facts_->extra->changeFrequency : "";
}
void ZelUrl::setChangeFrequency(std::optional<std::string> f) {
  if (!f || (f->empty() && !facts_)) return;
  facts().more().changeFrequency = std::move(*f);
}

// ---- SEO terms -----------------------------------------------------------------------------

int32_t ZelUrl::countOcurrencesOfString(std::string_view needle, std::string_view haystack) {
  if (needle.empty() || haystack.empty()) return 0;
  int32_t n = 0;
  size_t pos = findIgnoreCase(haystack, needle, 0);
  while (pos != std::string_view::npos) {
    ++n;
    pos = findIgnoreCase(haystack, needle, pos + 1);
  }
  return n;
}

int32_t ZelUrl::countOcurrencesOfString(std::string_view needle,
                                        const std::vector<std::string>& haystack) {
  int32_t n = 0;
  for (const auto& s : haystack) n += countOcurrencesOfString(needle, s);
  return n;
}

int32_t ZelUrl::countOcurrencesOfStringInArchive(std::string_view needle) const {
  const FileSystem* fs = owner_ ? owner_->platform().fileSystem : nullptr;
  const std::optional<std::string> path = fileLocationForArchive();
  if (!fs || !path) return 0;
  // Byte-wise search without ASCII case: the same count as on the decoded text.
  const std::optional<std::string> text = fs->readFile(*path);
  return text ? countOcurrencesOfString(needle, *text) : 0;
}

bool ZelUrl::countSEOTerm(std::string_view term) {
  PageFacts& page = facts();
  PageFacts::Extra& f = page.more();
  f.ocurrencesInUrl = countOcurrencesOfString(term, getActualLinkUrl());
  f.ocurrencesInTitle = countOcurrencesOfString(term, page.text(PageFacts::kTitle));
  f.ocurrencesInDescription =
      countOcurrencesOfString(term, page.hasDescription ? page.description() : "");
  f.ocurrencesInHeadings =
      page.hasHeadings ? countOcurrencesOfString(term, unpackTexts(page.text(PageFacts::kHeadings)))
                       : 0;
  f.ocurrencesInKeywords = countOcurrencesOfString(term, f.keywords.value_or(""));
  f.ocurrencesInArchive =
      std::max(0, countOcurrencesOfStringInArchive(term) - f.ocurrencesInTitle -
                      f.ocurrencesInDescription - f.ocurrencesInHeadings - f.ocurrencesInKeywords);
  f.totalOcurrences = f.ocurrencesInUrl + f.ocurrencesInTitle + f.ocurrencesInDescription +
                      f.ocurrencesInHeadings + f.ocurrencesInKeywords + f.ocurrencesInArchive;
  return f.totalOcurrences != 0;
}

int32_t ZelUrl::getOcurrencesInUrl() const { return facts_ && facts_->extra ? facts_->extra->ocurrencesInUrl : 0; }
int32_t ZelUrl::getOcurrencesInTitle() const { return facts_ && facts_->extra ? facts_->extra->ocurrencesInTitle : 0; }
int32_t ZelUrl::getOcurrencesInDescription() const {
  return facts_ && facts_->extra ? facts_->extra->ocurrencesInDescription : 0;
}
int32_t ZelUrl::getOcurrencesInKeywords() const {
  return facts_ && facts_->extra ? facts_->extra->ocurrencesInKeywords : 0;
}
int32_t ZelUrl::getOcurrencesInHeadings() const {
  return facts_ && facts_->extra ? facts_->extra->ocurrencesInHeadings : 0;
}
int32_t ZelUrl::getOcurrencesInArchive() const { return facts_ && facts_->extra ? facts_->extra->ocurrencesInArchive : 0; }
int32_t ZelUrl::getTotalOccurrences() const { return facts_ && facts_->extra ? facts_->extra->totalOcurrences : 0; }

// ---- Duplicates ---------------------------------------------------------------------------

const std::vector<ZelUrl*>& ZelUrl::getUrlsWithDuplicatesRefresh(bool refresh) {
  auto& cache = facts().more().urlsWithDuplicates;
  if (!cache || refresh) cache = owner_->getDuplicatesForZelUrl(this);
  return *cache;
}

// The records sharing this record's text (its own group), sorted by that text.
// The groups keep only texts two records share; a record whose text is its
// own is a group of one.
const std::vector<ZelUrl*>& ZelUrl::sameTextGroup(std::optional<std::vector<ZelUrl*>>& cache,
                                                  bool refresh, const RecordGroups& groups,
                                                  std::string (ZelUrl::*text)() const) {
  if (cache && !refresh) return *cache;
  const std::string own = (this->*text)();
  auto it = groups.find(own);
  if (it != groups.end())
    cache = it->second;
  else if (!own.empty() && canonicalMatchesUrl())
    cache = std::vector<ZelUrl*>{this};
  else
    cache.emplace();
  std::stable_sort(cache->begin(), cache->end(), [text](ZelUrl* a, ZelUrl* b) {
    return asciiLower((a->*text)()) < asciiLower((b->*text)());
  });
  return *cache;
}

const std::vector<ZelUrl*>& ZelUrl::getUrlsWithDuplicateTitlesRefresh(bool refresh) {
  auto& cache = facts().more().urlsWithDuplicateTitles;
  if (cache && !refresh) return *cache;
  return sameTextGroup(cache, refresh, owner_->getDuplicateTitles(), &ZelUrl::getLinkPageTitle);
}

const std::vector<ZelUrl*>& ZelUrl::getUrlsWithDuplicateDescriptionsRefresh(bool refresh) {
  auto& cache = facts().more().urlsWithDuplicateDescriptions;
  if (cache && !refresh) return *cache;
  return sameTextGroup(cache, refresh, owner_->getDuplicateDescriptions(),
                       &ZelUrl::getMetaDescription);
}

int32_t ZelUrl::getPossibleduplicates() const {
  return static_cast<int32_t>(owner_->getDuplicatesForZelUrl(this).size());
}

// ---- Content search -----------------------------------------------------------------------

std::optional<std::vector<std::string>> ZelUrl::dataContainsOneOfTheseTerms(
    const std::vector<std::string>& terms, bool isRegex) const {
  // The body as its bytes, not only when it is valid UTF-8: ASCII terms still
  // match on a page in another encoding, where a strict decode would find nothing.
  const std::string_view text = data_ ? std::string_view(*data_) : std::string_view();
  if (isRegex) {
    if (terms.empty()) return std::nullopt;
    return applyRegex(terms.front(), text, &log());
  }
  std::vector<std::string> found;
  for (const auto& t : terms)
    if (ZelPatternMatcher::stringMatchesPattern(text, t)) found.push_back(t);
  if (found.empty()) return std::nullopt;
  return found;
}

bool ZelUrl::linkContainsOneOfTheseTerms(
    const std::optional<std::vector<std::string>>& terms) const {
  if (!terms || terms->empty()) return false;  // and no encoding of the address for nothing
  const std::string encoded = encodedURLString(nsslinkUrl_, defaults());
  bool allExclusions = terms->size() > 1;
  for (const auto& t : *terms)
    if (t.empty() || t[0] != '!') allExclusions = false;
  if (allExclusions) {
    for (const auto& t : *terms) {
      if (!ZelPatternMatcher::stringMatchesPattern(nsslinkUrl_, t, false) &&
          !ZelPatternMatcher::stringMatchesPattern(encoded, t, false))
        return false;
    }
    return true;
  }
  for (const auto& t : *terms)
    if (ZelPatternMatcher::stringMatchesPattern(nsslinkUrl_, t, false) ||
        ZelPatternMatcher::stringMatchesPattern(encoded, t, false))
      return true;
  return false;
}

bool ZelUrl::archiveContainsOneOfTheseTerms(const std::vector<std::string>& terms) const {
  for (const auto& t : terms)
    if (countOcurrencesOfStringInArchive(t) > 0) return true;
  return false;
}

bool ZelUrl::isThisString(std::string_view s, const std::vector<std::string>& array) {
  if (s.empty()) return false;
  for (const auto& e : array) {
    if (equalsIgnoreCase(s, e)) return true;
    if (s.size() == e.size() + 1 && s.back() == '/' && equalsIgnoreCase(s.substr(0, e.size()), e))
      return true;
    if (e.size() == s.size() + 1 && e.back() == '/' &&
        equalsIgnoreCase(std::string_view(e).substr(0, s.size()), s))
      return true;
  }
  return false;
}

int32_t ZelUrl::getTitlelength() const {
  return static_cast<int32_t>(utf8Length(getLinkPageTitle()));
}
int32_t ZelUrl::getDescriptionlength() const {
  return static_cast<int32_t>(utf8Length(getMetaDescription()));
}
std::string ZelUrl::getDistancefromhome() const { return strf("%i", distanceFromHome_); }

}  // namespace zel
