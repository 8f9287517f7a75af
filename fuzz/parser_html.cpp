// The HTML scanner on arbitrary bytes, with the settings that add links chosen by
// the first byte: the scan, the iteration protocol and every getter never crash,
// hang or leak; and the text operations it uses hold their properties. With the
// SEO bit set, the page-text settings come from the second byte too, and the page
// facts, keyword stuffing and a spelling walk are read.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "parser/entities.h"
#include "parser/meta_refresh.h"
#include "parser/srcset.h"
#include "parser/text_encoding.h"
#include "parser/zel_parser.h"
#include "platform/defaults.h"

namespace {

// Asks for line numbers at every event, so that their counting is exercised in
// every order the scan can produce.
// Flags every word with an odd length, so that spelling walks have findings.
class OddWords : public zel::SpellChecker {
 public:
  zel::TextSpan checkSpelling(std::string_view text, size_t from) override {
    zel::TextSpan found;
    zel::forEachWord(text, from, [&](size_t at, size_t n) {
      if (n % 2 == 0) return true;
      found = {at, n};
      return false;
    });
    return found;
  }
};

class Probe : public zel::ScanCollector {
 public:
  void tagOpened(zel::ZelParser& p, const zel::TagEvent& t) override {
    sum += static_cast<size_t>(p.lineNumberAt(t.start)) + t.name.size();
  }
  void attribute(zel::ZelParser& p, const zel::TagEvent&, std::string_view name, bool,
                 std::string_view value, char, zel::ValueEnd, size_t end, bool) override {
    sum += static_cast<size_t>(p.lineNumberAt(end)) + name.size() + value.size();
  }
  void text(zel::ZelParser&, std::string_view run, size_t, bool) override { sum += run.size(); }
  void scanEvent(zel::ZelParser& p, zel::ScanEvent, const zel::ScanEventInfo& info) override {
    sum += static_cast<size_t>(p.lineNumberAt(info.offset)) + p.currentEntry().urls.size();
  }
  size_t sum = 0;
};

const zel::TextEncoding kEncodings[] = {
    zel::encoding::kNone,      zel::encoding::kUTF8,           zel::encoding::kISOLatin1,
    zel::encoding::kShiftJIS,  zel::encoding::kWindowsCP1252,  zel::encoding::kUTF16,
    zel::encoding::kHZ_GB_2312, zel::encoding::kBig5,          zel::encoding::kASCII};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const uint8_t flags = data[0];
  const uint8_t choice = data[1];
  const std::string_view page(reinterpret_cast<const char*>(data + 2), size - 2);

  zel::MemoryDefaults d;
  const char* keys[] = {"checkImages", "linkedFiles", "formActions", "lookForLazyLoadImageURLs",
                        "aggressiveSRCSearch", "searchMetaDataForURLs", "htmlValidationEnabled"};
  for (int i = 0; i < 7; ++i)
    if (flags & (1u << i)) d.setBool(keys[i], true);
  if (flags & 0x80) d.setBool("trimWhitespace", false);
  const bool seo = choice & 0x80;
  if (seo) {
    // Validation and the content settings ride on the bits of the encoding choice.
    const char* content[] = {"parserContentConsolidateWhitespace", "parserContentOnlyParas",
                             "parserContentIgnoreNav", "parserContentIgnoreHeader",
                             "parserContentIncludeAltText", "dontTrimHash"};
    for (int i = 0; i < 6; ++i)
      if (choice & (1u << i)) d.setBool(content[i], true);
    d.setBool("htmlValidationEnabled", true);
    d.setInteger("headingLevelMax", choice & 7);
  }
  const bool allowNoLinks = choice & 0x40;
  const zel::TextEncoding enc = kEncodings[(choice & 0x3F) % std::size(kEncodings)];

  Probe probe;
  auto parser = zel::ZelParser::initWithData(page, seo, false, enc, zel::kFileTypeHTML,
                                             allowNoLinks, d, nullptr, &probe);
  if (parser) {
    size_t count = 0;
    while (auto url = parser->getNextHref()) {
      probe.sum += url->size() + parser->getLinkText().size() + parser->getRel().size() +
                   parser->getTargetAttr().size() + parser->getHreflang().size();
      (void)parser->getLineNumber();
      // Every URL takes at least a byte of the page.
      if (++count > page.size() + 1) abort();
    }
    (void)parser->getCanonical();
    if (seo) {
      const std::string& text = parser->getTextContent();
      const int64_t words = parser->getWordCount();
      if (words < 0 || static_cast<size_t>(words) > text.size()) abort();
      probe.sum += parser->getTitle().size() + (parser->getHeadings() ? parser->getHeadings()->size() : 0) +
                   (parser->getNames() ? parser->getNames()->size() : 0) +
                   (parser->getMetaData() ? parser->getMetaData()->size() : 0) +
                   (parser->getWarnings() ? parser->getWarnings()->size() : 0);
      probe.sum += parser->isKeywordStuffed() + parser->getHeadContainsNoindex();
      OddWords checker;
      parser->setSpellChecker(&checker);
      const int64_t misspelt = parser->getSpellingCount();
      if (misspelt < 0 || static_cast<size_t>(misspelt) > text.size()) abort();
      if (parser->getAllSpelling().size() > static_cast<size_t>(misspelt)) abort();
      (void)parser->getGrammarCount();
    }
    (void)parser->getBaseHref();
    for (size_t i = 0; i < parser->getCollectionCount(); ++i) (void)parser->getEntry(i);
  }

  // The pieces the scanner builds on, on the same bytes.
  (void)zel::pageIsMetaRefresh(page);
  if (auto cs = zel::extractCharsetFromHTML(page)) (void)zel::encodingForCharset(*cs);
  (void)zel::splitSrcsFromSrcset(page);
  (void)zel::extractURLsFromInlineStyles(page);
  (void)zel::unescapedStringFromBuffer(page, enc, choice & 1, nullptr);
  // The quick forward path for named references must agree with the exact one.
  if (zel::unescapeEntities(page) != zel::stringByUnescapingFromHTML(page)) abort();
  return 0;
}
