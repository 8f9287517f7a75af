#pragma once
// What the content analyses read of one page's bytes on the scan worker, so
// that the page's body need not be kept: the matches of the user's searches,
// the values of the user's extractions, the MinHash signature of the page's
// main text and its readability. Made by a PageContentReader.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class MarkupFactsGatherer;
class ZelParser;

struct Readability {
  bool scored = false;  // English; other languages are "not scored"
  float fleschReadingEase = 0;
  float wordsPerSentence = 0;
};

// A MinHash signature: the lowest byte of each of its 128 values (b-bit MinHash),
// so that a big site's signatures cost 128 bytes a page.
inline constexpr size_t kSignatureValues = 128;
using Signature = std::array<uint8_t, kSignatureValues>;

// The structured data of a page, as the audit keeps it once the bytes are gone.
struct StructuredFacts {
  uint8_t formats = 0;             // 1 JSON-LD, 2 microdata, 4 RDFa Lite
  std::vector<std::string> types;  // the top-level items' types, each once, in order
  std::vector<std::string> parseErrors, errors, warnings;
};

// What the user's searches and extractions found on a page.
struct PageReadings {
  std::vector<uint32_t> searchMatches;              // by search, as given
  std::vector<std::vector<std::string>> extracted;  // by extraction, every match in order
};

// Kept for every page of a big site: what most crawls do not ask for is
// behind a pointer.
struct PageContent {
  // Null: too little main text. Whoever keeps pages' content to the crawl's end
  // may keep the signatures apart, all in one array (the session does).
  std::unique_ptr<Signature> signature;
  std::optional<Readability> readability;  // absent when the analyses are off
  // Null when no search or extraction was asked for.
  std::unique_ptr<PageReadings> readings;
  // Null when the page carries none (or the analyses are off).
  std::unique_ptr<StructuredFacts> structured;

  const std::vector<uint32_t>& searchMatches() const {
    return readings ? readings->searchMatches : none().searchMatches;
  }
  const std::vector<std::vector<std::string>>& extracted() const {
    return readings ? readings->extracted : none().extracted;
  }
  PageReadings& readingsToFill() {
    if (!readings) readings = std::make_unique<PageReadings>();
    return *readings;
  }

 private:
  static const PageReadings& none() {
    static const PageReadings empty;
    return empty;
  }
};

// What a reader is handed: the page's bytes, its visible text as the parser
// decoded it, its main text (without nav, header, footer and aside) and its lang.
struct PageText {
  std::string_view body;
  std::string_view visibleText;
  std::string_view mainText;
  std::string_view lang;
  // Whether the scan saw an itemscope, typeof or ld+json attribute, the marks of
  // structured data; unknown when the page was not scanned.
  std::optional<bool> structuredMarks;
};

// Called on scan workers, several pages at once: read() must be safe to call
// from any thread.
class PageContentReader {
 public:
  virtual ~PageContentReader() = default;
  virtual bool wantsMainText() const = 0;
  // Whether read() looks at the visible text (searches of the text rather than the source).
  virtual bool wantsVisibleText() const { return true; }
  virtual std::unique_ptr<PageContent> read(const PageText& page) const = 0;
};

// Hands the reader a scanned page: its bytes, the parser's visible text and the
// gatherer's main text and lang.
std::unique_ptr<PageContent> readPageContent(const PageContentReader& reader, std::string_view body,
                                             const ZelParser& parser,
                                             const MarkupFactsGatherer& gatherer);

// What a reader needs of a scanned page, taken from its parser and gatherer so
// that they can go before the page is read: the bytes stay alive through the
// record's shared body, the texts are moved or copied out (the visible text only
// when the reader looks at it), the main text still as the scan gathered it.
struct PageTextCopy {
  std::shared_ptr<const std::string> body;
  std::string visibleText;
  std::string gatheredMainText;  // entities and white space as in the source
  std::string lang;
  std::optional<bool> structuredMarks;
  size_t bytes() const {
    return (body ? body->size() : 0) + visibleText.size() + gatheredMainText.size() + lang.size();
  }
};
// Takes the gatherer's main text; the gatherer's facts stay.
PageTextCopy copyPageText(const PageContentReader& reader, std::shared_ptr<const std::string> body,
                          const ZelParser& parser, MarkupFactsGatherer& gatherer);
std::unique_ptr<PageContent> readPageContent(const PageContentReader& reader,
                                             const PageTextCopy& page);

}  // namespace zel
