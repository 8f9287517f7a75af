// ZelParser: construction, the iteration protocol and its getters, the operations
// that build link entries, and warnings.
#include "parser/zel_parser.h"

#include <cstring>

#include "parser/entities.h"
#include "parser/html_scanner.h"
#include "parser/meta_refresh.h"
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

ZelParser::~ZelParser() = default;

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
  p->collection_.reserve(16);
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
    p->page_ = data;
    HtmlScanner scanner(*p, collector);
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
  if (fileType_ == kFileTypeXML) return getNextXml();
  if (fileType_ > 0) return getNextHttp();
  std::string url;
  if (metaRefreshURL_) {
    if (cursor_ != 0) return std::nullopt;
    cursor_ = 1;
    url = *metaRefreshURL_;
  } else {
    while (true) {
      if (cursor_ < 0 || static_cast<size_t>(cursor_) >= collection_.size()) return std::nullopt;
      const LinkEntry& e = collection_[static_cast<size_t>(cursor_)];
      if (static_cast<size_t>(subCursor_) >= e.urls.size()) {
        ++cursor_;
        subCursor_ = 0;
        continue;
      }
      url = e.urls[static_cast<size_t>(subCursor_)];
      ++subCursor_;
      break;
    }
  }
  if (contains(url, "\\/")) url = replaceAll(url, "\\/", "/");
  if (contains(url, "%5C/")) url = replaceAll(url, "%5C/", "/");
  std::optional<Json> trim = defaults_->objectForKey("trimWhitespace");
  if (!trim || defaults_->boolForKey("trimWhitespace")) url = std::string(trimChars(url, "'\" "));
  return url;
}

const LinkEntry* ZelParser::entryAtCursor() const {
  if (fileType_ > 0 || cursor_ < 0 || static_cast<size_t>(cursor_) >= collection_.size())
    return nullptr;
  return &collection_[static_cast<size_t>(cursor_)];
}

std::string ZelParser::getLinkText() const {
  const LinkEntry* e = entryAtCursor();
  if (!e) return std::string();
  if (e->linkText && !e->linkText->empty()) return *e->linkText;
  if (e->altText) {
    if (contains(*e->altText, "[alt]:")) return *e->altText;
    return "[alt]: " + *e->altText;
  }
  return std::string();
}

std::string ZelParser::getRel() const {
  const LinkEntry* e = entryAtCursor();
  return e && e->rel ? *e->rel : std::string();
}

std::string ZelParser::getTargetAttr() const {
  const LinkEntry* e = entryAtCursor();
  return e && e->target ? *e->target : std::string();
}

std::string ZelParser::getHreflang() const {
  const LinkEntry* e = entryAtCursor();
  return e && e->hreflang ? *e->hreflang : std::string();
}

std::optional<int> ZelParser::getLineNumber() const {
  const LinkEntry* e = entryAtCursor();
  return e ? e->lineNumber : std::nullopt;
}

void ZelParser::reset() { counter_ = 0; }

// --- Entries ----------------------------------------------------------------------------

bool ZelParser::setting(std::string_view key) const { return defaults_->boolForKey(key); }

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
  if (!current_.urls.empty()) collection_.push_back(std::move(current_));
  current_ = LinkEntry();
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
  collection_.push_back(std::move(image));
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

int ZelParser::lineNumberAt(size_t offset) {
  const std::string_view d = page_;
  if (offset > d.size()) offset = d.size();
  if (offset < linePos_) {
    linePos_ = 0;
    lineAtPos_ = 1;
  }
  // A line ends at every LF and at every CR not followed by LF.
  int lines = 0;
  size_t i = linePos_;
  size_t safe = offset < d.size() ? offset : (d.empty() ? 0 : d.size() - 1);
  for (; i < safe; ++i)
    lines += (d[i] == '\n') | (d[i] == '\r' && d[i + 1] != '\n');
  for (; i < offset; ++i) lines += (d[i] == '\n') | (d[i] == '\r');
  lineAtPos_ += lines;
  linePos_ = offset;
  return lineAtPos_;
}

}  // namespace zel
