#pragma once
// ZelParser: the page scanner. One forward byte scan of a fetched page (a head pass
// that stops at the opening body tag, then a body pass) turns it into link entries
// in document order; link extraction then reads them one URL at a time through
// getNextHref and the getters that describe the URL last returned.
//
// Besides HTML, a parser reads XML sitemaps (every "loc" element) and plain lists
// of URLs; those are read lazily, one URL per getNextHref call.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "parser/link_entry.h"
#include "parser/link_source.h"
#include "parser/scan_collector.h"
#include "parser/srcset.h"
#include "parser/zel_xml_tag.h"
#include "platform/defaults.h"
#include "platform/spell_checker.h"
#include "platform/text_codec.h"

namespace zel {

class Defaults;
class Log;
class UrlLoader;
class HtmlScanner;
class PageFactsCollector;
struct ScanSettings;

// One meta tag of a page's head: "content" and, when present and not empty,
// "name", "itemprop" and "property".
using MetaTag = std::map<std::string, std::string>;

// File types of a parser. Any positive value other than kFileTypeXML is a plain
// list of URLs; kFileTypeCommaList also splits at commas.
inline constexpr int kFileTypeHTML = 0;
inline constexpr int kFileTypeTextList = 1;
inline constexpr int kFileTypeCommaList = 2;
inline constexpr int kFileTypeXML = 4;

// Byte caps of captured values; longer values are cut there.
inline constexpr size_t kUrlValueCap = 4998;   // href and src values of the body, script src
inline constexpr size_t kTextValueCap = 998;   // link href, base, canonical, rel, target, alt, text
inline constexpr size_t kHreflangCap = 98;

class ZelParser : public LinkSource {
 public:
  // Scans `data` and returns the parser, or nullptr ("no parser") when the data is
  // empty or, without allowNoLinks, an HTML page shows none of the link markers.
  // `useEncoding` is replaced by the page's declared charset when it maps to an
  // encoding. `checkNoIndex` is accepted for the callers' sake and not used. The
  // settings are read from `defaults`, which must outlive the parser; `log` may be
  // null. An optional `collector` observes the scan (it is not kept afterwards).
  static std::unique_ptr<ZelParser> initWithData(std::string_view data, bool withSEO,
                                                 bool checkNoIndex, TextEncoding useEncoding,
                                                 int fileType, bool allowNoLinks,
                                                 const Defaults& defaults, Log* log,
                                                 ScanCollector* collector = nullptr);
  // The same with allowNoLinks false.
  static std::unique_ptr<ZelParser> initWithData(std::string_view data, bool withSEO,
                                                 bool checkNoIndex, TextEncoding useEncoding,
                                                 int fileType, const Defaults& defaults,
                                                 Log* log);
  // Fetches the page synchronously (GET, 60 s, the configured user agent) and parses
  // it when it is HTML or not an HTTP response. nullptr for documents, media and
  // archives (by extension), other content types and failed fetches.
  static std::unique_ptr<ZelParser> initWithUrl(std::string_view url, UrlLoader& loader,
                                                const Defaults& defaults, Log* log);

  ZelParser(const ZelParser&) = delete;
  ZelParser& operator=(const ZelParser&) = delete;
  ~ZelParser();

  // --- Iteration protocol ----------------------------------------------------------
  // The next URL, cleaned ("\/" and "%5C/" become "/"; quotes and spaces trimmed
  // unless the setting trimWhitespace is present and false), or nullopt at the end.
  std::optional<std::string> getNextHref() override;
  bool nextHrefInto(std::string& url) override;
  // These describe the entry of the URL last returned; they do not move the position.
  std::string getLinkText() const override;
  std::string getRel() const override;
  std::string getTargetAttr() const override;
  std::string getHreflang() const override;
  std::optional<int> getLineNumber() const override;

  std::optional<std::string> getBaseHref() const override { return codebase_; }
  const std::string& getCanonical() const override { return canonical_; }
  bool isMetaRefresh() const { return metaRefreshURL_.has_value(); }
  const std::optional<std::string>& getMetaRefreshURL() const { return metaRefreshURL_; }
  int64_t getLength() const override { return l_; }
  int64_t getFileSize() const override { return l_; }
  int getFileType() const { return fileType_; }
  TextEncoding getUseEncoding() const { return useEncoding_; }
  bool getSEOOn() const { return seoOn_; }
  // Sets the read position and the word count back to 0 (it does not rewind the
  // iteration of link entries).
  void reset();
  // Switches to XML sitemap mode. Only a parser made for a sitemap or a URL list
  // keeps its bytes to read; one that scanned an HTML page has nothing left to offer.
  void setXMLMode() { fileType_ = kFileTypeXML; }

  // The entries found, in document order of completion.
  size_t getCollectionCount() const { return entries_.size(); }
  LinkEntry getEntry(size_t index) const;

  // --- Warnings (stored only when the setting htmlValidationEnabled is true) -------
  void addWarning(std::string warning);
  void addWarnings(const std::vector<std::string>& warnings);
  const std::optional<std::vector<std::string>>& getWarnings() const { return warnings_; }

  // --- Page text and metadata ---------------------------------------------------------
  const std::string& getTitle() const override { return metatitle_; }
  // The head's meta tags with content and a name, itemprop or property (SEO only);
  // absent when the page was not scanned.
  const std::optional<std::vector<MetaTag>>& getMetaData() const { return metaTags_; }
  bool getHeadContainsNoindex() const { return headContainsNoIndex_; }
  bool getHeadContainsNofollow() const override { return headContainsNoFollow_; }
  // The text is decoded, and its words counted, when first asked for.
  const std::string& getTextContent() const;
  int64_t getWordCount() const override;
  // Headings h1 to h6 (SEO only), each preceded by one tab per level below 1;
  // absent when there is none.
  const std::optional<std::vector<std::string>>& getHeadings() const override {
    return headingCollection_;
  }
  // Anchor names and element ids (only with the setting dontTrimHash).
  const std::optional<std::vector<std::string>>& getNames() const { return names_; }
  void addHeadingToCollection(std::string_view text, int level);
  void addNameToCollection(std::string name);
  // Pieces of the text between white space and line breaks.
  static int64_t countWords(std::string_view text);
  // Whether one word of the text (longer than two characters, not a common word)
  // occurs more often than maxKeywordDensity percent (4 when unset) of its words.
  bool isKeywordStuffed() const;
  // A flagged word that is an address, a file name or not a word of a language.
  static bool isWebAddress(std::string_view word);

  // Spelling and grammar of the text, through the checker given with
  // setSpellChecker or else the process's shared checker. Without a checker the
  // counts are 0 and nothing is found. Ranges are byte ranges of getTextContent.
  void setSpellChecker(SpellChecker* checker) { spellChecker_ = checker; }
  int64_t getSpellingCount();
  TextSpan getFirstSpelling();
  TextSpan getNextSpelling();
  std::vector<std::string> getAllSpelling();
  int64_t getGrammarCount();
  TextSpan getFirstGrammar();
  TextSpan getNextGrammar();
  const std::optional<std::vector<std::string>>& getGrammarDetails() const {
    return grammarDetails_;
  }
  void spellingCursorBackTo(TextSpan range);

  // --- Building entries (all act on the entry under construction) -------------------
  void addURLToCollection(std::string url);
  void addURLsToCollection(std::vector<std::string> urls);
  void addLinkTextToCollection(std::string text);
  void addRelToCollection(std::string rel);
  void addHreflangToCollection(std::string hreflang);
  void addTargetToCollection(std::string target);
  void addAltTextToCollection(std::string alt);
  void addLinkedFileToCollection(std::string url);
  void addMetaTagURLoCollection(std::string url, std::string_view name);
  void addAudioVideoToCollection(std::vector<std::string> urls);
  void addFormActionToCollection(std::string url);
  void underlineData();
  void underlineURLsWithinArea();
  void underlineImageWithinAHrefLink();
  const LinkEntry& currentEntry() const { return current_; }

  // --- Text of captured values -------------------------------------------------------
  static std::optional<std::string> extractCharsetFromHTML(std::string_view data);
  static TextEncoding encodingForCharset(std::string_view charset);
  std::string unescapedStringFromBuffer(std::string_view bytes,
                                        bool returnsAreSeparators = false) const;
  std::string unescapedStringFromBufferForTextContent(std::string_view bytes) const {
    return unescapedStringFromBuffer(bytes, true);
  }
  static std::string unescapeEntities(std::string_view text);
  static std::string gtm_stringByUnescapingFromHTML(std::string_view text);
  static void trimThisCharacter(char c, std::string& url);

  // --- Meta refresh ------------------------------------------------------------------
  static bool pageIsMetaRefresh(std::string_view data, Log* log = nullptr);
  static bool metaRefreshURLat(uint64_t position, std::string_view data);
  std::optional<std::string> pullOutMetaRefreshUrl(std::string_view data) const;

  // --- srcset and inline styles --------------------------------------------------------
  // The srcset's URLs; a hanging comma adds a warning with the current position.
  std::vector<std::string> splitSrcsFromSrcset(std::string_view value);
  static std::optional<std::vector<std::string>> extractURLsFromInlineStyles(
      std::string_view style);
  static std::optional<TextRange> firstURLOccurrenceInStyleSheetSource(std::string_view style,
                                                                       size_t from);
  static bool array(const std::vector<std::string>& list, std::string_view text);

  // --- Sitemaps and URL lists (read lazily from the read position) --------------------
  std::optional<std::string> getNextXml();
  std::optional<std::string> getNextHttp();
  bool moveIntoNextTag();
  std::optional<ZelXmlTag> getTag(bool alreadyInsideTag);
  std::optional<std::string> getLoc();

  // --- Scan position, for collectors ---------------------------------------------------
  // Line of the byte at `offset` (1-based): every LF, and every CR not followed by
  // LF, ends a line. Valid while the page data is available (during the scan).
  int lineNumberAt(size_t offset);
  const Defaults& defaults() const { return *defaults_; }
  Log* log() const { return log_; }

 private:
  friend class HtmlScanner;
  friend class PageFactsCollector;
  ZelParser(const Defaults& defaults, Log* log) : defaults_(&defaults), log_(log) {}

  bool readByte();  // the next byte into aBuffer_; false at the end
  // Whether the byte in aBuffer_ is the first non-blank one of its line.
  bool tokenStartsLine() const;
  void logLine(int level, const std::string& line) const;
  bool setting(SettingKey key) const;

  const Defaults* defaults_;
  Log* log_;

  // The page. In the lazy modes the parser keeps its own copy; for HTML only the
  // scan needs it, so `page_` points at the caller's bytes until construction ends.
  std::string ownedData_;
  std::string_view page_;
  int64_t l_ = 0;
  int fileType_ = kFileTypeHTML;
  bool seoOn_ = false;
  TextEncoding useEncoding_ = encoding::kNone;
  std::optional<std::string> metaRefreshURL_;

  // Closed entries are kept compactly: their texts live in one arena, so that a
  // page's entries cost a few growing buffers rather than several allocations each.
  struct TextRef {
    uint32_t offset = 0;
    uint32_t length = 0;
  };
  struct StoredEntry {
    uint32_t firstUrl = 0;  // index into urlRefs_
    uint32_t urlCount = 0;
    int32_t lineNumber = -1;  // -1: none
    uint8_t present = 0;      // which of the texts below are set
    TextRef texts[5];         // linkText, rel, hreflang, target, altText
  };
  enum TextField { kLinkText, kRel, kHreflang, kTarget, kAltText };
  void storeEntry(const LinkEntry& entry);
  // The entry buffers of the last parser destroyed on this thread are kept for the
  // next one: pages come one after another, and reusing warm buffers spares the
  // allocator (and the system) a round trip per page.
  struct Spare;
  static Spare& spare();
  void adoptSpareBuffers(size_t pageSize);
  void releaseBuffers();
  void truncateEntries(size_t count);
  std::string_view text(TextRef r) const { return std::string_view(arena_).substr(r.offset, r.length); }
  std::optional<std::string> field(const StoredEntry& e, TextField f) const;
  const StoredEntry* entryAtCursor() const;

  std::vector<StoredEntry> entries_;
  std::vector<TextRef> urlRefs_;
  std::string arena_;
  LinkEntry current_;
  int cursor_ = 0;
  int subCursor_ = 0;
  int lineNumber_ = 1;  // line of the byte being scanned, for entries and warnings
  size_t bytesRead_ = 0;  // bytes read when the current byte was reached

  std::string canonical_;
  std::optional<std::string> codebase_;
  std::optional<std::vector<std::string>> warnings_;
  std::string metatitle_;
  std::optional<std::vector<MetaTag>> metaTags_;
  bool headContainsNoIndex_ = false;
  bool headContainsNoFollow_ = false;
  // The page text as captured (bytes of the page) until it is first read.
  mutable std::string rawText_;
  mutable bool textDecoded_ = true;
  mutable std::string textContent_;
  mutable int64_t wordCount_ = 0;
  void decodeText() const;
  std::optional<std::vector<std::string>> headingCollection_;
  std::optional<std::vector<std::string>> names_;
  SpellChecker* spellChecker_ = nullptr;
  size_t spellingCursor_ = 0;
  std::optional<std::vector<std::string>> grammarDetails_;
  SpellChecker* checker() const { return spellChecker_ ? spellChecker_ : SpellChecker::shared(); }
  TextSpan nextSpelling();

  // The settings of the scan in progress (entry operations read them from here
  // during a scan, from the settings store otherwise).
  const ScanSettings* scanSettings_ = nullptr;

  // Lazy readers' position (sitemap and URL-list modes).
  size_t counter_ = 0;
  unsigned char aBuffer_ = 0;
  unsigned char previousaBuffer_ = 0;
  bool isScriptOrComment_ = false;
  size_t lastTagPassed_ = 0;

  int trimWhitespace_ = -1;  // the setting, read on the first getNextHref

  // Line counting by position, moving forward from the last query.
  size_t linePos_ = 0;
  int lineAtPos_ = 1;
};

}  // namespace zel
