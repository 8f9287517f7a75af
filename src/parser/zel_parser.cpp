// ZelParser: construction, the iteration protocol and its getters, the operations
// that build link entries, and warnings.
#include "parser/zel_parser.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "parser/entities.h"
#include "parser/html_scanner.h"
#include "parser/meta_refresh.h"
#include "parser/page_facts_collector.h"
#include "parser/text_encoding.h"
#include "platform/defaults.h"
#include "platform/log.h"
#include "platform/text_format.h"
#include "platform/url.h"
#include "platform/url_loader.h"

namespace zel {

namespace {

bool contains(std::string_view s, std::string_view needle) {
  return s.find(needle) != std::string_view::npos;
}

// A script string concatenation, not a URL.
bool isConcatenation(std::string_view url) { return contains(url, "+ \"") || contains(url, "+\""); }

// The cheap test a page must pass to be worth scanning when links are required.
bool looksLikeLinkedHtml(std::string_view d) {
  bool anchor = contains(d, "<a") || contains(d, "<A");
  if (anchor && (contains(d, "href") || contains(d, "HREF"))) return true;
  return contains(d, "frameset") || contains(d, "FRAMESET") || contains(d, "IMG") ||
         contains(d, "img");
}

}  // namespace

ZelParser::~ZelParser() { releaseBuffers(); }

struct ZelParser::Spare {
  std::vector<StoredEntry> entries;
  std::vector<TextRef> urls;
  std::string arena;
  bool held = false;
};

ZelParser::Spare& ZelParser::spare() {
  thread_local Spare s;
  return s;
}

void ZelParser::adoptSpareBuffers(size_t pageSize) {
  Spare& s = spare();
  if (s.held) {
    entries_ = std::move(s.entries);
    urlRefs_ = std::move(s.urls);
    arena_ = std::move(s.arena);
    s = Spare();
  }
  // Room for a typical density of links, so that the buffers rarely grow.
  entries_.reserve(std::max<size_t>(100, pageSize / 256));
  urlRefs_.reserve(std::max<size_t>(100, pageSize / 200));
  arena_.reserve(pageSize / 8);
}

void ZelParser::releaseBuffers() {
  // Kept only up to a size that every page may cost anyway.
  constexpr size_t kSpareLimitBytes = 8u << 20;
  Spare& s = spare();
  size_t bytes = entries_.capacity() * sizeof(StoredEntry) +
                 urlRefs_.capacity() * sizeof(TextRef) + arena_.capacity();
  if (s.held || entries_.capacity() == 0 || bytes > kSpareLimitBytes) return;
  entries_.clear();
  urlRefs_.clear();
  arena_.clear();
  s.entries = std::move(entries_);
  s.urls = std::move(urlRefs_);
  s.arena = std::move(arena_);
  s.held = true;
}

void ZelParser::logLine(int level, const std::string& line) const {
  if (log_) log_->write(level, line);
}

std::unique_ptr<ZelParser> ZelParser::initWithData(std::string_view data, bool withSEO,
                                                   bool checkNoIndex, TextEncoding useEncoding,
                                                   int fileType, bool allowNoLinks,
                                                   const Defaults& defaults, Log* log,
                                                   ScanCollector* collector) {
  (void)checkNoIndex;  // robots directives are always collected
  std::unique_ptr<ZelParser> p(new ZelParser(defaults, log));
  if (fileType == kFileTypeHTML) {
    if (zel::pageIsMetaRefresh(data, log)) {
      p->metaRefreshURL_ = zel::pullOutMetaRefreshUrl(data, log);
      if (log && log->enabled(1))
        log->write(1, "is meta refresh - url is " + p->metaRefreshURL_.value_or(""));
    } else if (!allowNoLinks && !looksLikeLinkedHtml(data)) {
      return nullptr;
    }
  }
  p->fileType_ = fileType;
  p->useEncoding_ = useEncoding;
  if (useEncoding == encoding::kNone) p->logLine(1, "parser initiated with nil text encoding");
  if (auto charset = zel::extractCharsetFromHTML(data)) {
    if (TextEncoding declared = zel::encodingForCharset(*charset)) p->useEncoding_ = declared;
  }
  if (data.empty()) {
    p->logLine(1, "parser initiated with nil or no data");
    return nullptr;
  }
  p->seoOn_ = withSEO;
  p->l_ = static_cast<int64_t>(data.size());
  if (fileType > 0) {
    // Sitemaps and URL lists are read lazily, after construction returns.
    p->ownedData_.assign(data);
    p->page_ = p->ownedData_;
    return p;
  }
  if (!p->metaRefreshURL_) {
    p->adoptSpareBuffers(data.size());
    p->page_ = data;
    PageFactsCollector facts(*p, collector);
    HtmlScanner scanner(*p, &facts);
    scanner.run();
    p->page_ = {};
    p->linePos_ = 0;
    p->lineAtPos_ = 1;
  }
  return p;
}

std::unique_ptr<ZelParser> ZelParser::initWithData(std::string_view data, bool withSEO,
                                                   bool checkNoIndex, TextEncoding useEncoding,
                                                   int fileType, const Defaults& defaults,
                                                   Log* log) {
  return initWithData(data, withSEO, checkNoIndex, useEncoding, fileType, false, defaults, log);
}

std::unique_ptr<ZelParser> ZelParser::initWithUrl(std::string_view url, UrlLoader& loader,
                                                  const Defaults& defaults, Log* log) {
  std::string userAgent = defaults.stringOrEmpty("userAgentString");
  std::optional<Url> u = Url::parse(url);
  if (!u) {
    // Escape what may not stand in a URL, as UTF-8, and try again.
    static const char kAllowed[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~:/?#[]@!$&'()*+,;=%";
    std::string escaped;
    for (unsigned char c : url) {
      if (c != 0 && std::strchr(kAllowed, c))
        escaped += char(c);
      else
        escaped += strf("%%%02X", c);
    }
    u = Url::parse(escaped);
  }
  if (!u) return nullptr;
  static const char* const kSkipped[] = {"DOC", "MOV", "WAV", "MP3", "ZIP", "MPG", "MP4", "PDF"};
  std::string ext = asciiUpper(u->pathExtension());
  for (const char* s : kSkipped)
    if (ext == s) return nullptr;

  UrlRequest request;
  request.url = u->absoluteString();
  request.method = "GET";
  request.timeoutSeconds = 60;
  request.ignoreLocalCache = true;
  request.setHeader("User-Agent", userAgent);
  SyncResult result = loader.sendSynchronous(request);
  if (!result.response) return nullptr;
  const UrlResponse& response = *result.response;
  if (response.isHttp) {
    std::optional<std::string> type = response.header("Content-Type");
    if (!type) {
      if (log && log->enabled(1))
        log->write(1, "can't establish content type for " + u->absoluteString());
      return nullptr;
    }
    if (!contains(*type, "html")) return nullptr;
  }
  int fileType = defaults.boolForKey("fileType") ? kFileTypeTextList : kFileTypeHTML;
  return initWithData(result.body, true, false, encoding::kUTF8, fileType, defaults, log);
}

// --- Iteration ------------------------------------------------------------------------

std::optional<std::string> ZelParser::getNextHref() {
  std::string url;
  if (!nextHrefInto(url)) return std::nullopt;
  return url;
}

bool ZelParser::nextHrefInto(std::string& url) {
  if (fileType_ > 0) {
    std::optional<std::string> next = fileType_ == kFileTypeXML ? getNextXml() : getNextHttp();
    if (!next) return false;
    url = std::move(*next);
    return true;
  }
  if (metaRefreshURL_) {
    if (cursor_ != 0) return false;
    cursor_ = 1;
    url = *metaRefreshURL_;
  } else {
    while (true) {
      if (cursor_ < 0 || static_cast<size_t>(cursor_) >= entries_.size()) return false;
      const StoredEntry& e = entries_[static_cast<size_t>(cursor_)];
      if (static_cast<uint32_t>(subCursor_) >= e.urlCount) {
        ++cursor_;
        subCursor_ = 0;
        continue;
      }
      url = text(urlRefs_[e.firstUrl + static_cast<uint32_t>(subCursor_)]);
      ++subCursor_;
      break;
    }
  }
  // Most addresses have neither escape: one pass over the bytes tells.
  bool escapes = false;
  for (char c : url) escapes |= (c == '\\') | (c == '%');
  if (escapes) {
    if (contains(url, "\\/")) url = replaceAll(url, "\\/", "/");
    if (contains(url, "%5C/")) url = replaceAll(url, "%5C/", "/");
  }
  // Read once per page: the setting cannot change while one page's links are read.
  if (trimWhitespace_ < 0) {
    std::optional<Json> trim = defaults_->objectForKey("trimWhitespace");
    trimWhitespace_ = (!trim || defaults_->boolForKey("trimWhitespace")) ? 1 : 0;
  }
  if (trimWhitespace_ && !url.empty()) {
    const char first = url.front(), last = url.back();
    auto trimmable = [](char c) { return c == '\'' || c == '"' || c == ' '; };
    if (trimmable(first) || trimmable(last)) url = std::string(trimChars(url, "'\" "));
  }
  return true;
}

const ZelParser::StoredEntry* ZelParser::entryAtCursor() const {
  if (fileType_ > 0 || cursor_ < 0 || static_cast<size_t>(cursor_) >= entries_.size())
    return nullptr;
  return &entries_[static_cast<size_t>(cursor_)];
}

std::optional<std::string> ZelParser::field(const StoredEntry& e, TextField f) const {
  if (!(e.present & (1u << f))) return std::nullopt;
  return std::string(text(e.texts[f]));
}

std::string ZelParser::getLinkText() const {
  const StoredEntry* e = entryAtCursor();
  if (!e) return std::string();
  if ((e->present & (1u << kLinkText)) && e->texts[kLinkText].length > 0)
    return std::string(text(e->texts[kLinkText]));
  if (e->present & (1u << kAltText)) {
    std::string_view alt = text(e->texts[kAltText]);
    if (contains(alt, "[alt]:")) return std::string(alt);
    return "[alt]: " + std::string(alt);
  }
  return std::string();
}

std::string ZelParser::getRel() const {
  const StoredEntry* e = entryAtCursor();
  return e ? field(*e, kRel).value_or(std::string()) : std::string();
}

std::string ZelParser::getTargetAttr() const {
  const StoredEntry* e = entryAtCursor();
  return e ? field(*e, kTarget).value_or(std::string()) : std::string();
}

std::string ZelParser::getHreflang() const {
  const StoredEntry* e = entryAtCursor();
  return e ? field(*e, kHreflang).value_or(std::string()) : std::string();
}

std::optional<int> ZelParser::getLineNumber() const {
  const StoredEntry* e = entryAtCursor();
  if (!e || e->lineNumber < 0) return std::nullopt;
  return e->lineNumber;
}

LinkEntry ZelParser::getEntry(size_t index) const {
  LinkEntry out;
  if (index >= entries_.size()) return out;
  const StoredEntry& e = entries_[index];
  for (uint32_t i = 0; i < e.urlCount; ++i) out.urls.emplace_back(text(urlRefs_[e.firstUrl + i]));
  if (e.lineNumber >= 0) out.lineNumber = e.lineNumber;
  out.linkText = field(e, kLinkText);
  out.rel = field(e, kRel);
  out.hreflang = field(e, kHreflang);
  out.target = field(e, kTarget);
  out.altText = field(e, kAltText);
  return out;
}

void ZelParser::storeEntry(const LinkEntry& entry) {
  size_t need = 0;
  for (const auto& u : entry.urls) need += u.size();
  for (const auto* t : {&entry.linkText, &entry.rel, &entry.hreflang, &entry.target, &entry.altText})
    if (*t) need += (*t)->size();
  // Offsets are 32-bit; a page that would need more keeps the entries it has.
  if (arena_.size() + need > UINT32_MAX || urlRefs_.size() + entry.urls.size() > UINT32_MAX)
    return;
  auto put = [this](std::string_view s) {
    TextRef r{static_cast<uint32_t>(arena_.size()), static_cast<uint32_t>(s.size())};
    arena_.append(s);
    return r;
  };
  StoredEntry e;
  e.firstUrl = static_cast<uint32_t>(urlRefs_.size());
  e.urlCount = static_cast<uint32_t>(entry.urls.size());
  for (const auto& u : entry.urls) urlRefs_.push_back(put(u));
  e.lineNumber = entry.lineNumber ? *entry.lineNumber : -1;
  const std::optional<std::string>* fields[5] = {&entry.linkText, &entry.rel, &entry.hreflang,
                                                 &entry.target, &entry.altText};
  for (int f = 0; f < 5; ++f) {
    if (!*fields[f]) continue;
    e.present |= static_cast<uint8_t>(1u << f);
    e.texts[f] = put(**fields[f]);
  }
  entries_.push_back(e);
}

void ZelParser::truncateEntries(size_t count) {
  if (count >= entries_.size()) return;
  // Entries of meta tags stay: only the head pass reads meta tags, while the link
  // and script tags of the dropped entries are read again by the body pass.
  size_t kept = count;
  uint32_t nextUrl = entries_[count].firstUrl;
  for (size_t i = count; i < entries_.size(); ++i) {
    StoredEntry e = entries_[i];
    const bool meta = (e.present & (1u << kLinkText)) &&
                      text(e.texts[kLinkText]).rfind("[meta tag:", 0) == 0;
    if (!meta) continue;
    std::copy(urlRefs_.begin() + e.firstUrl, urlRefs_.begin() + e.firstUrl + e.urlCount,
              urlRefs_.begin() + nextUrl);
    e.firstUrl = nextUrl;
    nextUrl += e.urlCount;
    entries_[kept++] = e;
  }
  urlRefs_.resize(nextUrl);
  // The dropped entries' texts stay in the arena unreferenced; they are few.
  entries_.resize(kept);
}

void ZelParser::reset() {
  counter_ = 0;
  decodeText();
  wordCount_ = 0;
}

// --- Entries ----------------------------------------------------------------------------

bool ZelParser::setting(SettingKey key) const { return defaults_->boolForKey(key); }

void ZelParser::addURLToCollection(std::string url) {
  if (isConcatenation(url)) return;
  current_.urls.push_back(std::move(url));
  current_.lineNumber = lineNumber_;
}

void ZelParser::addURLsToCollection(std::vector<std::string> urls) {
  for (const auto& u : urls)
    if (isConcatenation(u)) return;
  for (auto& u : urls) current_.urls.push_back(std::move(u));
  current_.lineNumber = lineNumber_;
}

void ZelParser::addLinkTextToCollection(std::string text) { current_.linkText = std::move(text); }
void ZelParser::addRelToCollection(std::string rel) { current_.rel = std::move(rel); }
void ZelParser::addHreflangToCollection(std::string h) { current_.hreflang = std::move(h); }
void ZelParser::addTargetToCollection(std::string target) { current_.target = std::move(target); }
void ZelParser::addAltTextToCollection(std::string alt) { current_.altText = std::move(alt); }

void ZelParser::addLinkedFileToCollection(std::string url) {
  if (!(scanSettings_ ? scanSettings_->linkedFiles : setting("linkedFiles"))) return;
  addURLToCollection(std::move(url));
  addLinkTextToCollection("[linked file]");
}

void ZelParser::addMetaTagURLoCollection(std::string url, std::string_view name) {
  if (!(scanSettings_ ? scanSettings_->linkedFiles : setting("linkedFiles"))) return;
  addURLToCollection(std::move(url));
  addLinkTextToCollection("[meta tag: " + std::string(name) + "]");
}

void ZelParser::addAudioVideoToCollection(std::vector<std::string> urls) {
  for (auto& u : urls) current_.urls.push_back(std::move(u));
  addLinkTextToCollection("[audio/video]");
}

void ZelParser::addFormActionToCollection(std::string url) {
  if (!(scanSettings_ ? scanSettings_->formActions : setting("formActions"))) return;
  addURLToCollection(std::move(url));
  addLinkTextToCollection("form action");
}

void ZelParser::underlineData() {
  if (!current_.urls.empty()) storeEntry(current_);
  current_.clear();
}

void ZelParser::underlineURLsWithinArea() {
  if (current_.altText) {
    current_.linkText = std::move(current_.altText);
    current_.altText.reset();
  }
  underlineData();
}

void ZelParser::underlineImageWithinAHrefLink() {
  if (current_.urls.size() <= 1) return;
  LinkEntry image;
  image.urls.assign(std::make_move_iterator(current_.urls.begin() + 1),
                    std::make_move_iterator(current_.urls.end()));
  current_.urls.resize(1);
  image.altText = current_.altText ? std::move(current_.altText) : std::string("[alt]:");
  current_.altText.reset();
  storeEntry(image);
}

// --- Warnings ---------------------------------------------------------------------------

void ZelParser::addWarning(std::string warning) {
  bool enabled =
      scanSettings_ ? scanSettings_->htmlValidationEnabled : setting("htmlValidationEnabled");
  if (!enabled) return;
  if (!warnings_) {
    warnings_.emplace();
    warnings_->reserve(6);
  }
  warnings_->push_back(std::move(warning));
}

void ZelParser::addWarnings(const std::vector<std::string>& warnings) {
  for (const auto& w : warnings) addWarning(w);
}

// --- Text, refresh and srcset operations --------------------------------------------------

std::optional<std::string> ZelParser::extractCharsetFromHTML(std::string_view data) {
  return zel::extractCharsetFromHTML(data);
}

TextEncoding ZelParser::encodingForCharset(std::string_view charset) {
  return zel::encodingForCharset(charset);
}

std::string ZelParser::unescapedStringFromBuffer(std::string_view bytes,
                                                 bool returnsAreSeparators) const {
  return zel::unescapedStringFromBuffer(bytes, useEncoding_, returnsAreSeparators, log_);
}

std::string ZelParser::unescapeEntities(std::string_view text) { return zel::unescapeEntities(text); }

std::string ZelParser::gtm_stringByUnescapingFromHTML(std::string_view text) {
  return zel::stringByUnescapingFromHTML(text);
}

void ZelParser::trimThisCharacter(char c, std::string& url) { zel::trimThisCharacter(c, url); }

bool ZelParser::pageIsMetaRefresh(std::string_view data, Log* log) {
  return zel::pageIsMetaRefresh(data, log);
}

bool ZelParser::metaRefreshURLat(uint64_t position, std::string_view data) {
  return zel::metaRefreshURLat(position, data);
}

std::optional<std::string> ZelParser::pullOutMetaRefreshUrl(std::string_view data) const {
  return zel::pullOutMetaRefreshUrl(data, log_);
}

std::vector<std::string> ZelParser::splitSrcsFromSrcset(std::string_view value) {
  SrcsetUrls r = zel::splitSrcsFromSrcset(value);
  if (r.hangingComma)
    addWarning(strf("srcset value has a hanging comma (empty image-candidate string) within "
                    "srcset at line %i/%i.",
                    lineNumber_, static_cast<int>(bytesRead_)));
  return std::move(r.urls);
}

std::optional<std::vector<std::string>> ZelParser::extractURLsFromInlineStyles(
    std::string_view style) {
  return zel::extractURLsFromInlineStyles(style);
}

std::optional<TextRange> ZelParser::firstURLOccurrenceInStyleSheetSource(std::string_view style,
                                                                         size_t from) {
  return zel::firstURLOccurrenceInStyleSheetSource(style, from);
}

bool ZelParser::array(const std::vector<std::string>& list, std::string_view text) {
  return arrayContainsString(list, text);
}

// --- Lines ------------------------------------------------------------------------------

namespace {

// Number of LF bytes in [p, end), eight bytes at a time.
size_t countLineFeedsByWord(const char* p, const char* end) {
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
  constexpr uint64_t kLF = 0x0A0A0A0A0A0A0A0Aull;
  size_t n = 0;
  while (end - p >= 8) {
    uint64_t w;
    std::memcpy(&w, p, 8);
    uint64_t x = w ^ kLF;  // bytes equal to LF become zero
    uint64_t zeros = ~(((x & kLow7) + kLow7) | x | kLow7);
    n += static_cast<size_t>(((zeros >> 7) * 0x0101010101010101ull) >> 56);
    p += 8;
  }
  for (; p < end; ++p) n += *p == '\n';
  return n;
}

// Number of LF bytes in [p, end), sixteen or eight bytes at a time.
size_t countLineFeeds(const char* p, const char* end) {
  size_t n = 0;
#if defined(__SSE2__)
  const __m128i lf = _mm_set1_epi8('\n');
  while (end - p >= 16) {
    // Per-byte counters (each compare gives -1 for a match), summed before they
    // can overflow.
    __m128i counts = _mm_setzero_si128();
    for (int k = 0; k < 255 && end - p >= 16; ++k, p += 16)
      counts = _mm_sub_epi8(
          counts, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), lf));
    __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
    n += static_cast<size_t>(_mm_cvtsi128_si32(sums)) +
         static_cast<size_t>(_mm_extract_epi16(sums, 4));
  }
#endif
  n += countLineFeedsByWord(p, end);
  return n;
}

}  // namespace

namespace {

// Line ends in [b, e) of `d`: every LF, and every CR not followed by LF.
size_t lineEnds(std::string_view d, size_t b, size_t e) {
  size_t lines = countLineFeeds(d.data() + b, d.data() + e);
  for (size_t i = b; i < e;) {
    const void* cr = std::memchr(d.data() + i, '\r', e - i);
    if (!cr) break;
    i = static_cast<size_t>(static_cast<const char*>(cr) - d.data());
    if (i + 1 >= d.size() || d[i + 1] != '\n') ++lines;
    ++i;
  }
  return lines;
}

}  // namespace

int ZelParser::lineNumberAt(size_t offset) {
  const std::string_view d = page_;
  if (offset > d.size()) offset = d.size();
  if (offset < linePos_) {
    // A short step back (a position inside the value just read) counts back;
    // a long one counts again from the start.
    if (linePos_ - offset < offset) {
      lineAtPos_ -= static_cast<int>(lineEnds(d, offset, linePos_));
      linePos_ = offset;
      return lineAtPos_;
    }
    linePos_ = 0;
    lineAtPos_ = 1;
  }
  lineAtPos_ += static_cast<int>(lineEnds(d, linePos_, offset));
  linePos_ = offset;
  return lineAtPos_;
}

}  // namespace zel
