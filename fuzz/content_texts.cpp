// The content analyses' readers of untrusted text on arbitrary bytes, chosen by
// the first byte: a CSS selector (the translation must compile as XPath); a page
// read with its main text kept for the signature and readability (its words split
// as ICU splits them); a page read by XPath and CSS extraction; a page's
// structured data, as markup and as the body of a JSON-LD script. None may
// crash, hang or leak.
#include <libxml/xpath.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "audit/css_to_xpath.h"
#include "audit/field_extractor.h"
#include "audit/min_hash.h"
#include "audit/readability.h"
#include "audit/structured_data.h"
#include "audit/text_units.h"
#include "parser/markup_facts_gatherer.h"
#include "parser/zel_parser.h"
#include "platform/defaults.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (data[0] % 5) {
    case 0: {
      zel::audit::CssTranslation t;
      if (zel::audit::cssToXpath(text, t).ok()) {
        xmlXPathCompExprPtr e = xmlXPathCompile(reinterpret_cast<const xmlChar*>(t.xpath.c_str()));
        if (!e && t.xpath.find('\0') == std::string::npos)
          std::abort();  // a translation must compile
        xmlXPathFreeCompExpr(e);
      }
      break;
    }
    case 1: {
      zel::MemoryDefaults d;
      zel::MarkupFactsGatherer gatherer;
      gatherer.keepMainText();
      auto parser = zel::ZelParser::initWithData(text, true, false, zel::encoding::kUTF8,
                                                 zel::kFileTypeHTML, true, d, nullptr, &gatherer);
      const std::string main = gatherer.mainText();
      const zel::audit::TextUnits units = zel::audit::textUnits(main);
      // ASCII texts are split without ICU: the result must be ICU's.
      const zel::audit::TextUnits icu = zel::audit::icuTextUnits(main);
      if (units.words != icu.words || units.sentenceWords != icu.sentenceWords) std::abort();
      const auto sig = zel::audit::minHashSignature(units.words);
      if (sig && zel::audit::estimatedSimilarity(*sig, *sig) != 1.0) std::abort();
      static const zel::audit::SyllableCounter syllables;
      (void)zel::audit::readabilityOf(units, syllables);
      break;
    }
    case 3:
      (void)zel::audit::structuredFactsOf(text);
      break;
    case 4:
      (void)zel::audit::structuredFactsOf("<script type=\"application/ld+json\">" +
                                          std::string(text) + "</script>");
      break;
    default: {
      static std::unique_ptr<zel::audit::FieldExtractor> extractor = [] {
        std::unique_ptr<zel::audit::FieldExtractor> x;
        (void)zel::audit::FieldExtractor::make(
            {"xpath://a/@href", "css:div.a > p:nth-child(2)", "regex:<(h[1-6])>"}, x);
        return x;
      }();
      (void)extractor->extract(text);
      break;
    }
  }
  return 0;
}
