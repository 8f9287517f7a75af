// The site audit's readers of untrusted text on arbitrary bytes, chosen by the
// first byte: a page's markup facts (gathered in the scan), a sitemap file
// (compressed or not), a Link header, an hreflang value. None may crash, hang or
// leak, and each keeps its bounds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "audit/hreflang_code.h"
#include "audit/link_header.h"
#include "audit/sitemap_reader.h"
#include "parser/markup_facts_gatherer.h"
#include "parser/zel_parser.h"
#include "platform/defaults.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (data[0] % 4) {
    case 0: {
      zel::MemoryDefaults d;
      d.setBool("checkImages", true);
      d.setBool("linkedFiles", true);
      zel::MarkupFactsGatherer gatherer;
      auto parser = zel::ZelParser::initWithData(text, true, false, zel::encoding::kUTF8,
                                                 zel::kFileTypeHTML, true, d, nullptr, &gatherer);
      const zel::MarkupFacts facts = gatherer.take();
      if (facts.spots)
        for (int k = 0; k < zel::MarkupFacts::kSpotKinds; ++k)
          if (facts.spots->first(static_cast<zel::MarkupFacts::SpotKind>(k)).size() >
              zel::MarkupFacts::kMaxSpots)
            abort();
      // The compact form read back into facts kept from earlier inputs, as the
      // audit reads page after page; and the raw bytes read as such a form.
      static zel::MarkupFacts reused;
      std::string bytes;
      zel::encodeMarkupFacts(facts, bytes);
      if (!zel::decodeMarkupFactsInto(bytes, reused) || reused.textHash != facts.textHash ||
          reused.robots != facts.robots || reused.canonicals != facts.canonicals ||
          reused.lang != facts.lang || !reused.spots != !facts.spots ||
          (facts.spots && reused.spots->kept.size() != facts.spots->kept.size()))
        abort();
      (void)zel::decodeMarkupFactsInto(text, reused);
      break;
    }
    case 1: {
      const auto doc = zel::audit::readSitemapDocument(text, 64, 1 << 20);
      if (doc.entries.size() > 64 || doc.entries.size() > doc.listed) abort();
      if (doc.bytes > (1u << 20) + 1 && doc.bytes != text.size()) abort();
      break;
    }
    case 2:
      for (const auto& e : zel::audit::parseLinkHeader(text))
        if (e.target.size() > text.size()) abort();
      break;
    case 3:
      (void)zel::audit::isValidHreflang(text);
      (void)zel::audit::primaryLanguage(text);
      break;
  }
  return 0;
}
